// Canvases. A canvas whose class draws nothing (no Paint handler) is made
// with WS_EX_TRANSPARENT so the window shows through it. Its Graphics draws
// in the canvas's own coordinates, 0, 0 at its top-left.
#include "canvas.h"
#include "classbuilding.h"
#include "controlbase.h"
#include "controlevents.h"
#include "controlfields.h"
#include "drawnpane.h"
#include "graphics.h"
#include "picture.h"

namespace {

ClassRecord* canvasClass;
struct {
    const EventDeclaration *paint, *mouseDown, *mouseDrag, *mouseUp;
} events;

CanvasFields* Fields(ObjectInstance* canvas) { return FieldsOf<CanvasFields>(canvas); }

class CanvasPane : public DrawnPane {
public:
    explicit CanvasPane(ObjectInstance* canvas)
        : DrawnPane(canvas, AsControl(canvas)->runtimeWindow, AsRectControl(canvas)->bounds) {}

    void Paint(HDC dc) override {
        if (!visible) return;
        if (ObjectInstance* backdrop = Fields(control_)->backdrop)
            DrawPicture(dc, backdrop, bounds_.left, bounds_.top, bounds_.Width(), bounds_.Height());
        if (!FindEventHandler(control_, events.paint)) return;
        POINT origin;
        SetViewportOrgEx(dc, 0, 0, &origin);         // the canvas's own coordinates
        EventGuard hold(control_);
        ObjectRef graphics(NewGraphics(dc, bounds_.Width(), bounds_.Height()));
        FireEvent(control_, events.paint, graphics.get());
        DetachGraphics(graphics.get());
        SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    }

    bool MouseDown(int x, int y, bool) override {
        if (!AsRectControl(control_)->enabled) return false;
        EventGuard hold(control_);
        return AskEvent(control_, events.mouseDown, x - bounds_.left, y - bounds_.top);
    }
    void MouseDrag(int x, int y) override {
        EventGuard hold(control_);
        FireEvent(control_, events.mouseDrag, x - bounds_.left, y - bounds_.top);
    }
    void MouseUp(int x, int y) override {
        EventGuard hold(control_);
        FireEvent(control_, events.mouseUp, x - bounds_.left, y - bounds_.top);
    }

    // The Graphics that compiled code asks for outside a paint, made once.
    ObjectInstance* CachedGraphics() {
        CanvasFields* fields = Fields(control_);
        if (!fields->graphics && hwnd_) {
            surface_ = GetDC(hwnd_);
            fields->graphics = NewGraphics(surface_, bounds_.Width(), bounds_.Height());
        }
        return fields->graphics;
    }

    void Close() override {
        CanvasFields* fields = Fields(control_);
        if (ObjectInstance* graphics = fields->graphics) {
            fields->graphics = nullptr;
            DetachGraphics(graphics);
            UnlockObject(graphics);
        }
        if (surface_) ReleaseDC(hwnd_, surface_);
        surface_ = nullptr;
        DrawnPane::Close();
    }

private:
    HDC surface_ = nullptr;
};

CanvasPane* PaneOf(ObjectInstance* canvas) { return static_cast<CanvasPane*>(AsControl(canvas)->pane); }

void CreateCanvasPane(ObjectInstance* canvas) {
    CanvasFields* fields = Fields(canvas);
    RuntimeWindow* window = fields->rect.control.runtimeWindow;
    if (!window || fields->rect.control.pane) return;
    CanvasPane* pane = new CanvasPane(canvas);
    DWORD extended = FindEventHandler(canvas, events.paint) ? 0 : WS_EX_TRANSPARENT;
    if (!CreateDrawnPaneWindow(pane, extended)) {
        delete pane;
        return;
    }
    AddPane(window, pane);
    fields->rect.control.pane = pane;
    if (!fields->rect.visible) pane->ChangeState(Pane::kHide);
}

void DestroyCanvas(ObjectInstance* canvas, ClassRecord*) {
    CanvasFields* fields = Fields(canvas);
    UnlockObject(fields->backdrop);
    UnlockObject(fields->graphics);
    fields->backdrop = fields->graphics = nullptr;
}

} // namespace

extern "C" {

ObjectInstance* canvasGraphicsGetter(ObjectInstance* canvas, uint32_t) {
    CanvasPane* pane = PaneOf(canvas);
    ObjectInstance* graphics = pane ? pane->CachedGraphics() : nullptr;
    LockObject(graphics);
    return graphics;
}

void canvasBackdropSetter(ObjectInstance* canvas, uint32_t, ObjectInstance* picture) {
    CanvasFields* fields = Fields(canvas);
    LockObject(picture);
    UnlockObject(fields->backdrop);
    fields->backdrop = picture;
    if (CanvasPane* pane = PaneOf(canvas)) pane->Invalidate();
}

} // extern "C"

void RegisterCanvasClass() {
    if (canvasClass) return;
    canvasClass = RegisterBuiltinClass("Canvas", RectControlClass(), sizeof(CanvasFields), nullptr,
                                       &DestroyCanvas);
    events.paint = DeclareEvent(canvasClass, "Paint");
    events.mouseDown = DeclareEvent(canvasClass, "MouseDown");
    events.mouseDrag = DeclareEvent(canvasClass, "MouseDrag");
    events.mouseUp = DeclareEvent(canvasClass, "MouseUp");
    AddBuiltinHandler(canvasClass, "CreatePane", &CreateCanvasPane);
    AddClassProperties(canvasClass, {
        {"Graphics", PropertyType::Object, &canvasGraphicsGetter, nullptr, 0, FindBuiltinClass("Graphics")},
        {"Backdrop", PropertyType::Object, RoutineAddress(FieldGetterFor(PropertyType::Object)),
         &canvasBackdropSetter, offsetof(CanvasFields, backdrop), FindBuiltinClass("Picture")},
    });
}

ClassRecord* CanvasClass() { return canvasClass; }
