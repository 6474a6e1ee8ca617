// The control-related entry points that plug-ins call: geometry, state,
// drawing and the window of a plug-in control instance.
#include "pluginpane.h"
#include "core/objects.h"
#include "ui/controlbase.h"
#include "ui/controlshortcuts.h"
#include "ui/graphics.h"
#include "ui/mnemonics.h"
#include "ui/pane.h"
#include "ui/picture.h"
#include <cstring>

extern "C" void ControlVisibleSetter(ObjectInstance* control, uint32_t, bool visible);

extern "C" {

void GetControlBounds(ObjectInstance* instance, Bounds* bounds) {
    if (instance && bounds) *bounds = AsRectControl(instance)->bounds;
}

void PluginGetControlBounds(ObjectInstance* instance, Bounds* bounds) { GetControlBounds(instance, bounds); }

bool GetControlVisible(ObjectInstance* instance) { return instance && AsRectControl(instance)->visible; }

void SetControlVisible(ObjectInstance* instance, bool visible) {
    if (instance) ControlVisibleSetter(instance, 0, visible);
}

ObjectInstance* OPALGetControlGraphics(ObjectInstance* instance) {
    HDC dc = instance ? PluginPaneSurface(instance) : nullptr;
    if (!dc) return nullptr;
    const Bounds& b = AsRectControl(instance)->bounds;
    return NewGraphics(dc, b.Width(), b.Height());
}

HWND GetControlHWND(ObjectInstance* instance) {
    if (!instance) return nullptr;
    if (Pane* pane = AsControl(instance)->pane) return pane->hwnd();
    RuntimeWindow* window = AsControl(instance)->runtimeWindow;
    return window ? window->hwnd : nullptr;
}

void OPALInvalidateControl(ObjectInstance* instance) {
    if (Pane* pane = instance ? AsControl(instance)->pane : nullptr) pane->Invalidate();
}

// The rectangle is left, top, right, bottom in the window's client
// coordinates.
void OPALInvalidateControlRect(ObjectInstance* instance, int32_t left, int32_t top, int32_t right,
                               int32_t bottom) {
    Pane* pane = instance ? AsControl(instance)->pane : nullptr;
    if (!pane || !pane->hwnd()) return;
    const Bounds& b = pane->bounds();
    RECT area = {left - b.left, top - b.top, right - b.left, bottom - b.top};
    InvalidateRect(pane->hwnd(), &area, TRUE);
}

// The colour behind the control: its window's background colour when it has
// one, else the system's face colour; white without a pane.
void OPALSetSpecialBackground(ObjectInstance* instance, uint32_t* colour) {
    if (!colour) return;
    *colour = 0xFFFFFF;
    if (!instance || !AsControl(instance)->pane) return;
    RuntimeWindow* window = AsControl(instance)->runtimeWindow;
    COLORREF behind = window && window->hasBackColor ? window->backColor : GetSysColor(COLOR_BTNFACE);
    *colour = (GetRValue(behind) << 16) | (GetGValue(behind) << 8) | GetBValue(behind);
}

ObjectInstance* getControlWindow(ObjectInstance* instance) {
    return instance ? AsControl(instance)->window : nullptr;
}

// The caption's mnemonic becomes the control's Alt shortcut, in place of
// the one it had; a caption without one changes nothing.
void OPALSetAccelerator(ObjectInstance* instance, StringObject* caption) {
    Pane* pane = instance ? AsControl(instance)->pane : nullptr;
    if (pane && MnemonicOf(caption)) RegisterMnemonic(pane, caption, ShortcutKind::Button);
}

// A picture description: words 2 and 3 are the width and height in pixels.
void lockPictureDescription(ObjectInstance* picture, uint32_t* description) {
    if (!description) return;
    memset(description, 0, 16);
    int width = 0, height = 0;
    if (picture && PictureSize(picture, &width, &height)) {
        description[2] = static_cast<uint32_t>(width);
        description[3] = static_cast<uint32_t>(height);
    }
}

// Pictures keep no drawing data that a hold or a cache would pin.
void unlockPictureDescription(ObjectInstance*) {}
void OPALPictureClearCache(ObjectInstance*) {}

void drawPicturePrimitive(HDC dc, ObjectInstance* picture, const Bounds* rect, int32_t) {
    if (dc && picture && rect) DrawPicture(dc, picture, rect->left, rect->top, rect->Width(), rect->Height());
}

}
