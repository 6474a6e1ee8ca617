// Windows: the built-in class "Window" whose objects compiled code holds, and
// the runtime window, the native side that the runtime creates and owns for
// each of them. Compiled code reads and writes the Window object's fields at
// the fixed offsets below; the runtime window is the runtime's own record.
#pragma once
#include "core/objects.h"
#include <windows.h>
#include <cstdint>

struct StringMap;
class Pane;

// Bounds of windows and controls: four signed 16-bit values.
struct Bounds {
    int16_t top, left, bottom, right;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};
inline bool operator==(const Bounds& a, const Bounds& b) {
    return a.top == b.top && a.left == b.left && a.bottom == b.bottom && a.right == b.right;
}
inline bool operator!=(const Bounds& a, const Bounds& b) { return !(a == b); }

struct RuntimeWindow;

// The Window object: class "Window", 120 bytes, no superclass.
struct WindowFields {
    ObjectInstance header;
    uint8_t visible;               // 24
    uint8_t closeBox;              // 25
    uint8_t growIcon;              // 26
    uint8_t zoomIcon;              // 27
    RuntimeWindow* runtimeWindow;  // 28: null before creation and after destruction
    uint32_t reserved32;           // 32
    Bounds bounds;                 // 36: content area, screen (or MDI client) coordinates
    Bounds lastResize;             // 44: the reference of the control locks
    Bounds creation;               // 52
    StringObject* title;           // 60
    ObjectInstance* backdrop;      // 64: a Picture
    uint32_t reserved68;           // 68
    int32_t frame;                 // 72: the window kind
    int32_t placement;             // 76
    uint32_t backColor;            // 80: 0xRRGGBB
    int16_t minWidth;              // 84
    int16_t minHeight;             // 86
    int16_t maxWidth;              // 88
    int16_t maxHeight;             // 90
    ObjectInstance* mouseCursor;   // 92
    StringObject* balloonHelp;     // 96
    uint8_t hasBackColor;          // 100
    uint8_t menuBarVisible;        // 101
    uint8_t fullScreen;            // 102
    uint8_t reserved103;
    StringObject* floaterProcess;  // 104
    int32_t macProcId;             // 108
    StringMap* controls;           // 112: control name -> control object
    struct ControlRecord* controlRecords;  // 116: kept for control-array cloning
};
static_assert(offsetof(WindowFields, runtimeWindow) == 28, "Window field offsets");
static_assert(offsetof(WindowFields, bounds) == 36, "Window field offsets");
static_assert(offsetof(WindowFields, title) == 60, "Window field offsets");
static_assert(offsetof(WindowFields, frame) == 72, "Window field offsets");
static_assert(offsetof(WindowFields, minWidth) == 84, "Window field offsets");
static_assert(offsetof(WindowFields, hasBackColor) == 100, "Window field offsets");
static_assert(offsetof(WindowFields, controls) == 112, "Window field offsets");
static_assert(sizeof(WindowFields) == 120, "a Window object is 120 bytes");

inline WindowFields* AsWindow(ObjectInstance* object) {
    return reinterpret_cast<WindowFields*>(object);
}

// A control's stored name and value pairs, as the description gave them;
// the window keeps one record per control name.
struct ControlRecord {
    ControlRecord* next;
    StringObject* name;
    int32_t classIndex;
    int32_t pairCount;
    StringObject** pairs;          // name, value, name, value, ...
};

// A named tag of a runtime window.
struct WindowTag {
    WindowTag* next;
    const char* name;              // a literal of the runtime
    uint32_t value;
};

// The native side of a window.
struct RuntimeWindow {
    RuntimeWindow* nextWindow;     // the window list, newest first
    RuntimeWindow* nextView;       // the view-window list, newest first
    HWND hwnd;
    int32_t kind;                  // the Frame value
    Bounds content;                // the content bounds last applied to the native window
    bool wantsVisible;             // shown at the next loop iteration when set
    bool resizable;
    bool hasBackColor;
    COLORREF backColor;            // a COLORREF (0x00BBGGRR) ready for GDI
    bool closing;
    bool active;
    bool mdiChild;
    bool isMainWindow;             // outside MDI mode: carries the menu bar
    bool created;                  // its native window exists: size and move events count
    ObjectInstance* object;        // the Window object; one reference held
    ObjectInstance** slot;         // the implicit-instance slot, or null
    Pane* firstPane;               // the control panes, in creation order
    WindowTag* tags;
    StringObject* balloonHelp;
};

// The window lists.
RuntimeWindow* FirstRuntimeWindow();
RuntimeWindow* FirstViewWindow();
RuntimeWindow* RuntimeWindowOf(ObjectInstance* window);   // null when it has none
RuntimeWindow* RuntimeWindowFromHandle(HWND hwnd);        // OBWindow and MDI children
bool IsLiveRuntimeWindow(const RuntimeWindow* window);

// Tags. A window that belongs to a compiled Window object carries "RuntimeViewWindow".
void SetWindowTag(RuntimeWindow* window, const char* name, uint32_t value);
bool FindWindowTag(const RuntimeWindow* window, const char* name, uint32_t* value);
extern const char kViewWindowTag[];    // "RuntimeViewWindow"

// Control panes. A pane belongs to exactly one runtime window from the
// moment it is added until it is removed (when it closes).
void AddPane(RuntimeWindow* window, Pane* pane);
void RemovePane(RuntimeWindow* window, Pane* pane);
// The pane whose native window is hwnd; null when none of the window's is.
Pane* FindPane(const RuntimeWindow* window, HWND hwnd);
// The pane of a control object (the Control's pane field), null for none.
Pane* PaneOfControl(ObjectInstance* control);

// Colours: 0xRRGGBB as stored, to GDI's 0x00BBGGRR.
inline COLORREF ColorRefOf(uint32_t rgb) {
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

extern "C" {
ObjectInstance* RuntimeCreateWindow(const uint8_t* description, ObjectInstance** slot);
void RuntimeShowWindow(ObjectInstance* window);
void RuntimeHideWindow(ObjectInstance* window);
void RuntimeCloseWindow(ObjectInstance* window);
void RuntimeShowModal(ObjectInstance* window);
void formRefresh(ObjectInstance* window);
void formRefreshRect(ObjectInstance* window, int32_t left, int32_t top, int32_t width, int32_t height);
}
