// The dialog owner. The runtime has no windows of its own yet (they come with
// the window subsystem), so there is never an owner to choose.
#include "dialogowner.h"

HWND DialogOwner() { return nullptr; }
