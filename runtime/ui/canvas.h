// The Canvas class: a drawn pane that shows a backdrop picture and lets the
// application draw in its Paint event.
#pragma once

struct ClassRecord;

void RegisterCanvasClass();
ClassRecord* CanvasClass();
