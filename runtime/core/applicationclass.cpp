// The Application class. Its fields after the header are the MouseCursor
// object and the ResourceFork; the application's subclass in the image
// follows them with its own.
#include "applicationclass.h"
#include "objects.h"
#include "compiledcalls.h"

namespace {

const char* const kEventNames[] = {
    "Open", "Close", "EnableMenuItems", "NewDocument", "OpenDocument", "HandleAppleEvent",
    "Activate", "Deactivate"};
constexpr int kEventCount = sizeof kEventNames / sizeof kEventNames[0];
constexpr uint32_t kApplicationInstanceSize = kBaseInstanceSize + 8;

ClassRecord* applicationClass;
const EventDeclaration* events[kEventCount];
ObjectInstance* applicationObject;

uint32_t HandlerOf(ObjectInstance* application, ApplicationEvent event) {
    return FindEventHandler(application, events[static_cast<int>(event)]);
}

} // namespace

void RegisterApplicationClass() {
    if (applicationClass) return;
    applicationClass = RegisterBuiltinClass("Application", nullptr, kApplicationInstanceSize);
    for (int i = 0; i < kEventCount; i++) events[i] = DeclareEvent(applicationClass, kEventNames[i]);
}

ClassRecord* ApplicationClass() { return applicationClass; }

ObjectInstance* ApplicationObject() { return applicationObject; }

void SetApplicationObject(ObjectInstance* application) {
    ObjectInstance* previous = applicationObject;
    applicationObject = application;
    UnlockObject(previous);
}

uint32_t ApplicationHandler(ApplicationEvent event) { return HandlerOf(applicationObject, event); }

extern "C" void ApplicationNewDocument(ObjectInstance* application) {
    if (uint32_t code = HandlerOf(application, ApplicationEvent::NewDocument))
        CallCompiled(code, application);
}

extern "C" void ApplicationOpenDocument(ObjectInstance* application, ObjectInstance* item) {
    if (uint32_t code = HandlerOf(application, ApplicationEvent::OpenDocument))
        CallCompiled(code, application, item);
}
