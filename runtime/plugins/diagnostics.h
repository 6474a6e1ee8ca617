// The plug-in host's diagnostic channel: texts about registrations that
// failed. They are shown to nobody; a debugger sees them, and tests can
// watch them.
#pragma once

struct StringObject;

void PluginDiagnostic(const StringObject* text);

using DiagnosticObserver = void (*)(const char* text);
// Every later diagnostic is also handed to observer (null: none).
void ObservePluginDiagnostics(DiagnosticObserver observer);
