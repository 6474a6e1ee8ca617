// Installing the plug-ins stored in the application image.
#pragma once

// Installs and loads the stored plug-ins and lets them register their
// controls, classes and methods; links the plug-in classes afterwards.
void InstallStoredPlugins();
