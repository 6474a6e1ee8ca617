// The user interface's share of the initialisation. Windows, controls and
// fonts are not built yet, so each step does nothing; the window and control
// subsystems fill them in.
#include "uistartup.h"
#include "controlclasses.h"

void RegisterRuntimeWindowClasses() {}

void InitRuntimeFonts() {}

void RegisterUserInterfaceClasses() { RegisterControlClasses(); }

void SetDefaultControlFonts() {}

void CreateFrameWindow(const char*) {}

void ShowFrameWindow() {}
