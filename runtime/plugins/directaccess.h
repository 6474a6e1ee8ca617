// The direct field accessors that the host chooses for properties a plug-in
// gives no routine of its own (getter or setter -1). They take the instance
// and the field's byte offset within it, as every property accessor takes
// its parameter. The redrawing setters of controls store, then invalidate
// the control's pane.
#pragma once
#include "plugintypes.h"

void* DirectGetter(const PluginType& type);
void* DirectSetter(const PluginType& type, bool redraws);
