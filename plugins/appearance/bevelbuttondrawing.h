// The bevel button's look: a bevelled frame or the toolbar-button theme,
// an optional icon and a caption placed by the alignment properties, and
// the menu indicator.
#pragma once
#include "drawing.h"

struct BevelLook {
    const char* caption;          // "&" marks the mnemonic, "&&" a literal "&"
    int captionLength;
    bool enabled, pressed, value, hot;
    int bevel;                    // the bevel is bevel + 1 pixels wide
    int hasMenu;                  // 0 none, 1 below, 2 to the right
    int captionAlign, captionPlacement, captionDelta;
    const char* fontName;
    int fontSize;
    bool bold, italic, underline;
    BYTE charset;
    // The icon, if there is one: its size, placement and how to draw it.
    bool hasIcon;
    int iconWidth, iconHeight, iconAlign, iconDX, iconDY;
    void (*drawIcon)(HDC dc, const RECT& where, void* context);
    void* iconContext;
};

// Draws into dc, whose window origin puts the control's bounds where they
// are in its window; clip regions are relative to the bounds' top-left.
void DrawBevelButton(HDC dc, const RECT& bounds, const BevelLook& look, const ThemePainter& theme);

// The rectangle inside the frame and bevel where icon and caption go.
RECT BevelInside(const RECT& bounds, const BevelLook& look, const ThemePainter& theme);
