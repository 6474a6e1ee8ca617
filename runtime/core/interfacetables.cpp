// Interface method tables and virtual method tables. A class that implements
// an interface gets one table per interface: entry j holds the code of the
// class's method (or an inherited one) named like the interface's j-th
// method, so that a call through an interface is one lookup at run time.
#include "objects.h"
#include "failedassertion.h"
#include "utility.h"

namespace {

// A class whose tables are of another generation is out of date; new class
// records start at 0.
uint32_t currentGeneration = 1;

// False when the class lacks a method of the interface.
bool BuildTable(const ClassRecord* cls, ImplementedInterface* implemented) {
    const ClassRecord* iface = implemented->iface;
    uint32_t length = iface->methodCount + 1;
    uint32_t* table = static_cast<uint32_t*>(NewRuntimeRecord(sizeof(uint32_t) * length));
    table[0] = 0;
    for (uint32_t j = 1; j < length; j++) {
        table[j] = FindMethodCode(cls, iface->methods[j - 1].name);
        if (!table[j]) {
            FailedAssertion(0, 2, "objects", 2380);
            DeleteRuntimeRecord(table);
            return false;
        }
    }
    implemented->table = table;
    implemented->length = length;
    return true;
}

// Brings the class's tables and then its superclasses' up to date.
bool BuildTablesOf(ClassRecord* cls) {
    bool complete = true;
    for (; cls; cls = cls->superclass) {
        if (cls->isInterface || cls->tablesGeneration == currentGeneration) continue;
        cls->tablesGeneration = currentGeneration;
        for (uint32_t i = 0; i < cls->interfaceCount; i++)
            if (!BuildTable(cls, &cls->interfaces[i])) {
                complete = false;
                break;   // the remaining tables of this class stay unbuilt
            }
    }
    return complete;
}

} // namespace

void InvalidateInterfaceTables() { currentGeneration++; }

void BuildInterfaceTables() {
    bool complete = true;
    for (ClassRecord* cls = FirstClassRecord(); cls; cls = cls->nextRecord)
        if (!BuildTablesOf(cls)) complete = false;
    if (!complete) FailedAssertion(0, 4, "objects", 6023);
}

extern "C" uint32_t FindVTableCode(ObjectInstance* object, uint32_t index) {
    if (!object) return 0;
    const ClassRecord* cls = object->cls;
    return index < cls->vtableLength ? cls->vtable[index] : 0;
}

extern "C" uint32_t FindInterfaceVTableCode(ObjectInstance* object, uint32_t methodIndex,
                                            int32_t interfaceClassIndex) {
    const ClassRecord* iface = ClassAtIndex(interfaceClassIndex);
    if (!object || !iface) return 0;
    for (const ClassRecord* cls = object->cls; cls; cls = cls->superclass)
        for (uint32_t i = 0; i < cls->interfaceCount; i++) {
            const ImplementedInterface& implemented = cls->interfaces[i];
            if (implemented.iface != iface) continue;
            return methodIndex < implemented.length ? implemented.table[methodIndex] : 0;
        }
    return 0;
}
