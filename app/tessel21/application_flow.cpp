// The image entry routine and the event handlers: the path from the splash
// window through reading the files to the main window, the saves, and the
// farewell window that ends the program.
#include "readers.h"
#include "subset_writer.h"
#include "window_descriptions.h"

namespace tessel21 {

extern "C" {

int ImageMain() {
    Win32InstallPlugins(tessel_stored_plugins);
    RuntimeInit(ClassList);
    // the window stays open through its implicit-instance slot
    Obj splash(RuntimeCreateWindow(splashDescription, &splashInstance, 0));
    return RuntimeRun();
}

void AppEnableMenuItems(Object*) {
    Obj viewer(RuntimeMenuReference(TS("WindowsAirportViewer")));
    if (viewer) RuntimeEnableMenu(viewer);
}

bool SplashMouseDown(Object* splash, int, int) {
    RuntimeCloseWindow(splash);
    Obj start(RuntimeCreateWindow(initWinDescription, nullptr, 0));
    return false;
}

void init(InitWin*) {
    Obj folder(RuntimeGetFolderItem(nullptr));
    Store(glob()->appFolder, folder);
}

void InitWinOpen(InitWin* window) {
    Object* self = reinterpret_cast<Object*>(window);
    init(window);
    getAptData(window);
    formRefresh(self);
    getNavData(window);
    formRefresh(self);
    getFixDat(window);
    formRefresh(self);
    if (!window->aptOK || !window->navOK) {
        RuntimeMsgBox(TS("Could not read all the required data. Double check the file locations "
                         "and the data file versions"));
        ApplicationQuit();
        return;
    }
    Obj main(RuntimeCreateWindow(tesselDescription, nullptr, 0));
    Store(glob()->mainWindow, main);
}

void TheButtAction(Object* button) {
    Obj window = WindowOf(button);
    InitWin* start = window.As<InitWin>();
    if (!start->aptOK || !start->navOK) return;
    RuntimeCloseWindow(window);
    WindowVisibleSetter(glob()->mainWindow, 0, 1);
}

void SaveSubsetAction(Object* button) {
    Obj window = WindowOf(button);
    saveApt(window);
    saveNavDat(window);
    saveFixDat(window);
    // Return now presses "Done"
    pushButtonDefaultSetter(button, 0, 0);
    pushButtonDefaultSetter(Control(window, TS("PushButton2")), 0, 1);
}

void DoneAction(Object*) { Obj farewell(RuntimeCreateWindow(logoutWinDescription, nullptr, 0)); }

void FarewellTimerAction(Object*) { ApplicationQuit(); }

bool LogoutWinMouseDown(Object* window, int, int) {
    timerModeSetter(Control(window, TS("Timer1")), 0, 0);
    ApplicationQuit();
    return false;
}

} // extern "C"

} // namespace tessel21
