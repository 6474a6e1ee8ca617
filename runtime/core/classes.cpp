// Class records and the class dictionary. Every class record, whatever its
// origin, is on one list for the run; the dictionary (a stringmap) knows the
// built-in classes by name, so that the image's class references and the
// plug-in host can find them. Class records are never freed.
#include "objects.h"
#include "casetable.h"
#include "string.h"
#include "stringmap.h"
#include "utility.h"
#include <cstring>

namespace {

ClassRecord* allClassRecords;
StringMap* classDictionary;

bool NamesEqual(const StringObject* a, const StringObject* b) {
    return CaseTableEqual(StringText(a), StringLength(a), StringText(b), StringLength(b));
}

bool NameIs(const StringObject* a, const char* text) {
    return CaseTableEqual(StringText(a), StringLength(a), text, static_cast<uint32_t>(strlen(text)));
}

bool Implements(const ClassRecord* cls, const ClassRecord* iface) {
    for (uint32_t i = 0; i < cls->interfaceCount; i++)
        if (cls->interfaces[i].iface == iface) return true;
    return false;
}

} // namespace

ClassRecord* NewClassRecord(StringObject* name, ClassRecord* superclass, uint32_t instanceSize) {
    ClassRecord* cls = static_cast<ClassRecord*>(NewRuntimeRecord(sizeof(ClassRecord)));
    *cls = ClassRecord{};
    cls->kind = kClassRecordKind;
    cls->superclass = superclass;
    cls->name = name;
    RuntimeLockString(name);
    cls->instanceSize = instanceSize ? instanceSize : kBaseInstanceSize;
    cls->nextRecord = allClassRecords;
    allClassRecords = cls;
    return cls;
}

ClassRecord* RegisterBuiltinClass(const char* name, ClassRecord* superclass, uint32_t instanceSize,
                                  InstanceRoutine constructor, InstanceRoutine destructor) {
    StringRef key(NewStringFromText(name));
    ClassRecord* cls = NewClassRecord(key.get(), superclass, instanceSize);
    cls->constructor = constructor;
    cls->destructor = destructor;
    if (!classDictionary) classDictionary = NewStringMap();
    StringMapInsert(classDictionary, key.get(), reinterpret_cast<uint32_t>(cls));
    return cls;
}

ClassRecord* FindBuiltinClass(const char* name, uint32_t length) {
    if (!classDictionary) return nullptr;
    StringRef key(NewString(name, length));
    uint32_t found = 0;
    return StringMapFind(classDictionary, key.get(), &found) ? reinterpret_cast<ClassRecord*>(found)
                                                             : nullptr;
}

ClassRecord* FindBuiltinClass(const char* name) {
    return FindBuiltinClass(name, static_cast<uint32_t>(strlen(name)));
}

const EventDeclaration* DeclareEvent(ClassRecord* cls, const char* name) {
    EventDeclaration* event =
        static_cast<EventDeclaration*>(NewRuntimeRecord(sizeof(EventDeclaration)));
    *event = EventDeclaration{cls->events, NewStringFromText(name), cls};
    cls->events = event;
    return event;
}

const EventDeclaration* FindDeclaredEvent(const ClassRecord* cls, const char* name) {
    for (const EventDeclaration* event = cls->events; event; event = event->next)
        if (NameIs(event->name, name)) return event;
    return nullptr;
}

ClassRecord* FirstClassRecord() { return allClassRecords; }

bool ClassIsa(const ClassRecord* cls, const ClassRecord* target) {
    if (!target) return false;
    for (; cls; cls = cls->superclass)
        if (cls == target || (target->isInterface && Implements(cls, target))) return true;
    return false;
}

StringObject* ClassDisplayName(const ClassRecord* cls) {
    for (; cls; cls = cls->superclass)
        if (cls->name) return cls->name;
    return nullptr;
}

uint32_t InstanceSizeOf(const ClassRecord* cls) {
    uint32_t size = kBaseInstanceSize;
    for (; cls; cls = cls->superclass)
        if (cls->instanceSize > size) size = cls->instanceSize;
    return size;
}

uint32_t FindMethodCode(const ClassRecord* cls, const StringObject* name) {
    for (; cls; cls = cls->superclass)
        for (uint32_t i = 0; i < cls->methodCount; i++)
            if (cls->methods[i].code && NamesEqual(cls->methods[i].name, name))
                return cls->methods[i].code;
    return 0;
}
