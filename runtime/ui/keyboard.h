// Keyboard pre-processing: what the loop does with a key press before the
// focus control and the window see it.
#pragma once
#include <windows.h>

// True when the message was consumed (a shortcut, a focus move, a pushed
// default or cancel button).
bool PreprocessKey(const MSG* message);

// The accelerator text of a key with the modifiers now down ("Ctrl+Q").
void AcceleratorTextOf(WPARAM virtualKey, bool control, bool shift, bool alt, char* text, int size);
