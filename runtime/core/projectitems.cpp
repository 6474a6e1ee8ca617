// Project items. Each begins with its kind word:
//
//   1  value, picture data...          a Picture object (value, data pointer)
//   2  byte count, menu bar data...    the menu bar, unless one exists
//   3  value                           a project value object
//   4  node list, byte count, settings block...
//   5  class index, data1 slot         a module instance, kept in the slot
//   6  value, data...                  a project data object (value, data pointer)
//   7, 8  value                        a project value object of its kind
//   9  resource number                 a MouseCursor object
//   10 byte count, name bytes pointer, two values   a Database object
//
// The node list of kind 4 carries nothing the runtime uses and is not read.
#include "projectitems.h"
#include "objects.h"
#include "failedassertion.h"
#include "settings.h"
#include "string.h"
#include "utility.h"
#include "files/memorystream.h"
#include "ui/menubar.h"

namespace {

// The fields of every project object after the header.
struct ProjectObjectFields {
    ObjectInstance header;
    uint32_t value;           // the item's value; the resource number of a cursor
    const void* data;         // the item's data in the image; the name of a database
    uint32_t secondValue;     // a database's two values
    uint32_t thirdValue;
};

enum ItemKind : uint32_t {
    kPicture = 1, kMenuBar = 2, kValue3 = 3, kSettings = 4, kModule = 5,
    kData6 = 6, kValue7 = 7, kValue8 = 8, kMouseCursor = 9, kDatabase = 10,
};

ClassRecord* pictureClass;
ClassRecord* valueClasses[3];    // kinds 3, 7 and 8
ClassRecord* dataClass;          // kind 6
ClassRecord* mouseCursorClass;
ClassRecord* databaseClass;

ObjectInstance** projectObjects;
int32_t projectObjectCount;      // slots, slot 0 unused

void DestroyDatabase(ObjectInstance* object, ClassRecord*) {
    ProjectObjectFields* fields = reinterpret_cast<ProjectObjectFields*>(object);
    RuntimeUnlockString(static_cast<StringObject*>(const_cast<void*>(fields->data)));
}

ObjectInstance* NewProjectObject(ClassRecord* cls, uint32_t value, const void* data) {
    ObjectInstance* object = NewInstance(cls);
    ProjectObjectFields* fields = reinterpret_cast<ProjectObjectFields*>(object);
    fields->value = value;
    fields->data = data;
    return object;
}

ObjectInstance* NewDatabase(const uint32_t* item) {
    StringObject* name = NewString(reinterpret_cast<const void*>(item[2]), item[1]);
    ObjectInstance* database = NewProjectObject(databaseClass, 0, name);
    ProjectObjectFields* fields = reinterpret_cast<ProjectObjectFields*>(database);
    fields->secondValue = item[3];
    fields->thirdValue = item[4];
    return database;
}

void CreateModuleInstance(const uint32_t* item) {
    ObjectInstance** slot = reinterpret_cast<ObjectInstance**>(item[2]);
    *slot = RuntimeNewObject(static_cast<int32_t>(item[1]));
}

void ReadSettings(const uint32_t* item) {
    MemoryStream stream(item + 3, item[2]);
    ReadSettingsBlock(stream);
}

void ReadMenuBar(const uint32_t* item) {
    if (MenuBarExists()) return;
    MemoryStream stream(item + 2, item[1]);
    BuildMenuBar(stream);
}

// The object that an item makes, or null for the kinds that make none.
ObjectInstance* ProcessItem(const uint32_t* item) {
    switch (item[0]) {
    case kPicture: return NewProjectObject(pictureClass, item[1], item + 2);
    case kValue3: return NewProjectObject(valueClasses[0], item[1], nullptr);
    case kData6: return NewProjectObject(dataClass, item[1], item + 2);
    case kValue7: return NewProjectObject(valueClasses[1], item[1], nullptr);
    case kValue8: return NewProjectObject(valueClasses[2], item[1], nullptr);
    case kMouseCursor: return NewProjectObject(mouseCursorClass, item[1], nullptr);
    case kDatabase: return NewDatabase(item);
    case kMenuBar: ReadMenuBar(item); return nullptr;
    case kSettings: ReadSettings(item); return nullptr;
    case kModule: CreateModuleInstance(item); return nullptr;
    default: FailedAssertion(0, 3, "RuntimeMain", 0); return nullptr;
    }
}

void ReleaseProjectObjects() {
    for (int32_t number = 1; number < projectObjectCount; number++)
        UnlockObject(projectObjects[number]);
    if (projectObjects) RuntimeFree(projectObjects, sizeof(ObjectInstance*) * projectObjectCount);
    projectObjects = nullptr;
    projectObjectCount = 0;
}

ClassRecord* NewProjectClass(const char* name) {
    StringRef key(NewStringFromText(name));
    return NewClassRecord(key.get(), nullptr, sizeof(ProjectObjectFields));
}

} // namespace

void RegisterProjectItemClasses() {
    if (pictureClass) return;
    uint32_t size = sizeof(ProjectObjectFields);
    pictureClass = RegisterBuiltinClass("Picture", nullptr, size);
    mouseCursorClass = RegisterBuiltinClass("MouseCursor", nullptr, size);
    databaseClass = RegisterBuiltinClass("Database", nullptr, size, nullptr, &DestroyDatabase);
    // The classes of kinds 3 and 6 to 8 are the runtime's own: nothing names them.
    valueClasses[0] = NewProjectClass("ProjectValue3");
    valueClasses[1] = NewProjectClass("ProjectValue7");
    valueClasses[2] = NewProjectClass("ProjectValue8");
    dataClass = NewProjectClass("ProjectData6");
}

void ProcessProjectItems(const uint32_t* const* items, int32_t count) {
    ReleaseProjectObjects();
    if (count < 0) count = 0;
    projectObjectCount = count + 1;
    projectObjects = static_cast<ObjectInstance**>(
        RuntimeAlloc(sizeof(ObjectInstance*) * projectObjectCount));
    projectObjects[0] = nullptr;
    for (int32_t k = 0; k < count; k++) {
        projectObjects[k + 1] = nullptr;
        if (items[k]) projectObjects[k + 1] = ProcessItem(items[k]);
    }
}

ObjectInstance* ProjectObject(int32_t number) {
    return number > 0 && number < projectObjectCount ? projectObjects[number] : nullptr;
}

extern "C" ObjectInstance* RuntimeProjectObject(int32_t projectNumber) {
    ObjectInstance* object = ProjectObject(projectNumber);
    LockObject(object);
    return object;
}
