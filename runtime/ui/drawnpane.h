// Drawn panes that show the window's background where they draw nothing
// (static texts, canvases): redrawing one lets the window repaint the area
// underneath first, so that nothing old shows through.
#pragma once
#include "pane.h"

class DrawnPane : public Pane {
public:
    using Pane::Pane;
    bool IsDrawn() override { return true; }
    void Invalidate() override {
        RECT area = {bounds_.left, bounds_.top, bounds_.right, bounds_.bottom};
        RedrawWindow(ContentWindowOf(window_), &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    // The pane's area in the window's client coordinates, in which it draws.
    RECT Area() const { return RECT{bounds_.left, bounds_.top, bounds_.right, bounds_.bottom}; }
};
