// The built-in class "Application" (internally OBApplication), its events,
// and the one application object of the run.
#pragma once
#include <cstdint>

struct ClassRecord;
struct EventDeclaration;
struct ObjectInstance;

enum class ApplicationEvent {
    Open, Close, EnableMenuItems, NewDocument, OpenDocument, HandleAppleEvent, Activate, Deactivate,
};

// Registers the class with its events; run once.
void RegisterApplicationClass();
ClassRecord* ApplicationClass();

// The application object (lent); null before RuntimeInit has made it.
ObjectInstance* ApplicationObject();
// Makes the object the application object, taking over its reference.
void SetApplicationObject(ObjectInstance* application);

// The code of the application object's handler for the event; 0 for none.
uint32_t ApplicationHandler(ApplicationEvent event);

extern "C" {
// The application's NewDocument and OpenDocument methods: they deliver the
// events of the same names when the application class handles them.
void ApplicationNewDocument(ObjectInstance* application);
void ApplicationOpenDocument(ObjectInstance* application, ObjectInstance* item);
}
