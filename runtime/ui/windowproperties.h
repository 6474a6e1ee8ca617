// The property accessors of windows (entry points).
#pragma once
#include <cstdint>

struct ObjectInstance;
struct StringObject;

extern "C" {
bool WindowVisibleGetter(ObjectInstance* window, uint32_t);
void WindowVisibleSetter(ObjectInstance* window, uint32_t, uint32_t visible);
// parameter: 0 Left, 1 Top, 2 Width, 3 Height
int32_t windowPosGetter(ObjectInstance* window, uint32_t which);
void windowPosSetter(ObjectInstance* window, uint32_t which, int32_t value);
StringObject* windowTitleGetter(ObjectInstance* window, uint32_t);
void windowTitleSetter(ObjectInstance* window, uint32_t, StringObject* title);
bool windowFullScreenGetter(ObjectInstance* window, uint32_t);
void windowFullScreenSetter(ObjectInstance* window, uint32_t, uint32_t on);
bool windowMenusVisibleGetter(ObjectInstance* window, uint32_t);
void windowMenusVisibleSetter(ObjectInstance* window, uint32_t, uint32_t visible);
ObjectInstance* windowBackdropGetter(ObjectInstance* window, uint32_t);
void windowBackdropSetter(ObjectInstance* window, uint32_t, ObjectInstance* picture);
bool windowHasBackColorGetter(ObjectInstance* window, uint32_t);
void windowHasBackColorSetter(ObjectInstance* window, uint32_t, uint32_t on);
uint32_t windowBackColorGetter(ObjectInstance* window, uint32_t);
void windowBackColorSetter(ObjectInstance* window, uint32_t, uint32_t color);
void windowBalloonHelpSetter(ObjectInstance* window, uint32_t, StringObject* text);
void formMouseCursorSetter(ObjectInstance* window, uint32_t, ObjectInstance* cursor);
int32_t windowControlCountGetter(ObjectInstance* window, uint32_t);
int32_t windowMouseXGetter(ObjectInstance* window, uint32_t);
int32_t windowMouseYGetter(ObjectInstance* window, uint32_t);
uint32_t windowWindowPtrGetter(ObjectInstance* window, uint32_t);
uint32_t windowHWNDGetter(ObjectInstance* window, uint32_t);
}
