// Static texts and progress bars in a real window, checked on the screen's
// pixels against references that the test draws itself from the rules.
#include <gtest/gtest.h>
#include "controlhost.h"
#include "pixels.h"
#include "testclasses.h"
#include "ui/controlclasses.h"
#include "ui/controlfields.h"
#include "ui/canvas.h"
#include "ui/graphics.h"
#include "ui/progressbar.h"
#include "ui/shortcuts.h"
#include "ui/statictext.h"
#include "core/periodictasks.h"
#include <commctrl.h>
#include <string>
#include <vector>

extern "C" {
void staticCaptionSetter(ObjectInstance*, uint32_t, StringObject*);
void staticTextAlignSetter(ObjectInstance*, uint32_t, int32_t);
void staticTextColorSetter(ObjectInstance*, uint32_t, uint32_t);
void staticTextFontSetter(ObjectInstance*, uint32_t, StringObject*);
void staticTextSizeSetter(ObjectInstance*, uint32_t, int32_t);
void controlEnabledSetter(ObjectInstance*, uint32_t, bool);
void ControlVisibleSetter(ObjectInstance*, uint32_t, bool);
void progressValueSetter(ObjectInstance*, uint32_t, int32_t);
void progressMaximumSetter(ObjectInstance*, uint32_t, int32_t);
void canvasBackdropSetter(ObjectInstance*, uint32_t, ObjectInstance*);
ObjectInstance* canvasGraphicsGetter(ObjectInstance*, uint32_t);
ObjectInstance* RuntimeProjectObject(int32_t);
}

namespace {

std::string log;
bool trackPresses;

extern "C" void OnAccelerator(ObjectInstance*) { log += "K"; }
extern "C" bool OnTextMouseDown(ObjectInstance*, int x, int y) {
    log += "D" + std::to_string(x) + "," + std::to_string(y);
    return trackPresses;
}
extern "C" void OnTextMouseDrag(ObjectInstance*, int, int) { if (log.back() != 'M') log += "M"; }
extern "C" bool OnTextMouseUp(ObjectInstance*, int, int) { log += "U"; return false; }
extern "C" void OnCanvasPaint(ObjectInstance*, ObjectInstance* g) {
    log += "P";
    graphicsForeColorSetter(g, 0, 0x0000FF);
    RuntimeGraphicsFillRect(g, 20, 10, 8, 6);
}
extern "C" bool OnCanvasMouseDown(ObjectInstance*, int x, int y) {
    log += "D" + std::to_string(x) + "," + std::to_string(y);
    return trackPresses;
}
extern "C" void OnCanvasMouseUp(ObjectInstance*, int x, int y) {
    log += "U" + std::to_string(x) + "," + std::to_string(y);
}

class DrawnControls : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterControlClasses(); }
    void SetUp() override {
        log.clear();
        trackPresses = false;
        textClass = TestSubclass(StaticTextClass(), {{"AcceleratorKey", (void*)&OnAccelerator},
                                                     {"MouseDown", (void*)&OnTextMouseDown},
                                                     {"MouseDrag", (void*)&OnTextMouseDrag},
                                                     {"MouseUp", (void*)&OnTextMouseUp}});
    }
    ObjectInstance* Text(const char* text, int left, int top, int width, int height) {
        ObjectInstance* control = host.New(textClass, left, top, width, height);
        StringRef value(NewStringFromText(text)), face(NewStringFromText("Geneva"));
        staticCaptionSetter(control, 0x68, value.get());
        staticTextFontSetter(control, 0, face.get());
        staticTextSizeSetter(control, 0, 13);
        return control;
    }
    // The control's area as the screen shows it.
    void Capture(ObjectInstance* control, Surface& into) {
        ControlHost::Pump(80);
        into.CaptureFrom(AsControl(control)->pane->hwnd(), into.width(), into.height());
    }
    ControlHost host{360, 240};
    ClassRecord* textClass = nullptr;
};

// The reference: the rules, drawn with GDI on the window's background.
void DrawTextReference(Surface& surface, const std::vector<std::string>& lines, int align, COLORREF color) {
    RECT all = {0, 0, surface.width(), surface.height()};
    FillRect(surface.dc(), &all, GetSysColorBrush(COLOR_BTNFACE));
    HFONT font = CreateFontA(-13, 0, 0, 0, 400, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
    HGDIOBJ old = SelectObject(surface.dc(), font);
    SetBkMode(surface.dc(), TRANSPARENT);
    SetTextColor(surface.dc(), color);
    TEXTMETRICA tm;
    GetTextMetricsA(surface.dc(), &tm);
    int top = (surface.height() - tm.tmHeight) / 2;
    for (const std::string& line : lines) {
        SIZE size;
        GetTextExtentPoint32A(surface.dc(), line.c_str(), int(line.size()), &size);
        int x = align == 2 ? surface.width() - size.cx : align == 1 ? (surface.width() - size.cx) / 2 : 0;
        if (!line.empty()) TextOutA(surface.dc(), x, top, line.c_str(), int(line.size()));
        top += tm.tmHeight + tm.tmExternalLeading;
    }
    SelectObject(surface.dc(), old);
    DeleteObject(font);
}

TEST_F(DrawnControls, AStaticTextShowsItsLinesOnTheScreen) {
    ObjectInstance* text = Text("Processed Lines:\r\n\r\n1234", 20, 20, 200, 90);
    staticTextAlignSetter(text, 0, 2);
    staticTextColorSetter(text, 0, 0x0000C0);
    host.CreatePane(text);
    Surface screen(200, 90), reference(200, 90);
    Capture(text, screen);
    DrawTextReference(reference, {"Processed Lines:", "", "1234"}, 2, RGB(0, 0, 0xC0));
    EXPECT_TRUE(screen.SameAs(reference));
    char shown[64];
    GetWindowTextA(AsControl(text)->pane->hwnd(), shown, sizeof shown);
    EXPECT_STREQ(shown, "Processed Lines:\r\n\r\n1234") << "the pane's window text is its text";
}

TEST_F(DrawnControls, ADisabledStaticTextIsWashedOut) {
    ObjectInstance* text = Text("Airports:", 20, 20, 120, 30);
    host.CreatePane(text);
    controlEnabledSetter(text, 0, false);
    Surface screen(120, 30), reference(120, 30);
    Capture(text, screen);
    DrawTextReference(reference, {"Airports:"}, 0, RGB(0x60, 0x60, 0x60));
    EXPECT_TRUE(screen.SameAs(reference));
}

TEST_F(DrawnControls, SettingTheTextRedrawsAndKeepsTheWindowText) {
    ObjectInstance* text = Text("Waiting for  file selection", 10, 10, 250, 20);
    host.CreatePane(text);
    StringRef next(NewStringFromText("Fixpoints: 0"));
    staticCaptionSetter(text, 0x68, next.get());
    Surface screen(250, 20), reference(250, 20);
    Capture(text, screen);
    DrawTextReference(reference, {"Fixpoints: 0"}, 0, RGB(0, 0, 0));
    EXPECT_TRUE(screen.SameAs(reference));
    char shown[64];
    GetWindowTextA(AsControl(text)->pane->hwnd(), shown, sizeof shown);
    EXPECT_STREQ(shown, "Fixpoints: 0");
}

TEST_F(DrawnControls, StaticTextMnemonicFiresAcceleratorKey) {
    ObjectInstance* text = Text("&Latitude", 10, 10, 100, 20);
    host.CreatePane(text);
    SetFocus(host.hwnd());
    PressKey('L', VK_MENU);
    EXPECT_EQ(log, "K");
    ControlVisibleSetter(text, 0, false);
    PressKey('L', VK_MENU);
    EXPECT_EQ(log, "K") << "a hidden control is not activated";
}

TEST_F(DrawnControls, StaticTextMouseDragAndUpFollowOnlyATrackedPress) {
    ObjectInstance* text = Text("Click me", 40, 50, 100, 20);
    host.CreatePane(text);
    ClickAt(host.hwnd(), 45, 55);
    EXPECT_EQ(log, "D5,5") << "MouseDown False: nothing follows";
    EXPECT_EQ(FieldsOf<StaticTextFields>(text)->mouseTracking, 0);
    log.clear();
    trackPresses = true;
    ClickAt(host.hwnd(), 47, 58);
    EXPECT_EQ(log, "D7,8U");
    EXPECT_EQ(FieldsOf<StaticTextFields>(text)->mouseTracking, 1);
}

TEST_F(DrawnControls, AProgressBarWithMaximum40AndValue20ShowsHalf) {
    ObjectInstance* bar = host.New(ProgressBarClass(), 13, 45, 282, 12);
    progressMaximumSetter(bar, 0, 40);
    host.CreatePane(bar);
    progressValueSetter(bar, 0, 20);
    HWND hwnd = AsControl(bar)->pane->hwnd();
    EXPECT_EQ(SendMessageA(hwnd, PBM_GETPOS, 0, 0), 20);
    EXPECT_EQ(SendMessageA(hwnd, PBM_GETRANGE, FALSE, 0), 40);
    EXPECT_EQ(SendMessageA(hwnd, PBM_GETRANGE, TRUE, 0), 0);
    EXPECT_EQ(ProgressBlockPosition(bar), -1);
    Surface screen(282, 12);
    ControlHost::Pump(100);
    screen.CaptureFrom(hwnd, 282, 12);
    COLORREF fill = GetSysColor(COLOR_HIGHLIGHT);
    int filledLeft = 0, filledRight = 0;
    for (int x = 4; x < 137; x++) filledLeft += screen.At(x, 6) == fill;
    for (int x = 145; x < 278; x++) filledRight += screen.At(x, 6) == fill;
    EXPECT_GT(filledLeft, 100) << "the left half is filled";
    EXPECT_EQ(filledRight, 0) << "the right half is not";
}

// The classic block, drawn by the test from the rules.
void DrawBlockReference(Surface& s, int p) {
    const int w = s.width(), h = s.height();
    auto fill = [&](int l, int t, int r, int b, int color) {
        RECT area = {l, t, r, b};
        FillRect(s.dc(), &area, GetSysColorBrush(color));
    };
    fill(1, 1, w - 1, h - 1, COLOR_BTNFACE);
    fill(0, h - 1, w, h, COLOR_BTNHIGHLIGHT);   // bottom
    fill(0, 0, 1, h, COLOR_BTNHIGHLIGHT);       // left
    fill(0, 0, w, 1, COLOR_BTNSHADOW);          // top
    fill(w - 1, 0, w, h, COLOR_BTNSHADOW);      // right
    fill(8 * p, 2, 8 * p + 6, h - 2, COLOR_HIGHLIGHT);
}

TEST_F(DrawnControls, MaximumZeroShowsTheMovingBlock) {
    ObjectInstance* bar = host.New(ProgressBarClass(), 10, 10, 40, 12);   // 5 steps
    host.CreatePane(bar);
    ASSERT_EQ(ProgressBlockPosition(bar), 0);
    std::vector<int> positions;
    for (int i = 0; i < 10; i++) {
        DWORD start = GetTickCount();
        int before = ProgressBlockPosition(bar);
        while (ProgressBlockPosition(bar) == before && GetTickCount() - start < 2000) {
            ControlHost::Pump(10);
            RunDuePeriodicTasks();
        }
        positions.push_back(ProgressBlockPosition(bar));
    }
    EXPECT_EQ(positions, (std::vector<int>{1, 2, 3, 4, 3, 2, 1, 0, 1, 2}));
    Surface screen(40, 12), reference(40, 12);
    ControlHost::Pump(50);
    HDC windowDC = GetDC(host.hwnd());
    BitBlt(screen.dc(), 0, 0, 40, 12, windowDC, 10, 10, SRCCOPY);
    ReleaseDC(host.hwnd(), windowDC);
    DrawBlockReference(reference, ProgressBlockPosition(bar));
    EXPECT_TRUE(screen.SameAs(reference));

    progressMaximumSetter(bar, 0, 100);
    EXPECT_EQ(ProgressBlockPosition(bar), -1) << "a maximum stops the block";
    progressMaximumSetter(bar, 0, -1);
    EXPECT_EQ(ProgressBlockPosition(bar), 0);
}

TEST_F(DrawnControls, ACanvasShowsItsBackdropThenWhatItsPaintDraws) {
    ClassRecord* painting = TestSubclass(CanvasClass(), {{"Paint", (void*)&OnCanvasPaint}});
    ObjectInstance* canvas = host.New(painting, 30, 40, 60, 40);
    ObjectRef picture(RuntimeProjectObject(1));
    ASSERT_NE(picture.get(), nullptr);
    canvasBackdropSetter(canvas, 0, picture.get());
    host.CreatePane(canvas);
    EXPECT_EQ(GetWindowLongA(AsControl(canvas)->pane->hwnd(), GWL_EXSTYLE) & WS_EX_TRANSPARENT, 0);
    ControlHost::Pump(100);
    EXPECT_NE(log.find('P'), std::string::npos);
    Surface screen(60, 40);
    HDC window = GetDC(host.hwnd());
    BitBlt(screen.dc(), 0, 0, 60, 40, window, 30, 40, SRCCOPY);
    ReleaseDC(host.hwnd(), window);
    EXPECT_EQ(screen.At(0, 0), RGB(255, 0, 0)) << "the backdrop at the top-left";
    EXPECT_EQ(screen.At(15, 15), RGB(255, 0, 0));
    EXPECT_EQ(screen.At(16, 16), GetSysColor(COLOR_BTNFACE)) << "in its own size";
    EXPECT_EQ(screen.At(20, 10), RGB(0, 0, 255)) << "Paint draws in canvas coordinates";
    EXPECT_EQ(screen.At(27, 15), RGB(0, 0, 255));
    EXPECT_EQ(screen.At(28, 16), GetSysColor(COLOR_BTNFACE));

    ObjectRef graphics(canvasGraphicsGetter(canvas, 0));
    EXPECT_NE(graphics.get(), nullptr);
    ObjectRef again(canvasGraphicsGetter(canvas, 0));
    EXPECT_EQ(graphics.get(), again.get()) << "the same cached Graphics";
}

TEST_F(DrawnControls, ACanvasWithoutPaintIsTransparentAndNeedsAPaneForGraphics) {
    ObjectInstance* canvas = host.New(CanvasClass(), 10, 10, 50, 50);
    ObjectRef none(canvasGraphicsGetter(canvas, 0));
    EXPECT_EQ(none.get(), nullptr);
    host.CreatePane(canvas);
    EXPECT_NE(GetWindowLongA(AsControl(canvas)->pane->hwnd(), GWL_EXSTYLE) & WS_EX_TRANSPARENT, 0);
}

TEST_F(DrawnControls, ACanvasCapturesTheMouseWhenMouseDownSaysTrue) {
    ClassRecord* tracking = TestSubclass(CanvasClass(), {{"MouseDown", (void*)&OnCanvasMouseDown},
                                                         {"MouseDrag", (void*)&OnTextMouseDrag},
                                                         {"MouseUp", (void*)&OnCanvasMouseUp}});
    ObjectInstance* canvas = host.New(tracking, 40, 40, 80, 60);
    host.CreatePane(canvas);
    DragFrom(host.hwnd(), 50, 50, 200, 150);
    EXPECT_EQ(log, "D10,10") << "MouseDown False: no drag, no up";
    log.clear();
    trackPresses = true;
    DragFrom(host.hwnd(), 50, 50, 200, 150);
    EXPECT_EQ(log, "D10,10MU160,110") << "drags and the release outside the canvas still reach it";
}

} // namespace
