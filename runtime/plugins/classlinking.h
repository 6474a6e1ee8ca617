// Plug-in classes: registered while their plug-in's entry point runs, linked
// (superclass, size, members) once all plug-ins are loaded, so that a class
// may name a superclass registered after it.
#pragma once

void LinkPluginClasses();

extern "C" {
void PluginRegisterClass(unsigned* definition);
void PluginRegisterClassExtension(unsigned* definition);
void PluginRegisterMethod(unsigned* definition);
}
