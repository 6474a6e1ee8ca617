// The runtime routines apctl1 uses, each resolved on first use. A routine
// the runtime lacks is not called: its wrapper returns 0, null or false.
#pragma once
#include "pluginabi.h"
#include <windows.h>

namespace apctl {

using plugin::StringObject;
using Instance = void;

// A control's bounds: top, left, bottom, right.
struct Bounds {
    int16_t top, left, bottom, right;
};

void RegisterControl(plugin::ControlDefinition* definition);
StringObject* InterpretConstantValue(StringObject* value);       // +1
StringObject* DefaultControlFont();                              // +1
StringObject* DefaultControlCaption();                           // +1
int DefaultControlFontSize();
StringObject* BuildString(const char* text);                     // +1
void LockString(StringObject* s);
void UnlockString(StringObject* s);
void LockObject(void* object);
void UnlockObject(void* object);
void* InterfaceRoutine(void* object, const char* interfaceName, const char* routine);
void LockPictureDescription(void* picture, void* description);
void UnlockPictureDescription(void* picture);
void DrawPicture(HDC dc, void* picture, const RECT& where, int mode);
void* EventRoutine(Instance* instance, const void* event);
RECT ControlRect(Instance* instance);                            // from the bounds
bool ControlVisible(Instance* instance);
bool ControlEnabled(Instance* instance);
void* ControlGraphics(Instance* instance);                       // +1
BYTE Win32Charset();
HDC GraphicsDC(void* graphics);
HWND ControlHWND(Instance* instance);
void InvalidateControl(Instance* instance);
COLORREF SpecialBackground(Instance* instance);
void SetAccelerator(Instance* instance, StringObject* caption);

// Keeps picture in *field with its description locked into description,
// letting go of the picture held before (either may be null).
void ReplacePicture(void** field, void* description, void* picture);

// The device context of graphics, or of a graphics object made for the
// control when graphics is null (released when the scope ends).
class ControlDrawing {
public:
    ControlDrawing(Instance* instance, void* graphics);
    ~ControlDrawing();
    HDC dc() const { return dc_; }
private:
    void* own_;
    HDC dc_;
};

// Fires an event without arguments; false when the application has no
// handler for it.
bool FireEvent(Instance* instance, const plugin::EventDefinition& event);
// Fires a MouseDown(X, Y) As Boolean event; false without a handler.
bool FireMouseEvent(Instance* instance, const plugin::EventDefinition& event, int x, int y);

} // namespace apctl
