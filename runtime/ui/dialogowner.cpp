// The dialog owner: the window that owns modal windows, message boxes and
// file dialogs.
#include "dialogowner.h"
#include "uistate.h"
#include "windowlist.h"

HWND DialogOwner() {
    if (!ModalStackEmpty()) return NewestVisibleModal();
    if (gUI.mdiMode) return gUI.frame;
    for (RuntimeWindow* window = gUI.windows; window; window = window->nextWindow)
        if (window->object && AsWindow(window->object)->frame == 0) return window->hwnd;
    return nullptr;
}
