// Object instances: creation, reference counts and the live-object list.
// Counts are plain integers: objects belong to the one thread that runs the
// event loop and the compiled code.
#include "objects.h"
#include "compiledcalls.h"
#include "failedassertion.h"
#include "utility.h"
#include <cstring>

namespace {

ObjectInstance* newestObject;

constexpr uint32_t kCorruptCount = 0xD0000000;

void RunConstructors(ObjectInstance* object, ClassRecord* cls) {
    if (!cls) return;
    RunConstructors(object, cls->superclass);
    if (cls->constructor) CallCompiled(cls->constructor, object, cls);
}

void AddToLiveObjects(ObjectInstance* object) {
    object->newer = nullptr;
    object->older = newestObject;
    if (newestObject) newestObject->newer = object;
    newestObject = object;
}

} // namespace

uint32_t RoundedInstanceSize(const ClassRecord* cls) { return (InstanceSizeOf(cls) + 3) & ~3u; }

void RemoveFromLiveObjects(ObjectInstance* object) {
    if (object->newer) object->newer->older = object->older;
    else if (newestObject == object) newestObject = object->older;
    if (object->older) object->older->newer = object->newer;
    object->newer = object->older = nullptr;
}

ObjectInstance* NewInstance(ClassRecord* cls) {
    uint32_t size = RoundedInstanceSize(cls);
    ObjectInstance* object = static_cast<ObjectInstance*>(RuntimeAlloc(size));
    memset(object, 0, size);
    object->refs = 1;
    object->cls = cls;
    RunConstructors(object, cls);
    AddToLiveObjects(object);
    return object;
}

ObjectInstance* NewestLiveObject() { return newestObject; }

void LockObject(ObjectInstance* object) {
    if (object) object->refs++;
}

void UnlockObject(ObjectInstance* object) {
    if (!object) return;
    if (object->refs <= 0 || static_cast<uint32_t>(object->refs) > kCorruptCount) {
        FailedAssertion(0, 4, "objects", 459);
        return;
    }
    if (--object->refs == 0) DestroyInstance(object);
}

extern "C" ObjectInstance* RuntimeNewObject(int32_t classIndex) {
    ClassRecord* cls = ClassAtIndex(classIndex);
    if (!cls) {
        // An index off the table, or a class reference that was not found.
        FailedAssertion(0, 4, "RuntimeMain", 1151);
        return nullptr;
    }
    return NewInstance(cls);
}

extern "C" ObjectInstance* RuntimeLockObject(ObjectInstance* object) {
    LockObject(object);
    return object;
}

// Compiled code calls the unlock routine without saving its accumulator, so
// the entry point keeps eax around the real work. It keeps a frame of its
// own, as every routine between compiled code and a raise must (a destructor
// may raise).
extern "C" void UnlockObjectKeepingNothing(ObjectInstance* object) { UnlockObject(object); }

asm(".text\n"
    ".globl _RuntimeUnlockObject\n"
    "_RuntimeUnlockObject:\n"
    "    pushl %ebp\n"
    "    movl %esp, %ebp\n"
    "    pushl %eax\n"
    "    pushl 8(%ebp)\n"
    "    call _UnlockObjectKeepingNothing\n"
    "    addl $4, %esp\n"
    "    popl %eax\n"
    "    popl %ebp\n"
    "    ret\n");
