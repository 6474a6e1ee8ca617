// The StaticText class: a drawn pane that shows a text by the drawing rules
// of statictextdrawing.h.
#pragma once

struct ClassRecord;
struct ObjectInstance;

void RegisterStaticTextClass();
ClassRecord* StaticTextClass();

// Fires the static text's AcceleratorKey event (its mnemonic was pressed).
void FireStaticTextAcceleratorKey(ObjectInstance* text);
