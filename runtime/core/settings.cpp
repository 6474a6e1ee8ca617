// The application's settings. Until the settings block has been read the
// application is in single-window mode and has no name.
#include "settings.h"

bool RunsInMdiMode() { return false; }

const char* ApplicationName() { return ""; }
