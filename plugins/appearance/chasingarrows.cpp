// The chasing arrows: eight frames of two arrows chasing each other round a
// 16 x 16 cell; each frame is one arrow and the same arrow turned half round.
#include "drawing.h"

namespace {

struct Frame {
    POINT head[3];
    int tailCount;
    POINT tail[7];
};

const Frame kFrames[8] = {
    {{{11, 7}, {15, 7}, {14, 9}}, 6, {{5, 3}, {6, 2}, {9, 2}, {11, 3}, {13, 6}, {13, 9}}},
    {{{11, 8}, {14, 9}, {12, 11}}, 5, {{7, 2}, {9, 2}, {11, 3}, {13, 6}, {12, 11}}},
    {{{11, 10}, {13, 12}, {10, 12}}, 5, {{9, 2}, {11, 3}, {13, 6}, {12, 11}, {10, 12}}},
    {{{9, 11}, {11, 14}, {8, 13}}, 5, {{11, 3}, {13, 6}, {12, 11}, {10, 12}, {8, 13}}},
    {{{8, 11}, {8, 15}, {6, 13}}, 6, {{12, 5}, {13, 6}, {12, 11}, {10, 12}, {8, 13}, {6, 13}}},
    {{{6, 14}, {7, 11}, {4, 12}}, 6, {{13, 7}, {12, 11}, {10, 12}, {8, 13}, {6, 13}, {4, 12}}},
    {{{3, 13}, {5, 11}, {3, 10}}, 6, {{12, 11}, {10, 12}, {8, 13}, {6, 13}, {4, 12}, {3, 10}}},
    {{{1, 11}, {4, 9}, {2, 8}}, 7, {{12, 11}, {10, 12}, {8, 13}, {6, 13}, {4, 12}, {3, 10}, {2, 8}}},
};

void DrawArrow(HDC dc, const Frame& frame, LONG left, LONG top, bool turned) {
    auto place = [&](POINT p) {
        return turned ? POINT{left + 15 - p.x, top + 15 - p.y} : POINT{left + p.x, top + p.y};
    };
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    DrawTriangle(dc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), place(frame.head[0]),
                 place(frame.head[1]), place(frame.head[2]));
    SelectObject(dc, oldPen);
    POINT tail[7];
    for (int i = 0; i < frame.tailCount; i++) tail[i] = place(frame.tail[i]);
    DrawPolyline(dc, RGB(0, 0, 0), tail, frame.tailCount);
}

} // namespace

void DrawChasingArrowsFrame(HDC dc, const RECT& bounds, int frame, COLORREF background) {
    const RECT cell = {bounds.left, bounds.top, bounds.left + 16, bounds.top + 16};
    HBRUSH brush = CreateSolidBrush(background);
    FillRect(dc, &cell, brush);
    DeleteObject(brush);
    const Frame& shape = kFrames[frame & 7];
    DrawArrow(dc, shape, bounds.left, bounds.top, false);
    DrawArrow(dc, shape, bounds.left, bounds.top, true);
}
