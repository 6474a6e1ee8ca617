// What the user-interface subsystem does while the runtime initialises, in
// the order in which RuntimeInit calls it.
#pragma once

// The window classes of the runtime's windows and panes.
void RegisterRuntimeWindowClasses();
// The fonts the runtime draws with.
void InitRuntimeFonts();
// The built-in classes of windows, controls and menu items.
void RegisterUserInterfaceClasses();
// The default fonts of the controls, once the plug-ins are installed.
void SetDefaultControlFonts();

// The frame window of multiple-document mode, 640 x 480, captioned with the
// application's name; shown at the end of the initialisation.
void CreateFrameWindow(const char* caption);
void ShowFrameWindow();

// Closes what an earlier image left (windows, menu bar, frame window):
// RuntimeInit runs it before it reads the image's project items.
void ResetUserInterface();
