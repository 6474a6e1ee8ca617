// The ProgressBar class: a native "msctls_progress32" pane that shows Value
// out of Maximum, and the moving block while Maximum is 0 or less.
#pragma once

struct ClassRecord;

void RegisterProgressBarClass();
ClassRecord* ProgressBarClass();

// The moving block's position: -1 while the bar shows none.
struct ObjectInstance;
int ProgressBlockPosition(ObjectInstance* bar);
