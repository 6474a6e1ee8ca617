#include "diagnostics.h"
#include "core/string.h"
#include <windows.h>

namespace {
DiagnosticObserver observer;
}

void PluginDiagnostic(const StringObject* text) {
    OutputDebugStringA(StringText(text));
    if (observer) observer(StringText(text));
}

void ObservePluginDiagnostics(DiagnosticObserver newObserver) { observer = newObserver; }
