// How a static text looks: its drawing as a function of a device context,
// called from the paint of its drawn pane.
#pragma once
#include "fonts.h"
#include <windows.h>
#include <cstdint>

struct StringObject;

struct StaticTextLook {
    StringObject* text;
    int16_t align;          // 0 left, 1 centred, 2 right
    uint32_t color;         // 0xRRGGBB
    bool multiLine;
    bool active;            // false: disabled, or deactivated with its window
    FontSpec font;
};

// The text colour for the look: the colour itself, or a washed-out grey tone
// of it while the text is not active.
COLORREF StaticTextColor(uint32_t color, bool active);

// Draws the text into bounds without filling a background. Single-line
// texts break at CR, LF and CR LF, one line per break, starting at the
// baseline of a line centred vertically; multi-line texts wrap into bounds.
void DrawStaticText(HDC dc, const RECT& bounds, const StaticTextLook& look);
