// The user-interface state and its reset between images.
#include "uistate.h"
#include "menubar.h"
#include "windowlist.h"
#include "uistartup.h"

UserInterfaceState gUI;

void ResetUserInterface() {
    DiscardAllWindows();
    DiscardMenuBar();
    if (gUI.frame) DestroyWindow(gUI.frame);
    FreeClosedWindows();
    gUI = UserInterfaceState{};
}
