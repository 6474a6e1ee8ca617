// The application's share of the user interface: activation and the quit
// sequence.
#pragma once

// WM_ACTIVATEAPP: the application object's Activate or Deactivate, and the
// floating windows' topmost state.
void DeliverApplicationActivation(bool active);

// Asks every view window whether it may close, delivers the application's
// Close and closes the windows. True when the quit was cancelled (a window
// refused, or the sequence was already running).
bool RunQuitSequence();

extern "C" void ApplicationQuit();
