// Plug-in installation. The plug-in host is not built yet, so there is
// nothing to install; the plug-in subsystem fills this in.
#include "install.h"

void InstallStoredPlugins() {}
