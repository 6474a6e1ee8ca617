// Objects and classes: the layout of object instances and class records, and
// the routines through which the rest of the runtime creates, counts, tests
// and destroys objects. Built-in classes are registered by the runtime's own
// subsystems, plug-in classes by the plug-in host, and the application's
// classes come from the class descriptors of its image (classtable.cpp).
#pragma once
#include <cstdint>

struct StringObject;
struct ClassRecord;
struct PropertyDescriptor;

// Every instance begins with this header; a root class's own fields start
// right after it, at byte 24. The live-object list links all instances,
// newest first.
struct ObjectInstance {
    int32_t refs;
    ClassRecord* cls;
    ObjectInstance* newer;    // previous in the live-object list, or null
    ObjectInstance* older;    // next in the live-object list, or null
    uint32_t base[2];         // the runtime's base object; zero when created
};
static_assert(sizeof(ObjectInstance) == 24, "the object header is six words");

constexpr uint32_t kBaseInstanceSize = sizeof(ObjectInstance);

// Constructors and destructors, whatever their origin, are called with the
// instance and the class record (C calling convention).
using InstanceRoutine = void (*)(ObjectInstance* instance, ClassRecord* cls);

struct MethodEntry {
    StringObject* name;
    uint32_t code;            // 0 for the methods an interface declares
};

struct EventHandler {
    EventHandler* next;
    StringObject* eventName;
    uint32_t code;
    uint32_t hookKey;
};

struct MenuHandler {
    MenuHandler* next;
    StringObject* itemName;
    uint32_t code;
};

// An event as a class declares it. Handlers are found for a declaration, not
// for a bare name (eventhandlers.cpp explains why).
struct EventDeclaration {
    EventDeclaration* next;
    StringObject* name;
    ClassRecord* declarer;
};

// An interface that a class implements, with the method table built for it:
// entry j is the code of the interface's j-th method (entry 0 is unused).
struct ImplementedInterface {
    ClassRecord* iface;
    uint32_t* table;
    uint32_t length;
};

constexpr uint32_t kClassRecordKind = 3;

struct ClassRecord {
    uint32_t kind;                    // kClassRecordKind
    ClassRecord* superclass;          // null for a root class
    StringObject* name;               // null for anonymous classes
    uint32_t instanceSize;            // bytes, header included
    InstanceRoutine constructor;
    InstanceRoutine destructor;
    MethodEntry* methods;             // in descriptor order
    uint32_t methodCount;
    EventHandler* eventHandlers;      // in reverse descriptor order
    MenuHandler* menuHandlers;        // in reverse descriptor order
    ImplementedInterface* interfaces;
    uint32_t interfaceCount;
    bool isInterface;
    uint32_t* vtable;
    uint32_t vtableLength;
    uint32_t tablesGeneration;        // when its interface tables were built
    ClassRecord* nextRecord;          // the list of all class records
    EventDeclaration* events;         // events this class declares, newest first
    void* extension;                  // what the plug-in host keeps for its classes
    PropertyDescriptor* properties;   // in definition order (properties.h)
};

// --- class records (classes.cpp) ---

// A new class record, put on the list of all class records. A size of 0
// stands for a class that states none. The name is locked.
ClassRecord* NewClassRecord(StringObject* name, ClassRecord* superclass, uint32_t instanceSize);

// A built-in class: a class record that the class dictionary knows by name.
ClassRecord* RegisterBuiltinClass(const char* name, ClassRecord* superclass, uint32_t instanceSize,
                                  InstanceRoutine constructor = nullptr,
                                  InstanceRoutine destructor = nullptr);

// The built-in class of that name (the runtime's case table); null if none.
ClassRecord* FindBuiltinClass(const char* name, uint32_t length);
ClassRecord* FindBuiltinClass(const char* name);

// Adds an event to what the class declares.
const EventDeclaration* DeclareEvent(ClassRecord* cls, const char* name);
// The event of that name that the class itself declares; null if none.
const EventDeclaration* FindDeclaredEvent(const ClassRecord* cls, const char* name);

ClassRecord* FirstClassRecord();

// True when cls is target or descends from it; for an interface target, when
// some class of cls's chain implements it.
bool ClassIsa(const ClassRecord* cls, const ClassRecord* target);

// The name of the first named class in the chain; null if none has one.
StringObject* ClassDisplayName(const ClassRecord* cls);

// The instance size that creation uses: the largest of the chain, since a
// class can never be smaller than the class it extends.
uint32_t InstanceSizeOf(const ClassRecord* cls);

// The code of the first method of that name in the class or its superclasses.
uint32_t FindMethodCode(const ClassRecord* cls, const StringObject* name);

// --- the class table of the image (classtable.cpp) ---

// Builds the class table from the image's class list, links superclasses and
// builds the interface method tables.
void BuildClassTable(const uint32_t* classList);
ClassRecord* ClassAtIndex(int32_t index);     // null for an index off the table
int32_t ClassCount();

// The descriptor class with the highest index that descends from base; null
// when there is none.
ClassRecord* FindDescendantClass(const ClassRecord* base);

// --- interface method tables (interfacetables.cpp) ---

// Builds the tables of every class record whose tables are out of date.
void BuildInterfaceTables();
// Marks every table out of date (after classes have gained methods).
void InvalidateInterfaceTables();

// --- instances (instances.cpp) ---

// A new instance of the class with reference count 1, its constructors run.
ObjectInstance* NewInstance(ClassRecord* cls);
ObjectInstance* NewestLiveObject();
void RemoveFromLiveObjects(ObjectInstance* object);   // safe for one not on the list
// The bytes of an instance block: the instance size rounded up to four.
uint32_t RoundedInstanceSize(const ClassRecord* cls);

// Adds a reference / drops one (nil allowed); the last one destroys.
void LockObject(ObjectInstance* object);
void UnlockObject(ObjectInstance* object);

// --- destruction (destructionqueue.cpp) ---

// Destroys an instance whose count has reached 0: its destructors run from
// its own class up, but never nested inside another destructor.
void DestroyInstance(ObjectInstance* object);

// --- event handlers (eventhandlers.cpp) ---

// The code of the handler that the object's class chain has for the event;
// 0 when none applies.
uint32_t FindEventHandler(const ObjectInstance* object, const EventDeclaration* event);

// Holds one reference to an object for the span of a scope.
class ObjectRef {
public:
    explicit ObjectRef(ObjectInstance* adopted = nullptr) : object_(adopted) {}
    ObjectRef(const ObjectRef&) = delete;
    ObjectRef& operator=(const ObjectRef&) = delete;
    ~ObjectRef() { UnlockObject(object_); }
    ObjectInstance* get() const { return object_; }
private:
    ObjectInstance* object_;
};

// --- entry points ---
extern "C" {
ObjectInstance* RuntimeNewObject(int32_t classIndex);
ObjectInstance* RuntimeProjectObject(int32_t projectNumber);
ObjectInstance* RuntimeLockObject(ObjectInstance* object);
void RuntimeUnlockObject(ObjectInstance* object);
bool RuntimeObjectIsa(ObjectInstance* object, int32_t classIndex);
void RuntimeCheckCast(ObjectInstance* object, int32_t classIndex);
uint32_t RuntimeFindHookCode(ObjectInstance* object, uint32_t hookKey);
uint32_t FindVTableCode(ObjectInstance* object, uint32_t index);
uint32_t FindInterfaceVTableCode(ObjectInstance* object, uint32_t methodIndex,
                                 int32_t interfaceClassIndex);
StringObject* stringGetter(ObjectInstance* object, uint32_t offset);
void stringSetter(ObjectInstance* object, uint32_t offset, StringObject* value);
ObjectInstance* objGetter(ObjectInstance* object, uint32_t offset);
void objSetter(ObjectInstance* object, uint32_t offset, ObjectInstance* value);
ObjectInstance* RuntimeControlFetch(ObjectInstance* window, StringObject* name);
ObjectInstance* RuntimeControlReference(ObjectInstance* window, StringObject* name);
ObjectInstance* RuntimeControlArrayItemReference(ObjectInstance* window, StringObject* name,
                                                 int32_t index);
int32_t RuntimeDebugObjectCount(ObjectInstance* except);
uint32_t RuntimeDebugObjectID(ObjectInstance* except, int32_t n);
StringObject* RuntimeDebugObjectClass(ObjectInstance* except, int32_t n);
int32_t RuntimeDebugObjectRefs(ObjectInstance* except, int32_t n);
}
