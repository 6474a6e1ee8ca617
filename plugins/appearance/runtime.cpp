#include "runtime.h"

using plugin::RuntimeRoutine;

namespace apctl {

namespace {

RuntimeRoutine registerControl{"PluginRegisterControl", false, nullptr};
RuntimeRoutine interpretConstant{"PluginInterpretConstantValue", false, nullptr};
RuntimeRoutine defaultFont{"PluginDefaultControlFont", false, nullptr};
RuntimeRoutine defaultCaption{"PluginDefaultControlCaption", false, nullptr};
RuntimeRoutine defaultFontSize{"PluginDefaultControlFontSize", false, nullptr};
RuntimeRoutine buildString{"OPALBuildString", false, nullptr};
RuntimeRoutine lockObject{"OPALLockObject", false, nullptr};
RuntimeRoutine unlockObject{"OPALUnlockObject", false, nullptr};
RuntimeRoutine lockString{"OPALLockString", false, nullptr};
RuntimeRoutine unlockString{"OPALUnlockString", false, nullptr};
RuntimeRoutine interfaceRoutine{"GetInterfaceRoutine", false, nullptr};
RuntimeRoutine lockDescription{"lockPictureDescription", false, nullptr};
RuntimeRoutine unlockDescription{"unlockPictureDescription", false, nullptr};
RuntimeRoutine drawPicture{"drawPicturePrimitive", false, nullptr};
RuntimeRoutine eventInstance{"GetEventInstance", false, nullptr};
RuntimeRoutine controlBounds{"GetControlBounds", false, nullptr};
RuntimeRoutine controlVisible{"GetControlVisible", false, nullptr};
RuntimeRoutine controlEnabled{"controlEnabledGetter", false, nullptr};
RuntimeRoutine controlGraphics{"OPALGetControlGraphics", false, nullptr};
RuntimeRoutine win32Charset{"OPALGetWin32Charset", false, nullptr};
RuntimeRoutine graphicsDC{"OPALGraphicsDC", false, nullptr};
RuntimeRoutine controlHWND{"GetControlHWND", false, nullptr};
RuntimeRoutine invalidateControl{"OPALInvalidateControl", false, nullptr};
RuntimeRoutine specialBackground{"OPALSetSpecialBackground", false, nullptr};
RuntimeRoutine setAccelerator{"OPALSetAccelerator", false, nullptr};

template <typename F, typename... A>
auto Call(RuntimeRoutine& routine, A... arguments) -> decltype(routine.as<F>()(arguments...)) {
    using Result = decltype(routine.as<F>()(arguments...));
    F f = routine.as<F>();
    if (!f) return Result();
    return f(arguments...);
}

} // namespace

void RegisterControl(plugin::ControlDefinition* definition) {
    Call<void (*)(void*)>(registerControl, static_cast<void*>(definition));
}
StringObject* InterpretConstantValue(StringObject* value) {
    return Call<StringObject* (*)(StringObject*)>(interpretConstant, value);
}
StringObject* DefaultControlFont() { return Call<StringObject* (*)()>(defaultFont); }
StringObject* DefaultControlCaption() { return Call<StringObject* (*)()>(defaultCaption); }
int DefaultControlFontSize() { return Call<int (*)()>(defaultFontSize); }
StringObject* BuildString(const char* text) {
    return Call<StringObject* (*)(const char*, int)>(buildString, text, lstrlenA(text));
}
void LockString(StringObject* s) { Call<void (*)(StringObject*)>(lockString, s); }
void UnlockString(StringObject* s) { Call<void (*)(StringObject*)>(unlockString, s); }
void LockObject(void* object) { Call<void (*)(void*)>(lockObject, object); }
void UnlockObject(void* object) { Call<void (*)(void*)>(unlockObject, object); }
void* InterfaceRoutine(void* object, const char* interfaceName, const char* routine) {
    return Call<void* (*)(void*, const char*, const char*)>(interfaceRoutine, object, interfaceName,
                                                            routine);
}
void LockPictureDescription(void* picture, void* description) {
    Call<void (*)(void*, void*)>(lockDescription, picture, description);
}
void UnlockPictureDescription(void* picture) { Call<void (*)(void*)>(unlockDescription, picture); }
void DrawPicture(HDC dc, void* picture, const RECT& where, int mode) {
    Bounds rect = {static_cast<int16_t>(where.top), static_cast<int16_t>(where.left),
                   static_cast<int16_t>(where.bottom), static_cast<int16_t>(where.right)};
    Call<void (*)(HDC, void*, Bounds*, int)>(drawPicture, dc, picture, &rect, mode);
}
void* EventRoutine(Instance* instance, const void* event) {
    return Call<void* (*)(Instance*, const void*)>(eventInstance, instance, event);
}
RECT ControlRect(Instance* instance) {
    Bounds bounds = {0, 0, 0, 0};
    Call<void (*)(Instance*, Bounds*)>(controlBounds, instance, &bounds);
    return RECT{bounds.left, bounds.top, bounds.right, bounds.bottom};
}
bool ControlVisible(Instance* instance) { return Call<bool (*)(Instance*)>(controlVisible, instance); }
bool ControlEnabled(Instance* instance) {
    return Call<bool (*)(Instance*, int)>(controlEnabled, instance, 0);
}
void* ControlGraphics(Instance* instance) { return Call<void* (*)(Instance*)>(controlGraphics, instance); }
BYTE Win32Charset() { return static_cast<BYTE>(Call<int (*)()>(win32Charset)); }
HDC GraphicsDC(void* graphics) { return Call<HDC (*)(void*)>(graphicsDC, graphics); }
HWND ControlHWND(Instance* instance) { return Call<HWND (*)(Instance*)>(controlHWND, instance); }
void InvalidateControl(Instance* instance) { Call<void (*)(Instance*)>(invalidateControl, instance); }
COLORREF SpecialBackground(Instance* instance) {
    uint32_t colour = 0xFFFFFF;
    Call<void (*)(Instance*, uint32_t*)>(specialBackground, instance, &colour);
    return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}
void SetAccelerator(Instance* instance, StringObject* caption) {
    Call<void (*)(Instance*, StringObject*)>(setAccelerator, instance, caption);
}

void ReplacePicture(void** field, void* description, void* picture) {
    if (*field) {
        UnlockPictureDescription(*field);
        UnlockObject(*field);
    }
    LockObject(picture);
    *field = picture;
    if (picture) LockPictureDescription(picture, description);
}

ControlDrawing::ControlDrawing(Instance* instance, void* graphics)
    : own_(graphics ? nullptr : ControlGraphics(instance)),
      dc_(GraphicsDC(graphics ? graphics : own_)) {}

ControlDrawing::~ControlDrawing() { UnlockObject(own_); }

bool FireEvent(Instance* instance, const plugin::EventDefinition& event) {
    using Handler = void (*)(Instance*);
    Handler handler = reinterpret_cast<Handler>(EventRoutine(instance, event.reference));
    if (!handler) return false;
    handler(instance);
    return true;
}

bool FireMouseEvent(Instance* instance, const plugin::EventDefinition& event, int x, int y) {
    using Handler = bool (*)(Instance*, int, int);
    Handler handler = reinterpret_cast<Handler>(EventRoutine(instance, event.reference));
    return handler ? handler(instance, x, y) : false;
}

} // namespace apctl
