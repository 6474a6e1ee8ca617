// The plug-in service routines: strings and objects across the interface,
// the defaults plug-in controls start with, the runtime's version, instances
// and interface routines by name, and the database-registration slots that
// this runtime does not serve.
#include "pluginclasses.h"
#include "core/casetable.h"
#include "core/objects.h"
#include "core/settings.h"
#include "core/string.h"
#include <cstring>

extern "C" {

bool OPALinRuntime() { return true; }

double OPALGetOBVersion() { return 3.5; }

StringObject* OPALBuildString(const void* bytes, int32_t count) {
    if (!bytes || count <= 0) return nullptr;
    return NewString(bytes, static_cast<uint32_t>(count));
}

void OPALLockString(StringObject* s) { RuntimeLockString(s); }
void OPALUnlockString(StringObject* s) { RuntimeUnlockString(s); }
void OPALLockObject(ObjectInstance* object) { LockObject(object); }
void OPALUnlockObject(ObjectInstance* object) { UnlockObject(object); }

StringObject* PluginInterpretConstantValue(StringObject* value) { return LockedString(value); }

StringObject* PluginDefaultControlFont() { return NewStringFromText("System"); }
StringObject* PluginDefaultControlCaption() { return NewStringFromText("Untitled"); }
int32_t PluginDefaultControlFontSize() { return 12; }

int32_t OPALGetWin32Charset() { return FontCharacterSet(); }

ObjectInstance* PluginNewInstance(const char* className) {
    if (!className) return nullptr;
    ClassRecord* cls = FindClassNamed(className, static_cast<uint32_t>(strlen(className)));
    return cls ? NewInstance(cls) : nullptr;
}

// The code of the object's method that implements routine of the named
// interface: the interface must be one, must declare the routine, and the
// object's class must implement it.
uint32_t GetInterfaceRoutine(ObjectInstance* object, const char* interfaceName, const char* routine) {
    if (!object || !interfaceName || !routine) return 0;
    ClassRecord* iface = FindClassNamed(interfaceName, static_cast<uint32_t>(strlen(interfaceName)));
    if (!iface || !iface->isInterface || !ClassIsa(object->cls, iface)) return 0;
    uint32_t length = static_cast<uint32_t>(strlen(routine));
    for (uint32_t i = 0; i < iface->methodCount; i++) {
        const StringObject* name = iface->methods[i].name;
        if (CaseTableEqual(StringText(name), StringLength(name), routine, length))
            return FindMethodCode(object->cls, name);
    }
    return 0;
}

void PluginRegisterDBEngine(uint8_t* definition) {
    if (definition) definition[4] = 0;
}

void PluginRegisterDBCursor(uint8_t* definition) {
    if (definition) memset(definition + 4, 0, 4);
}

}
