// The menu bar. Menus are not built yet: the description is passed over and
// no menu bar exists. The menu subsystem fills these in.
#include "menubar.h"

bool MenuBarExists() { return false; }

void BuildMenuBar(ByteStream&) {}
