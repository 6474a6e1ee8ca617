// The type tests of compiled code: Isa and the checked cast. Nil is an
// instance of nothing, yet may be cast to anything.
#include "objects.h"
#include "win32exception.h"

extern "C" bool RuntimeObjectIsa(ObjectInstance* object, int32_t classIndex) {
    return object && ClassIsa(object->cls, ClassAtIndex(classIndex));
}

extern "C" void RuntimeCheckCast(ObjectInstance* object, int32_t classIndex) {
    if (object && !RuntimeObjectIsa(object, classIndex))
        RaiseBuiltinException(BuiltinException::IllegalCast);
}
