// Plug-in panes. Mouse and key slots are called with a reference held on
// the instance, so that application code they run cannot free it; a slot
// that closed its control counts as handled and starts no tracking.
#include "pluginpane.h"
#include "pluginclasses.h"
#include "plugincontrols.h"
#include "core/objects.h"
#include "core/periodictasks.h"
#include "ui/controlbase.h"
#include "ui/drawnpane.h"
#include "ui/graphics.h"

namespace {

constexpr uint32_t kIdlePeriod = 10;
constexpr uint32_t kAcceptsFocus = 1;
enum { kSlotMouseEnter = 16, kSlotMouseExit = 17, kSlotMouseMove = 18 };

class PluginPane;

// The idle task and the pane it belongs to.
struct IdleTask {
    PeriodicTask task;
    PluginPane* pane;
};

class PluginPane : public DrawnPane {
public:
    PluginPane(ObjectInstance* control, const PluginClass* cls)
        : DrawnPane(control, AsControl(control)->runtimeWindow, AsRectControl(control)->bounds),
          cls_(cls) {
        idle_.task.next = nullptr;
        idle_.task.period = kIdlePeriod;
        idle_.task.run = RunIdle;
        idle_.pane = this;
    }

    void Open() {
        CreateDrawnPaneWindow(this, WS_EX_TRANSPARENT);
        if (Slot(kSlotIdle)) {
            AddPeriodicTask(&idle_.task);
            idleAdded_ = true;
        }
        if (auto open = reinterpret_cast<void (*)(ObjectInstance*)>(Slot(kSlotOpen))) open(control_);
    }

    void Forget() { instance_ = false; }

    void Paint(HDC dc) override {
        auto redraw = reinterpret_cast<void (*)(ObjectInstance*, ObjectInstance*)>(Slot(kSlotRedraw));
        if (!redraw || !visible || !instance_) return;
        RectControlFields* fields = AsRectControl(control_);
        uint8_t enabled = fields->enabled;
        // The controls of a window that is not the active one draw as disabled.
        if (!active || (window_ && !window_->active)) fields->enabled = 0;
        ObjectRef graphics(NewGraphics(dc, bounds_.Width(), bounds_.Height()));
        redraw(control_, graphics.get());
        DetachGraphics(graphics.get());
        fields->enabled = enabled;
    }

    bool MouseDown(int x, int y, bool) override {
        bool handled = false;
        bool closed = Call<bool (*)(ObjectInstance*, int, int, int)>(kSlotMouseDown, &handled, x, y, 0);
        return handled && !closed;
    }
    void MouseDrag(int x, int y) override { CallVoid<void (*)(ObjectInstance*, int, int)>(kSlotMouseDrag, x, y); }
    void MouseUp(int x, int y) override { CallVoid<void (*)(ObjectInstance*, int, int)>(kSlotMouseUp, x, y); }
    void MouseEnter() override { CallVoid<void (*)(ObjectInstance*)>(kSlotMouseEnter); }
    void MouseExit() override { CallVoid<void (*)(ObjectInstance*)>(kSlotMouseExit); }
    void MouseMove(int x, int y) override { CallVoid<void (*)(ObjectInstance*, int, int)>(kSlotMouseMove, x, y); }

    void FocusChanged(bool gained) override {
        if (!(cls_->definition[3] & kAcceptsFocus)) return;
        if (auto slot = reinterpret_cast<void (*)(ObjectInstance*)>(Slot(gained ? kSlotGotFocus : kSlotLostFocus)))
            slot(control_);
    }

    void Close() override {
        if (idleAdded_) RemovePeriodicTask(&idle_.task);
        idleAdded_ = false;
        if (instance_)
            if (auto close = reinterpret_cast<void (*)(ObjectInstance*)>(Slot(kSlotClose))) close(control_);
        if (surface_) ReleaseDC(hwnd_, surface_);
        surface_ = nullptr;
        DrawnPane::Close();
    }

    // A device context in the window's client coordinates, kept until the
    // pane closes.
    HDC Surface() {
        if (!surface_ && hwnd_) {
            surface_ = GetDC(hwnd_);
            SetViewportOrgEx(surface_, -bounds_.left, -bounds_.top, nullptr);
        }
        return surface_;
    }

private:
    void* Slot(int slot) const { return cls_->behaviour ? cls_->behaviour[slot] : nullptr; }

    // Calls a slot with a reference on the instance; true when the call
    // closed the control (the instance went or its pane is closing).
    template <typename F, typename... A>
    bool Call(int slot, bool* result, A... arguments) {
        F routine = reinterpret_cast<F>(Slot(slot));
        if (!routine || !instance_) return false;
        ObjectInstance* instance = control_;
        LockObject(instance);
        bool answer = routine(instance, arguments...);
        bool closed = closing || !instance_ || instance->refs <= 1;
        UnlockObject(instance);
        if (result) *result = answer;
        return closed;
    }

    template <typename F, typename... A>
    void CallVoid(int slot, A... arguments) {
        F routine = reinterpret_cast<F>(Slot(slot));
        if (!routine || !instance_) return;
        ObjectInstance* instance = control_;
        LockObject(instance);
        routine(instance, arguments...);
        UnlockObject(instance);
    }

    static void RunIdle(PeriodicTask* task) {
        PluginPane* pane = reinterpret_cast<IdleTask*>(task)->pane;
        if (!pane->instance_ || pane->closing) return;
        reinterpret_cast<void (*)(ObjectInstance*)>(pane->Slot(kSlotIdle))(pane->control_);
    }

    const PluginClass* cls_;
    bool instance_ = true;
    IdleTask idle_;
    bool idleAdded_ = false;
    HDC surface_ = nullptr;
};

} // namespace

void CreatePluginPane(ObjectInstance* control) {
    const PluginClass* cls = PluginControlOf(control);
    RectControlFields* fields = AsRectControl(control);
    if (!cls || !fields->control.runtimeWindow) return;
    PluginPane* pane = new PluginPane(control, cls);
    AddPane(fields->control.runtimeWindow, pane);
    fields->control.pane = pane;
    pane->Open();
}

void DestroyPluginPane(ObjectInstance* control) {
    ControlFields* fields = AsControl(control);
    Pane* pane = fields->pane;
    if (!pane || pane->closing) return;
    fields->pane = nullptr;
    RemovePane(fields->runtimeWindow, pane);
    pane->Close();
    delete pane;
}

void ForgetPaneInstance(ObjectInstance* control) {
    if (Pane* pane = AsControl(control)->pane) static_cast<PluginPane*>(pane)->Forget();
}

HDC PluginPaneSurface(ObjectInstance* control) {
    Pane* pane = AsControl(control)->pane;
    return pane ? static_cast<PluginPane*>(pane)->Surface() : nullptr;
}
