// One window with one of each control, as a person sees it; the picture is
// saved as showcase.bmp beside the test program (docs/controls.png is made
// from it).
#include <gtest/gtest.h>
#include "controlhost.h"
#include "pixels.h"
#include "testclasses.h"
#include "ui/canvas.h"
#include "ui/controlfields.h"
#include "ui/checkbox.h"
#include "ui/controlclasses.h"
#include "ui/editfield.h"
#include "ui/progressbar.h"
#include "ui/pushbutton.h"
#include "ui/statictext.h"
#include <cstdio>

extern "C" {
void staticCaptionSetter(ObjectInstance*, uint32_t, StringObject*);
void staticTextAlignSetter(ObjectInstance*, uint32_t, int32_t);
void staticAttributeSetter(ObjectInstance*, uint32_t, bool);
void staticTextFontSetter(ObjectInstance*, uint32_t, StringObject*);
void staticTextSizeSetter(ObjectInstance*, uint32_t, int32_t);
void pushButtonTitleSetter(ObjectInstance*, uint32_t, StringObject*);
void pushButtonDefaultSetter(ObjectInstance*, uint32_t, bool);
void pushButtonBoldSetter(ObjectInstance*, uint32_t, bool);
void checkBoxTitleSetter(ObjectInstance*, uint32_t, StringObject*);
void checkBoxValueSetter(ObjectInstance*, uint32_t, bool);
void editTextSetter(ObjectInstance*, uint32_t, StringObject*);
void editBorderSetter(ObjectInstance*, uint32_t, bool);
void progressValueSetter(ObjectInstance*, uint32_t, int32_t);
void progressMaximumSetter(ObjectInstance*, uint32_t, int32_t);
void canvasBackdropSetter(ObjectInstance*, uint32_t, ObjectInstance*);
ObjectInstance* RuntimeProjectObject(int32_t);
}

namespace {

StringObject* Text(const char* text) { return NewStringFromText(text); }

// A 24-bit bottom-up BMP of the surface.
void SaveBitmap(const Surface& surface, const char* path) {
    const int w = surface.width(), h = surface.height(), row = (w * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {sizeof info, w, h, 1, 24};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + row * h;
    FILE* out = fopen(path, "wb");
    ASSERT_NE(out, nullptr);
    fwrite(&file, sizeof file, 1, out);
    fwrite(&info, sizeof info, 1, out);
    std::vector<uint8_t> bytes(row);
    for (int y = h - 1; y >= 0; y--) {
        for (int x = 0; x < w; x++) {
            COLORREF c = surface.At(x, y);
            bytes[3 * x] = GetBValue(c), bytes[3 * x + 1] = GetGValue(c), bytes[3 * x + 2] = GetRValue(c);
        }
        fwrite(bytes.data(), row, 1, out);
    }
    fclose(out);
}

TEST(Showcase, OneWindowWithOneOfEachControl) {
    RegisterControlClasses();
    ControlHost host(300, 230);
    StringRef geneva(Text("Geneva"));

    ObjectInstance* title = host.New(StaticTextClass(), 12, 8, 276, 30);
    StringRef intro(Text("Enter the corner coordinates of the area you want to be covered."));
    staticCaptionSetter(title, 0x68, intro.get());
    staticTextAlignSetter(title, 0, 1);
    staticAttributeSetter(title, offsetof(StaticTextFields, multiLine), true);
    staticTextFontSetter(title, 0, geneva.get());
    staticTextSizeSetter(title, 0, 11);

    ObjectInstance* label = host.New(StaticTextClass(), 12, 48, 70, 20);
    StringRef latitude(Text("Latitude:"));
    staticCaptionSetter(label, 0x68, latitude.get());
    staticTextFontSetter(label, 0, geneva.get());
    staticTextSizeSetter(label, 0, 11);

    ObjectInstance* field = host.New(EditFieldClass(), 90, 46, 80, 21);
    StringRef value(Text("52.3"));
    editTextSetter(field, 0, value.get());
    editBorderSetter(field, 0, true);

    ObjectInstance* canvas = host.New(CanvasClass(), 236, 46, 16, 16);
    ObjectRef picture(RuntimeProjectObject(1));
    canvasBackdropSetter(canvas, 0, picture.get());

    ObjectInstance* box = host.New(CheckBoxClass(), 12, 78, 150, 20);
    StringRef xp(Text("Make it XP ready"));
    checkBoxTitleSetter(box, 0, xp.get());
    checkBoxValueSetter(box, 0, true);

    ObjectInstance* half = host.New(ProgressBarClass(), 12, 110, 276, 12);
    progressMaximumSetter(half, 0, 40);
    progressValueSetter(half, 0, 20);
    ObjectInstance* moving = host.New(ProgressBarClass(), 12, 130, 276, 12);

    ObjectInstance* save = host.New(PushButtonClass(), 12, 190, 111, 24);
    StringRef saveText(Text("&Save subset"));
    pushButtonTitleSetter(save, 0, saveText.get());
    pushButtonDefaultSetter(save, 0, true);
    pushButtonBoldSetter(save, 0, true);
    ObjectInstance* done = host.New(PushButtonClass(), 177, 190, 111, 24);
    StringRef doneText(Text("Done"));
    pushButtonTitleSetter(done, 0, doneText.get());

    for (ObjectInstance* control : {title, label, field, canvas, box, half, moving, save, done})
        host.CreatePane(control);
    SetFocus(host.hwnd());
    ControlHost::Pump(700);   // the block moves a few steps
    for (ObjectInstance* control : {title, label, field, canvas, box, half, moving, save, done})
        EXPECT_TRUE(IsWindowVisible(AsControl(control)->pane->hwnd()));
    EXPECT_GT(ProgressBlockPosition(moving), 0);

    Surface shot(300, 230);
    HDC window = GetDC(host.hwnd());
    BitBlt(shot.dc(), 0, 0, 300, 230, window, 0, 0, SRCCOPY);
    ReleaseDC(host.hwnd(), window);
    SaveBitmap(shot, "showcase.bmp");
}

} // namespace
