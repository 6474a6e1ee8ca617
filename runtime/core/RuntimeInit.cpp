// RuntimeInit: what the image's entry routine calls, with the image's class
// list, before it creates its first window. The class list holds the class
// count, that many class entries, the project item count and that many
// project items.
//
// The runtime's built-in classes are registered once; an image's classes,
// project objects and application object replace those of an image loaded
// before it in the same process.
#include "objects.h"
#include "applicationclass.h"
#include "commandline.h"
#include "compiledcalls.h"
#include "image.h"
#include "projectitems.h"
#include "settings.h"
#include "string.h"
#include "win32exception.h"
#include "files/fileclasses.h"
#include "plugins/install.h"
#include "ui/uistartup.h"
#include <ole2.h>

namespace {

// The window classes, OLE, the fonts, the built-in classes, the stored
// plug-ins and the default fonts.
void InitializeRuntimeServices() {
    static bool initialized;
    if (initialized) return;
    initialized = true;
    RegisterRuntimeWindowClasses();
    OleInitialize(nullptr);
    InitRuntimeFonts();
    RegisterApplicationClass();
    RegisterExceptionClasses();
    RegisterProjectItemClasses();
    RegisterUserInterfaceClasses();
    RegisterFileClasses();
    InstallStoredPlugins();
    SetDefaultControlFonts();
}

void ProcessProjectItemsOf(const uint32_t* classList) {
    ResetSettings();
    if (!classList) return ProcessProjectItems(nullptr, 0);
    const uint32_t* projectList = classList + 1 + classList[0];
    ProcessProjectItems(reinterpret_cast<const uint32_t* const*>(projectList + 1),
                        static_cast<int32_t>(projectList[0]));
}

// Delivers OpenDocument once per command-line item, with one folder item
// whose path is set to each item's text in turn. False when no call was made.
bool OpenCommandLineDocuments(ObjectInstance* application) {
    uint32_t handler = ApplicationHandler(ApplicationEvent::OpenDocument);
    const char* cursor = gCommandLine ? gCommandLine : "";
    const char* text;
    uint32_t length;
    if (!handler || !NextCommandLineItem(&cursor, &text, &length)) return false;
    ObjectRef item(NewFolderItem());
    do {
        StringRef path(NewString(text, length));
        SetFolderItemPath(item.get(), path.get());
        CallCompiled(handler, application, item.get());
    } while (NextCommandLineItem(&cursor, &text, &length));
    return true;
}

void StartApplication(ClassRecord* applicationClass) {
    ObjectInstance* application = NewInstance(applicationClass ? applicationClass : ApplicationClass());
    SetApplicationObject(application);
    if (uint32_t open = ApplicationHandler(ApplicationEvent::Open)) CallCompiled(open, application);
    if (OpenCommandLineDocuments(application)) return;
    if (uint32_t newDocument = ApplicationHandler(ApplicationEvent::NewDocument))
        CallCompiled(newDocument, application);
}

} // namespace

extern "C" void RuntimeInit(const uint32_t* classList) {
    InitializeRuntimeServices();
    SetStackLimit(reinterpret_cast<uintptr_t>(__builtin_frame_address(0)) - kStackAllowance);
    ResolveDeferredLinks();
    BuildClassTable(classList);
    ResetUserInterface();
    ClassRecord* applicationClass = FindDescendantClass(ApplicationClass());
    ProcessProjectItemsOf(classList);
    bool framed = RunsInMdiMode();
    if (framed) CreateFrameWindow(ApplicationName());
    StartApplication(applicationClass);
    if (framed) ShowFrameWindow();
}
