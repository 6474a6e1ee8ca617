// The class table: the image's class list turned into class records, one per
// class index. A class entry is either a reference to a built-in or plug-in
// class by name (first word 1) or a descriptor of an application class:
//
//   kind, instance size, name, superclass index (-1: none), has constructor,
//   [constructor, destructor], interface flag, interface count, indexes...,
//   method count, (name, code)... (an interface has names alone),
//   event handler count, (event name, code, hook key)...,
//   menu handler count, (item name, code)...,
//   virtual table count, code addresses...
//
// Superclasses are linked in a second pass, so a superclass may come later
// in the list; interfaces are resolved in the first, so an interface must
// come before the classes that name it.
#include "objects.h"
#include "failedassertion.h"
#include "string.h"
#include "utility.h"
#include "plugins/registry.h"

namespace {

constexpr uint32_t kClassReference = 1;

ClassRecord** classTable;
int32_t classCount;

// Reads a descriptor's words in order.
class WordReader {
public:
    explicit WordReader(const uint32_t* at) : at_(at) {}
    uint32_t Next() { return *at_++; }
    StringObject* NextString() { return reinterpret_cast<StringObject*>(Next()); }
private:
    const uint32_t* at_;
};

ClassRecord* ResolveClassReference(const uint32_t* entry) {
    const StringObject* name = reinterpret_cast<const StringObject*>(entry[1]);
    const ClassRecord* found = static_cast<const ClassRecord*>(
        FindClassByName(StringText(name), StringLength(name)));
    if (!found) FailedAssertion(0, 2, "RuntimeMain", 0);
    return const_cast<ClassRecord*>(found);
}

void ReadInterfaces(WordReader& words, ClassRecord* cls) {
    cls->isInterface = (words.Next() & 0xFF) != 0;
    uint32_t count = words.Next();
    cls->interfaces = static_cast<ImplementedInterface*>(
        NewRuntimeRecord(sizeof(ImplementedInterface) * (count ? count : 1)));
    for (uint32_t i = 0; i < count; i++) {
        // An interface later in the list is not built yet and is left out.
        ClassRecord* iface = ClassAtIndex(static_cast<int32_t>(words.Next()));
        if (iface) cls->interfaces[cls->interfaceCount++] = ImplementedInterface{iface, nullptr, 0};
    }
}

void ReadMethods(WordReader& words, ClassRecord* cls) {
    cls->methodCount = words.Next();
    cls->methods = static_cast<MethodEntry*>(
        NewRuntimeRecord(sizeof(MethodEntry) * (cls->methodCount ? cls->methodCount : 1)));
    for (uint32_t i = 0; i < cls->methodCount; i++) {
        StringObject* name = words.NextString();
        uint32_t code = cls->isInterface ? 0 : words.Next();
        cls->methods[i] = MethodEntry{name, code};
    }
}

void ReadEventHandlers(WordReader& words, ClassRecord* cls) {
    for (uint32_t count = words.Next(); count > 0; count--) {
        EventHandler* handler = static_cast<EventHandler*>(NewRuntimeRecord(sizeof(EventHandler)));
        StringObject* name = words.NextString();
        uint32_t code = words.Next();
        uint32_t hookKey = words.Next();
        *handler = EventHandler{cls->eventHandlers, name, code, hookKey};
        cls->eventHandlers = handler;
    }
}

void ReadMenuHandlers(WordReader& words, ClassRecord* cls) {
    for (uint32_t count = words.Next(); count > 0; count--) {
        MenuHandler* handler = static_cast<MenuHandler*>(NewRuntimeRecord(sizeof(MenuHandler)));
        StringObject* name = words.NextString();
        uint32_t code = words.Next();
        *handler = MenuHandler{cls->menuHandlers, name, code};
        cls->menuHandlers = handler;
    }
}

void ReadVirtualTable(WordReader& words, ClassRecord* cls) {
    cls->vtableLength = words.Next();
    cls->vtable = static_cast<uint32_t*>(
        NewRuntimeRecord(sizeof(uint32_t) * (cls->vtableLength ? cls->vtableLength : 1)));
    for (uint32_t i = 0; i < cls->vtableLength; i++) cls->vtable[i] = words.Next();
}

ClassRecord* BuildDescriptorClass(const uint32_t* entry) {
    WordReader words(entry + 1);
    uint32_t instanceSize = words.Next();
    ClassRecord* cls = NewClassRecord(words.NextString(), nullptr, instanceSize);
    words.Next();   // the superclass index, linked in the second pass
    if (words.Next() != 0) {
        cls->constructor = reinterpret_cast<InstanceRoutine>(words.Next());
        cls->destructor = reinterpret_cast<InstanceRoutine>(words.Next());
    }
    ReadInterfaces(words, cls);
    ReadMethods(words, cls);
    ReadEventHandlers(words, cls);
    ReadMenuHandlers(words, cls);
    ReadVirtualTable(words, cls);
    return cls;
}

bool InChain(const ClassRecord* chain, const ClassRecord* cls) {
    for (; chain; chain = chain->superclass)
        if (chain == cls) return true;
    return false;
}

// A superclass that would close a cycle is not linked: every walk up a chain
// would never end.
void LinkSuperclasses(const uint32_t* const* entries) {
    for (int32_t index = 0; index < classCount; index++) {
        const uint32_t* entry = entries[index];
        if (!entry || entry[0] == kClassReference || !classTable[index]) continue;
        int32_t superIndex = static_cast<int32_t>(entry[3]);
        if (superIndex == -1) continue;
        ClassRecord* superclass = ClassAtIndex(superIndex);
        if (superclass && !InChain(superclass, classTable[index]))
            classTable[index]->superclass = superclass;
    }
}

} // namespace

void BuildClassTable(const uint32_t* classList) {
    classCount = classList ? static_cast<int32_t>(classList[0]) : 0;
    if (classCount < 0) classCount = 0;
    classTable = static_cast<ClassRecord**>(
        NewRuntimeRecord(sizeof(ClassRecord*) * (classCount ? classCount : 1)));
    const uint32_t* const* entries = reinterpret_cast<const uint32_t* const*>(classList + 1);
    for (int32_t index = 0; index < classCount; index++) {
        classTable[index] = nullptr;
        const uint32_t* entry = entries[index];
        if (!entry) continue;
        classTable[index] = entry[0] == kClassReference ? ResolveClassReference(entry)
                                                        : BuildDescriptorClass(entry);
    }
    LinkSuperclasses(entries);
    BuildInterfaceTables();
}

ClassRecord* ClassAtIndex(int32_t index) {
    return index >= 0 && index < classCount ? classTable[index] : nullptr;
}

int32_t ClassCount() { return classCount; }

ClassRecord* FindDescendantClass(const ClassRecord* base) {
    for (int32_t index = classCount - 1; index >= 0; index--) {
        ClassRecord* cls = classTable[index];
        if (cls && cls != base && ClassIsa(cls, base)) return cls;
    }
    return nullptr;
}
