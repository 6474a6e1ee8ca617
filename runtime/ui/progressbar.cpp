// Progress bars. The native control keeps 16 bits of the range; the runtime
// passes Value and Maximum on unclamped. The moving block is a drawn pane
// laid over the bar, stepped by a periodic task every 10 ticks.
#include "progressbar.h"
#include "classbuilding.h"
#include "controlbase.h"
#include "controlfields.h"
#include "nativepane.h"
#include "progressdrawing.h"
#include "core/periodictasks.h"
#include <commctrl.h>

namespace {

ClassRecord* progressBarClass;

ProgressBarFields* Fields(ObjectInstance* bar) { return FieldsOf<ProgressBarFields>(bar); }

class BlockPane;

class ProgressPane : public NativePane {
public:
    explicit ProgressPane(ObjectInstance* bar)
        : NativePane(bar, AsControl(bar)->runtimeWindow, AsRectControl(bar)->bounds) {}
    void SetRange(int32_t maximum);
    void SetPosition(int32_t value) { SendMessageA(hwnd_, PBM_SETPOS, WPARAM(value), 0); }
    void MoveTo(const Bounds& bounds) override;
    void Close() override;
    BlockPane* block = nullptr;
};

// The periodic task of a block pane, with the way back to its pane.
struct BlockTask {
    PeriodicTask task;
    BlockPane* pane;
};

class BlockPane : public Pane {
public:
    explicit BlockPane(ProgressPane* bar) : Pane(bar->control(), bar->window(), bar->bounds()), bar_(bar) {
        task_.task.period = 10;
        task_.task.run = &BlockPane::Step;
        task_.pane = this;
    }
    bool Start() {
        if (!CreateDrawnPaneWindow(this)) return false;
        SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        AddPeriodicTask(&task_.task);
        return true;
    }
    bool IsDrawn() override { return true; }
    bool MouseDown(int, int, bool) override { return false; }
    void Paint(HDC dc) override {
        RECT area = {bounds_.left, bounds_.top, bounds_.right, bounds_.bottom};   // window coordinates
        DrawProgressBlock(hwnd_, dc, area, position_);
    }
    void Close() override {
        RemovePeriodicTask(&task_.task);
        Pane::Close();
    }
    int position() const { return position_; }

private:
    // While the bar is hidden the block stops; its area is given back to the
    // window once.
    static void Step(PeriodicTask* task) {
        BlockPane* pane = reinterpret_cast<BlockTask*>(task)->pane;
        if (!pane->bar_->visible) {
            if (!pane->released_) pane->ReleaseArea();
            return;
        }
        pane->released_ = false;
        StepProgressBlock(pane->bar_->bounds().Width(), &pane->position_, &pane->forward_);
        pane->Invalidate();
        pane->UpdateNow();
    }
    void ReleaseArea() {
        released_ = true;
        const Bounds& b = bar_->bounds();
        RECT area = {b.left, b.top, b.right, b.bottom};
        InvalidateRect(ContentWindowOf(window_), &area, TRUE);
    }

    ProgressPane* bar_;
    BlockTask task_ = {};
    int position_ = 0;
    bool forward_ = true;
    bool released_ = false;
};

void StartBlock(ProgressPane* bar) {
    if (bar->block) return;
    BlockPane* block = new BlockPane(bar);
    if (!block->Start()) {
        delete block;
        return;
    }
    bar->block = block;
    bar->AddChild(block);
    AddPane(bar->window(), block);
    if (!bar->visible) block->ChangeState(Pane::kHide);
}

void StopBlock(ProgressPane* bar) {
    BlockPane* block = bar->block;
    if (!block) return;
    bar->block = nullptr;
    block->Close();
    RemovePane(block->window(), block);
    delete block;
}

void ProgressPane::SetRange(int32_t maximum) {
    SendMessageA(hwnd_, PBM_SETRANGE, 0, LPARAM(uint32_t(maximum) << 16));
    if (maximum > 0) StopBlock(this);
    else StartBlock(this);
}

void ProgressPane::MoveTo(const Bounds& bounds) {
    NativePane::MoveTo(bounds);
    if (block) block->MoveTo(bounds);
}

void ProgressPane::Close() {
    StopBlock(this);
    NativePane::Close();
}

ProgressPane* PaneOf(ObjectInstance* bar) { return static_cast<ProgressPane*>(AsControl(bar)->pane); }

void CreateProgressBarPane(ObjectInstance* bar) {
    ProgressBarFields* fields = Fields(bar);
    RuntimeWindow* window = fields->rect.control.runtimeWindow;
    if (!window || fields->rect.control.pane) return;
    ProgressPane* pane = new ProgressPane(bar);
    if (!pane->Create(PROGRESS_CLASSA, nullptr, 0)) {
        delete pane;
        return;
    }
    AddPane(window, pane);
    fields->rect.control.pane = pane;
    if (!fields->rect.visible) pane->ChangeState(Pane::kHide);
    pane->SetRange(fields->maximum);
    pane->SetPosition(fields->value);
}

} // namespace

extern "C" {

int32_t progressValueGetter(ObjectInstance* bar, uint32_t) { return Fields(bar)->value; }
void progressValueSetter(ObjectInstance* bar, uint32_t, int32_t value) {
    if (ProgressPane* pane = PaneOf(bar)) pane->SetPosition(value);
    Fields(bar)->value = value;
}

int32_t progressMaximumGetter(ObjectInstance* bar, uint32_t) { return Fields(bar)->maximum; }
void progressMaximumSetter(ObjectInstance* bar, uint32_t, int32_t maximum) {
    if (ProgressPane* pane = PaneOf(bar)) pane->SetRange(maximum);
    Fields(bar)->maximum = maximum;
}

} // extern "C"

// The block's position, for tests and drivers: -1 when the bar shows none.
int ProgressBlockPosition(ObjectInstance* bar) {
    ProgressPane* pane = PaneOf(bar);
    return pane && pane->block ? pane->block->position() : -1;
}

void RegisterProgressBarClass() {
    if (progressBarClass) return;
    progressBarClass = RegisterBuiltinClass("ProgressBar", RectControlClass(), sizeof(ProgressBarFields));
    AddBuiltinHandler(progressBarClass, "CreatePane", &CreateProgressBarPane);
    AddClassProperties(progressBarClass, {
        {"Value", PropertyType::Integer, &progressValueGetter, &progressValueSetter},
        {"Maximum", PropertyType::Integer, &progressMaximumGetter, &progressMaximumSetter},
    });
}

ClassRecord* ProgressBarClass() { return progressBarClass; }
