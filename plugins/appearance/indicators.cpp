// The controls that mostly show something: ChasingArrows, Placard,
// Separator, PopupArrow and ImageWell.
#include "controls.h"
#include "drawing.h"
#include "mouseevents.h"
#include "runtime.h"
#include "themesupport.h"

using namespace plugin;

namespace apctl {

namespace {

template <typename T>
T* DataOf(Instance* instance, const ControlDefinition& definition) {
    return reinterpret_cast<T*>(static_cast<char*>(instance) + definition.dataOffset);
}

// --- ChasingArrows ---

struct ChasingData {
    uint32_t unused;
    int32_t frame;     // 4
    int32_t hidden;    // 8
};
ControlDefinition chasingDefinition;

void ChasingRedraw(Instance* instance, void* graphics) {
    ControlDrawing drawing(instance, graphics);
    if (!drawing.dc()) return;
    DrawChasingArrowsFrame(drawing.dc(), ControlRect(instance),
                           DataOf<ChasingData>(instance, chasingDefinition)->frame,
                           SpecialBackground(instance));
}

void ChasingIdle(Instance* instance) {
    ChasingData* data = DataOf<ChasingData>(instance, chasingDefinition);
    if (!ControlVisible(instance)) {
        data->hidden = 1;
        return;
    }
    data->hidden = 0;
    data->frame = (data->frame + 1) % 8;
    ChasingRedraw(instance, nullptr);
}

void* const kChasingBehaviour[25] = {nullptr, nullptr, Code(ChasingRedraw), nullptr, nullptr,
                                     nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                     Code(ChasingIdle), Code(ChasingRedraw)};

// --- Placard ---

ControlDefinition placardDefinition;
MouseEvents placardEvents;
const PropertyDefinition kPlacardProperties[] = {
    {"Initial State", "Value", "Boolean", 1, kDirect, kDirect, 4, 0, 0, nullptr}};

void PlacardRedraw(Instance* instance, void* graphics) {
    ControlDrawing drawing(instance, graphics);
    if (!drawing.dc()) return;
    DrawPlacard(drawing.dc(), ControlRect(instance), ControlEnabled(instance),
                DataOf<uint8_t>(instance, placardDefinition)[4] != 0);
}
bool PlacardClick(Instance* instance, int x, int y, int) { return placardEvents.Down(instance, x, y); }
void PlacardDrag(Instance* instance, int x, int y) { placardEvents.Drag(instance, x, y); }
void PlacardUp(Instance* instance, int x, int y) { placardEvents.Up(instance, x, y); }

void* const kPlacardBehaviour[25] = {nullptr, nullptr, Code(PlacardRedraw), Code(PlacardClick),
                                     Code(PlacardDrag), Code(PlacardUp), nullptr, nullptr, nullptr,
                                     nullptr, nullptr, nullptr, Code(PlacardRedraw)};

// --- Separator ---

ControlDefinition separatorDefinition;
SharedTheme toolbarTheme(L"Toolbar");

void SeparatorConstruct(Instance*) { toolbarTheme.Acquire(); }
void SeparatorDestruct(Instance*) { toolbarTheme.Release(); }
void SeparatorRedraw(Instance* instance, void* graphics) {
    ControlDrawing drawing(instance, graphics);
    if (drawing.dc()) DrawSeparator(drawing.dc(), ControlRect(instance), toolbarTheme.painter());
}
void Nothing(Instance*, void*) {}

void* const kSeparatorBehaviour[25] = {Code(SeparatorConstruct), Code(SeparatorDestruct),
                                       Code(SeparatorRedraw), nullptr, nullptr, nullptr, nullptr,
                                       nullptr, nullptr, nullptr, nullptr, nullptr, Code(Nothing)};

// --- PopupArrow ---

ControlDefinition popupDefinition;
MouseEvents popupEvents;
const char* const kFacingTexts[] = {"=#499", "=#500", "=#501", "=#502", "=#503", "=#504", "=#505", "=#506"};
const PropertyDefinition kPopupProperties[] = {
    {"Appearance", "Facing", "Integer", 1, kDirect, kDirect, 4, 0, 8, kFacingTexts}};

void PopupRedraw(Instance* instance, void* graphics) {
    ControlDrawing drawing(instance, graphics);
    if (!drawing.dc()) return;
    RECT r = ControlRect(instance);
    DrawPopupArrowGlyph(drawing.dc(), DataOf<int32_t>(instance, popupDefinition)[1], r.left, r.top);
}
bool PopupClick(Instance* instance, int x, int y, int) { return popupEvents.Down(instance, x, y); }

void* const kPopupBehaviour[25] = {nullptr, nullptr, Code(PopupRedraw), Code(PopupClick), nullptr,
                                   nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                   Code(PopupRedraw)};

// --- ImageWell ---

struct WellData {
    uint32_t unused;
    uint32_t description[4];   // 4: width at 12, height at 16
    void* image;               // 20
};
ControlDefinition wellDefinition;
MouseEvents wellEvents;

void WellImageSetter(Instance* instance, int, void* picture) {
    WellData* data = DataOf<WellData>(instance, wellDefinition);
    ReplacePicture(&data->image, data->description, picture);
    InvalidateControl(instance);
}

void WellDestruct(Instance* instance) {
    WellData* data = DataOf<WellData>(instance, wellDefinition);
    ReplacePicture(&data->image, data->description, nullptr);
}

void WellRedraw(Instance* instance, void* graphics) {
    ControlDrawing drawing(instance, graphics);
    HDC dc = drawing.dc();
    if (!dc) return;
    RECT r = ControlRect(instance);
    DrawImageWellFrame(dc, r);
    WellData* data = DataOf<WellData>(instance, wellDefinition);
    if (!data->image) return;
    RECT well = ImageWellInside(r);
    HRGN saved = CreateRectRgn(0, 0, 0, 0);
    bool hadClip = GetClipRgn(dc, saved) == 1;
    HRGN clip = CreateRectRgn(well.left - r.left, well.top - r.top, well.right - r.left, well.bottom - r.top);
    SelectClipRgn(dc, clip);
    DeleteObject(clip);
    DrawPicture(dc, data->image,
                ImageWellPictureRect(r, static_cast<int>(data->description[2]),
                                     static_cast<int>(data->description[3])), 0);
    SelectClipRgn(dc, hadClip ? saved : nullptr);
    DeleteObject(saved);
}
bool WellClick(Instance* instance, int x, int y, int) { return wellEvents.Down(instance, x, y); }
void WellDrag(Instance* instance, int x, int y) { wellEvents.Drag(instance, x, y); }
void WellUp(Instance* instance, int x, int y) { wellEvents.Up(instance, x, y); }

const PropertyDefinition kWellProperties[] = {
    {"Appearance", "Image", "Picture", 1, kDirect, Code(WellImageSetter), 20, 0, 0, nullptr}};

void* const kWellBehaviour[25] = {nullptr, Code(WellDestruct), Code(WellRedraw), Code(WellClick),
                                  Code(WellDrag), Code(WellUp), nullptr, nullptr, nullptr, nullptr,
                                  nullptr, nullptr, Code(WellRedraw)};

ControlDefinition Definition(const char* name, uint32_t size, uint32_t flags, uint32_t picture,
                             uint32_t width, uint32_t height, const PropertyDefinition* properties,
                             uint32_t propertyCount, EventDefinition* events, uint32_t eventCount,
                             void* const* behaviour) {
    return ControlDefinition{5, name, size, flags, picture, picture + 1, width, height, properties,
                             propertyCount, nullptr, 0, events, eventCount, behaviour, 0, nullptr, 0,
                             nullptr, nullptr, 0};
}

} // namespace

void RegisterChasingArrows() {
    chasingDefinition = Definition("ChasingArrows", 12, 0, 178, 16, 16, nullptr, 0, nullptr, 0,
                                   kChasingBehaviour);
    RegisterControl(&chasingDefinition);
}

void RegisterPlacard() {
    placardDefinition = Definition("Placard", 8, 8 | 16, 186, 64, 64, kPlacardProperties, 1,
                                   placardEvents.events, 3, kPlacardBehaviour);
    RegisterControl(&placardDefinition);
}

void RegisterSeparator() {
    separatorDefinition = Definition("Separator", 4, 0, 180, 64, 4, nullptr, 0, nullptr, 0,
                                     kSeparatorBehaviour);
    RegisterControl(&separatorDefinition);
}

void RegisterPopupArrow() {
    popupDefinition = Definition("PopupArrow", 12, 0, 184, 10, 10, kPopupProperties, 1,
                                 popupEvents.events, 3, kPopupBehaviour);
    RegisterControl(&popupDefinition);
}

void RegisterImageWell() {
    wellDefinition = Definition("ImageWell", 24, 8, 182, 32, 32, kWellProperties, 1,
                                wellEvents.events, 3, kWellBehaviour);
    RegisterControl(&wellDefinition);
}

} // namespace apctl
