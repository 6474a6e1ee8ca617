// DisclosureTriangle: flips between closed and open when a press that
// stayed (or came back) inside is released.
#include "controls.h"
#include "drawing.h"
#include "runtime.h"

using namespace plugin;

namespace apctl {

namespace {

struct TriangleData {
    uint32_t unused;
    uint8_t value;      // 4
    uint8_t unused5[3];
    int32_t facing;     // 8
    uint32_t unused12;
    uint8_t pressed;    // 16
};

ControlDefinition definition;
EventDefinition events[] = {{"Action", nullptr}};

TriangleData* Data(Instance* instance) {
    return reinterpret_cast<TriangleData*>(static_cast<char*>(instance) + definition.dataOffset);
}

bool Inside(const RECT& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

void Draw(Instance* instance, void* graphics) {
    ControlDrawing drawing(instance, graphics);
    if (!drawing.dc()) return;
    TriangleData* data = Data(instance);
    DisclosureLook look = {data->facing, data->value != 0, ControlEnabled(instance), data->pressed != 0};
    DrawDisclosureTriangle(drawing.dc(), ControlRect(instance), look);
}

void Construct(Instance* instance) { Data(instance)->pressed = 0; }
void Redraw(Instance* instance, void* graphics) { Draw(instance, graphics); }

bool Click(Instance* instance, int x, int y, int) {
    if (!ControlEnabled(instance)) return true;
    if (!Inside(ControlRect(instance), x, y)) return false;
    Data(instance)->pressed = 1;
    Draw(instance, nullptr);
    return true;
}

void Drag(Instance* instance, int x, int y) {
    if (!ControlEnabled(instance)) return;
    TriangleData* data = Data(instance);
    bool inside = Inside(ControlRect(instance), x, y);
    if (inside != (data->pressed != 0)) {
        data->pressed = inside;
        Draw(instance, nullptr);
    }
}

void Release(Instance* instance, int, int) {
    if (!ControlEnabled(instance)) return;
    TriangleData* data = Data(instance);
    if (!data->pressed) return;
    data->value = !data->value;
    data->pressed = 0;
    InvalidateControl(instance);
    FireEvent(instance, events[0]);
}

void ValueSetter(Instance* instance, int, bool value) {
    Data(instance)->value = value;
    InvalidateControl(instance);
}

const char* const kFacingTexts[] = {"=#497", "=#498"};
const PropertyDefinition kProperties[] = {
    {"Initial State", "Value", "Boolean", 0, kDirect, Code(ValueSetter), 4, 0, 0, nullptr},
    {"Appearance", "Facing", "Integer", 1, kDirect, kDirect, 8, 0, 2, kFacingTexts}};

void* const kBehaviour[25] = {Code(Construct), nullptr, Code(Redraw), Code(Click), Code(Drag),
                              Code(Release), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                              Code(Redraw)};

} // namespace

void RegisterDisclosureTriangle() {
    definition = ControlDefinition{5, "DisclosureTriangle", 20, 0, 174, 175, 12, 12, kProperties, 2,
                                   nullptr, 0, events, 1, kBehaviour, 0, nullptr, 0, nullptr, nullptr, 0};
    RegisterControl(&definition);
}

} // namespace apctl
