// Graphics objects and their drawing routines. Coordinates are those of the
// drawing area; the fore colour (0xRRGGBB) draws lines, frames, fills and text.
#include "graphics.h"
#include "picture.h"
#include "core/objects.h"
#include "core/string.h"
#include "window.h"

struct GraphicsFields {
    ObjectInstance header;
    HDC dc;                  // 24
    int32_t width;           // 28
    int32_t height;          // 32
    uint32_t foreColor;      // 36: 0xRRGGBB
};

namespace {

ClassRecord* graphicsClass;

GraphicsFields* Fields(ObjectInstance* g) { return reinterpret_cast<GraphicsFields*>(g); }

template <typename Draw>
void WithPenAndBrush(ObjectInstance* g, bool filled, Draw draw) {
    HDC dc = GraphicsDC(g);
    if (!dc) return;
    COLORREF colour = ColorRefOf(Fields(g)->foreColor);
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HBRUSH brush = filled ? CreateSolidBrush(colour) : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    draw(dc);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    if (filled) DeleteObject(brush);
}

} // namespace

void RegisterGraphicsClass() {
    if (!graphicsClass) graphicsClass = RegisterBuiltinClass("Graphics", nullptr, sizeof(GraphicsFields));
}

ObjectInstance* NewGraphics(HDC dc, int width, int height) {
    RegisterGraphicsClass();
    ObjectInstance* g = NewInstance(graphicsClass);
    Fields(g)->dc = dc;
    Fields(g)->width = width;
    Fields(g)->height = height;
    return g;
}

HDC GraphicsDC(ObjectInstance* g) { return g ? Fields(g)->dc : nullptr; }
void DetachGraphics(ObjectInstance* g) { if (g) Fields(g)->dc = nullptr; }

extern "C" {

HDC OPALGraphicsDC(ObjectInstance* g) { return GraphicsDC(g); }

uint32_t RuntimeRGB(int32_t red, int32_t green, int32_t blue) {
    return static_cast<uint32_t>((red & 0xFF) << 16 | (green & 0xFF) << 8 | (blue & 0xFF));
}

void RuntimeGraphicsFillRect(ObjectInstance* g, int32_t x, int32_t y, int32_t width, int32_t height) {
    WithPenAndBrush(g, true, [&](HDC dc) { Rectangle(dc, x, y, x + width, y + height); });
}

void RuntimeGraphicsDrawRect(ObjectInstance* g, int32_t x, int32_t y, int32_t width, int32_t height) {
    WithPenAndBrush(g, false, [&](HDC dc) { Rectangle(dc, x, y, x + width, y + height); });
}

void RuntimeGraphicsClearRect(ObjectInstance* g, int32_t x, int32_t y, int32_t width, int32_t height) {
    HDC dc = GraphicsDC(g);
    RECT r{x, y, x + width, y + height};
    if (dc) FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
}

void RuntimeGraphicsFillOval(ObjectInstance* g, int32_t x, int32_t y, int32_t width, int32_t height) {
    WithPenAndBrush(g, true, [&](HDC dc) { Ellipse(dc, x, y, x + width, y + height); });
}

void RuntimeGraphicsDrawOval(ObjectInstance* g, int32_t x, int32_t y, int32_t width, int32_t height) {
    WithPenAndBrush(g, false, [&](HDC dc) { Ellipse(dc, x, y, x + width, y + height); });
}

void RuntimeGraphicsDrawLine(ObjectInstance* g, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    WithPenAndBrush(g, false, [&](HDC dc) {
        MoveToEx(dc, x1, y1, nullptr);
        LineTo(dc, x2, y2);
    });
}

// The baseline of the text is at y.
void RuntimeGraphicsDrawString(ObjectInstance* g, StringObject* text, int32_t x, int32_t y) {
    HDC dc = GraphicsDC(g);
    if (!dc) return;
    int mode = SetBkMode(dc, TRANSPARENT);
    COLORREF colour = SetTextColor(dc, ColorRefOf(Fields(g)->foreColor));
    UINT align = SetTextAlign(dc, TA_BASELINE | TA_LEFT);
    TextOutA(dc, x, y, StringText(text), static_cast<int>(StringLength(text)));
    SetTextAlign(dc, align);
    SetTextColor(dc, colour);
    SetBkMode(dc, mode);
}

void RuntimeGraphicsDrawPicture(ObjectInstance* g, ObjectInstance* picture, int32_t x, int32_t y) {
    if (HDC dc = GraphicsDC(g)) DrawPicture(dc, picture, x, y);
}

uint32_t graphicsForeColorGetter(ObjectInstance* g, uint32_t) { return Fields(g)->foreColor; }
void graphicsForeColorSetter(ObjectInstance* g, uint32_t, uint32_t color) { Fields(g)->foreColor = color; }
int32_t graphicsWidthGetter(ObjectInstance* g, uint32_t) { return Fields(g)->width; }
int32_t graphicsHeightGetter(ObjectInstance* g, uint32_t) { return Fields(g)->height; }

int32_t pictureWidthGetter(ObjectInstance* picture, uint32_t) {
    int w = 0, h = 0;
    return PictureSize(picture, &w, &h) ? w : 0;
}

int32_t pictureHeightGetter(ObjectInstance* picture, uint32_t) {
    int w = 0, h = 0;
    return PictureSize(picture, &w, &h) ? h : 0;
}

}
