// LittleArrows: an up/down spin control. A click fires Up or Down at once;
// holding the half pressed repeats the event from the drag callbacks, no
// sooner than 400 ms after the click and at most once every 15 ms.
#include "controls.h"
#include "drawing.h"
#include "runtime.h"
#include "themesupport.h"

using namespace plugin;

namespace apctl {

namespace {

struct ArrowsData {
    uint32_t unused;
    int32_t pressedPart;     // 4
    int32_t drawnPressed;    // 8: the part last drawn pressed
    uint32_t clickTime;      // 12: GetTickCount() / 16
    uint8_t hotPart;         // 16
};

constexpr uint32_t kRepeatDelayUnits = 25;   // of 16 ms: 400 ms
constexpr DWORD kRepeatInterval = 15;

ControlDefinition definition;
SharedTheme spinTheme(L"Spin");
EventDefinition events[] = {{"Up", nullptr}, {"Down", nullptr}};
DWORD lastRepeat[3];   // per direction

ArrowsData* Data(Instance* instance) {
    return reinterpret_cast<ArrowsData*>(static_cast<char*>(instance) + definition.dataOffset);
}

void Draw(Instance* instance, void* graphics, int pressedPart) {
    ControlDrawing drawing(instance, graphics);
    if (!drawing.dc()) return;
    ArrowsData* data = Data(instance);
    LittleArrowsLook look = {ControlEnabled(instance), pressedPart, data->hotPart};
    DrawLittleArrows(drawing.dc(), ControlRect(instance), look, spinTheme.painter());
    data->drawnPressed = pressedPart;
}

void Fire(Instance* instance, int part) { FireEvent(instance, events[part == kUpPart ? 0 : 1]); }

void Construct(Instance* instance) {
    Data(instance)->hotPart = 0;
    spinTheme.Acquire();
}
void Destruct(Instance*) { spinTheme.Release(); }
void Redraw(Instance* instance, void* graphics) { Draw(instance, graphics, Data(instance)->pressedPart); }

bool Click(Instance* instance, int x, int y, int) {
    if (!ControlEnabled(instance)) return false;
    int part = LittleArrowsPartAt(ControlRect(instance), x, y);
    if (part == kNoPart) return false;
    ArrowsData* data = Data(instance);
    data->clickTime = GetTickCount() / 16;
    Fire(instance, part);
    data->pressedPart = part;
    Draw(instance, nullptr, part);
    return true;
}

void Drag(Instance* instance, int x, int y) {
    ArrowsData* data = Data(instance);
    int part = x < 0 || y < 0 ? kNoPart : LittleArrowsPartAt(ControlRect(instance), x, y);
    if (part != kNoPart && part == data->pressedPart) {
        if (data->drawnPressed != part) Draw(instance, nullptr, part);
        DWORD now = GetTickCount();
        if (now / 16 - data->clickTime > kRepeatDelayUnits && now - lastRepeat[part] >= kRepeatInterval) {
            lastRepeat[part] = now;
            Fire(instance, part);
        }
    } else if (data->drawnPressed != kNoPart) {
        Draw(instance, nullptr, kNoPart);
    }
}

void Release(Instance* instance, int, int) {
    Data(instance)->pressedPart = kNoPart;
    Draw(instance, nullptr, kNoPart);
}

void SetHot(Instance* instance, int part) {
    if (!spinTheme.painter().themed()) return;
    Data(instance)->hotPart = static_cast<uint8_t>(part);
    Draw(instance, nullptr, Data(instance)->pressedPart);
}
void Exit(Instance* instance) { SetHot(instance, kNoPart); }
void Move(Instance* instance, int x, int y) { SetHot(instance, LittleArrowsPartAt(ControlRect(instance), x, y)); }

void* const kBehaviour[25] = {Code(Construct), Code(Destruct), Code(Redraw), Code(Click), Code(Drag),
                              Code(Release), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                              Code(Redraw), nullptr, nullptr, nullptr, nullptr, Code(Exit), Code(Move)};

} // namespace

void RegisterLittleArrows() {
    definition = ControlDefinition{5, "LittleArrows", 20, 16, 176, 177, 13, 23, nullptr, 0, nullptr, 0,
                                   events, 2, kBehaviour, 0, nullptr, 0, nullptr, nullptr, 0};
    RegisterControl(&definition);
}

} // namespace apctl
