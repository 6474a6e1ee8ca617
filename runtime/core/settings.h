// The application's settings, read from the settings block of its image when
// the runtime initialises.
#pragma once

// Whether the application runs with a frame window holding its documents.
bool RunsInMdiMode();

// The application's name, as the frame window shows it; "" before it is read.
const char* ApplicationName();
