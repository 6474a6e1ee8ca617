// The background task that compiled code calls inside long loops, and the
// automatic wait cursor that it keeps.
#pragma once

// What the event loop calls whenever it takes a message: the wait cursor is
// due only once the application has been busy for more than 15 ticks since.
void NoteEventLoopActivity();

// Turns the automatic wait cursor off for the rest of the run.
void DisableAutomaticWaitCursor();

extern "C" void RuntimeBackgroundTask();
