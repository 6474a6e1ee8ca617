// Drawing the moving block.
#include "progressdrawing.h"
#include "themes.h"

namespace {

constexpr int kBarPart = 1, kChunkPart = 3;   // PP_BAR, PP_CHUNK

bool DrawThemed(HWND hwnd, HDC dc, const RECT& bounds, int position) {
    if (!IsWindowsXP() || !gTheme.OpenThemeData || !gTheme.DrawThemeBackground) return false;
    HTHEME_ theme = gTheme.OpenThemeData(hwnd, L"Progress");
    if (!theme) return false;
    gTheme.DrawThemeBackground(theme, dc, kBarPart, 0, &bounds, nullptr);
    RECT chunk = {bounds.left + 8 * position + 2, bounds.top + 2, bounds.left + 8 * position + 8,
                  bounds.bottom - 2};
    gTheme.DrawThemeBackground(theme, dc, kChunkPart, 0, &chunk, nullptr);
    if (gTheme.CloseThemeData) gTheme.CloseThemeData(theme);
    return true;
}

void FillWith(HDC dc, const RECT& area, int systemColor) {
    FillRect(dc, &area, GetSysColorBrush(systemColor));
}

// The inside is filled so that the block leaves no trail as it moves.
void DrawClassic(HDC dc, const RECT& r, int position) {
    FillWith(dc, RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, COLOR_BTNFACE);
    FillWith(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, COLOR_BTNHIGHLIGHT);
    FillWith(dc, RECT{r.left, r.top, r.left + 1, r.bottom}, COLOR_BTNHIGHLIGHT);
    FillWith(dc, RECT{r.left, r.top, r.right, r.top + 1}, COLOR_BTNSHADOW);
    FillWith(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, COLOR_BTNSHADOW);
    FillWith(dc, RECT{r.left + 8 * position, r.top + 2, r.left + 8 * position + 6, r.bottom - 2},
             COLOR_HIGHLIGHT);
}

} // namespace

void DrawProgressBlock(HWND hwnd, HDC dc, const RECT& bounds, int position) {
    if (!DrawThemed(hwnd, dc, bounds, position)) DrawClassic(dc, bounds, position);
}

void StepProgressBlock(int barWidth, int* position, bool* forward) {
    const int steps = barWidth / 8;
    if (*forward) {
        if (++*position >= steps) {
            *position = steps - 1;
            *forward = false;
        }
    } else if (--*position < 0) {
        *position = 1;
        *forward = true;
    }
}
