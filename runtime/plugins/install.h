// Installing the plug-ins stored in the application image.
#pragma once

// Installs and loads the stored plug-ins and lets them register their
// controls, classes and methods; links the plug-in classes afterwards. Runs
// once, from RuntimeInit.
void InstallStoredPlugins();

// Loads one library and runs its OPALPluginMain with the callback resolver.
void LoadPluginLibrary(const char* path);

extern "C" const void* Win32InstallPlugins(const void* firstStoredRecord);
