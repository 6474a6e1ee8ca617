// The pane of a plug-in control: a drawn "OB_Pane" child window through
// which the control's behaviour table is called (painting, the mouse, the
// keyboard focus, idle work).
#pragma once

struct ObjectInstance;
#include <windows.h>

// The named hook "CreatePane" of plug-in controls that have a pane.
void CreatePluginPane(ObjectInstance* control);
// Closes the control's pane unless it is closing already (slot 10 runs).
void DestroyPluginPane(ObjectInstance* control);
// Tells the pane that its instance is gone.
void ForgetPaneInstance(ObjectInstance* control);
// A device context of the pane in its window's client coordinates; null
// without a pane.
HDC PluginPaneSurface(ObjectInstance* control);
