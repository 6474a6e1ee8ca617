// The runtime's debug object: counting and naming the live objects. The
// object asking (usually the one that holds the count) is left out, and
// addresses are disguised so that they are not taken for something to use.
#include "objects.h"
#include "string.h"

namespace {

constexpr uint32_t kAddressDisguise = 0x15C7A3;

// The n-th live object, newest first, skipping except; null past the end.
ObjectInstance* LiveObjectAt(const ObjectInstance* except, int32_t n) {
    for (ObjectInstance* object = NewestLiveObject(); object; object = object->older) {
        if (object == except) continue;
        if (n-- == 0) return object;
    }
    return nullptr;
}

} // namespace

extern "C" int32_t RuntimeDebugObjectCount(ObjectInstance* except) {
    int32_t count = 0;
    for (ObjectInstance* object = NewestLiveObject(); object; object = object->older)
        if (object != except) count++;
    return count;
}

extern "C" uint32_t RuntimeDebugObjectID(ObjectInstance* except, int32_t n) {
    ObjectInstance* object = LiveObjectAt(except, n);
    return object ? reinterpret_cast<uint32_t>(object) ^ kAddressDisguise : 0;
}

extern "C" StringObject* RuntimeDebugObjectClass(ObjectInstance* except, int32_t n) {
    ObjectInstance* object = LiveObjectAt(except, n);
    StringObject* name = object ? ClassDisplayName(object->cls) : nullptr;
    RuntimeLockString(name);
    return name;
}

extern "C" int32_t RuntimeDebugObjectRefs(ObjectInstance* except, int32_t n) {
    ObjectInstance* object = LiveObjectAt(except, n);
    return object ? object->refs : 0;
}
