// The Graphics object: what Paint handlers draw with. It wraps a device
// context for the span of a paint (or of a control's drawing).
#pragma once
#include <windows.h>
#include <cstdint>

struct ObjectInstance;
struct StringObject;

struct GraphicsFields;

// Registers the class "Graphics"; run once.
void RegisterGraphicsClass();
// A new Graphics object drawing into dc, whose drawing area is width x height.
ObjectInstance* NewGraphics(HDC dc, int width, int height);
// Its device context; null for nil or once it has been detached.
HDC GraphicsDC(ObjectInstance* graphics);
// The paint is over: the object draws nowhere any more (compiled code may keep it).
void DetachGraphics(ObjectInstance* graphics);

extern "C" {
HDC OPALGraphicsDC(ObjectInstance* graphics);
uint32_t RuntimeRGB(int32_t red, int32_t green, int32_t blue);
void RuntimeGraphicsFillRect(ObjectInstance* g, int32_t x, int32_t y, int32_t width, int32_t height);
void RuntimeGraphicsDrawRect(ObjectInstance* g, int32_t x, int32_t y, int32_t width, int32_t height);
void RuntimeGraphicsClearRect(ObjectInstance* g, int32_t x, int32_t y, int32_t width, int32_t height);
void RuntimeGraphicsFillOval(ObjectInstance* g, int32_t x, int32_t y, int32_t width, int32_t height);
void RuntimeGraphicsDrawOval(ObjectInstance* g, int32_t x, int32_t y, int32_t width, int32_t height);
void RuntimeGraphicsDrawLine(ObjectInstance* g, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
void RuntimeGraphicsDrawString(ObjectInstance* g, StringObject* text, int32_t x, int32_t y);
void RuntimeGraphicsDrawPicture(ObjectInstance* g, ObjectInstance* picture, int32_t x, int32_t y);
uint32_t graphicsForeColorGetter(ObjectInstance* g, uint32_t);
void graphicsForeColorSetter(ObjectInstance* g, uint32_t, uint32_t color);
int32_t graphicsWidthGetter(ObjectInstance* g, uint32_t);
int32_t graphicsHeightGetter(ObjectInstance* g, uint32_t);
int32_t pictureWidthGetter(ObjectInstance* picture, uint32_t);
int32_t pictureHeightGetter(ObjectInstance* picture, uint32_t);
}
