// The user interface's share of the initialisation.
#include "uistartup.h"
#include "controlbase.h"
#include "controlclasses.h"
#include "graphics.h"
#include "menuitems.h"
#include "windowevents.h"
#include "windowprocedure.h"
#include "core/image.h"

namespace {

constexpr int kProgramIcon = 102;

void RegisterClass(const char* name, WNDPROC procedure, HICON icon, HCURSOR cursor, HBRUSH background) {
    WNDCLASSA cls{};
    cls.style = CS_HREDRAW | CS_VREDRAW;
    cls.lpfnWndProc = procedure;
    cls.cbWndExtra = sizeof(void*);
    cls.hInstance = gInstance;
    cls.hIcon = icon;
    cls.hCursor = cursor;
    cls.hbrBackground = background;
    cls.lpszClassName = name;
    RegisterClassA(&cls);
}

} // namespace

void RegisterRuntimeWindowClasses() {
    HICON icon = LoadIconA(gInstance, MAKEINTRESOURCEA(kProgramIcon));
    RegisterClass("OBWindow", &RuntimeWindowProcedure, icon, nullptr, nullptr);
    RegisterClass("OB_Pane", &DrawnPaneProcedure, nullptr, nullptr, nullptr);
    // The classes of multiple-document mode; registering them costs nothing
    // when the application runs without a frame.
    RegisterClass("OB_MDIFRAME", &FrameWindowProcedure, icon, LoadCursorA(nullptr, IDC_ARROW),
                  reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(13)));
    RegisterClass("OB_MDICHILD", &RuntimeWindowProcedure, nullptr, nullptr, nullptr);
}

void InitRuntimeFonts() {}

void RegisterUserInterfaceClasses() {
    RegisterWindowClass();
    RegisterControlBaseClasses();
    RegisterMenuItemClasses();
    RegisterGraphicsClass();
    RegisterControlClasses();
}

void SetDefaultControlFonts() {}
