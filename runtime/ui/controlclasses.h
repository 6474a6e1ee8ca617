// The runtime's control classes: Control, RectControl, the standard
// controls, the edit field, and the Timer.
#pragma once

// Registers them all with their properties, events and methods; run once,
// as part of the user interface's classes.
void RegisterControlClasses();
