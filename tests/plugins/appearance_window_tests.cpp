// apctl1's controls in a real runtime window: apctl1.dll is stored in a
// plug-in record and installed by the host when the runtime starts; the
// controls get their panes as the window gives them, and a person clicks
// and drags them. Event handlers are those of subclasses made here, as an
// application's classes would be.
#include "controlhost.h"
#include "testfiles.h"
#include "core/objects.h"
#include "core/string.h"
#include "core/utility.h"
#include "plugins/install.h"
#include "plugins/pluginclasses.h"
#include "ui/shortcuts.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

// The control host's class list has a check box and a timer subclass with
// Action handlers; this program places neither, so they do nothing.
extern "C" void DescribedCheckBoxAction(ObjectInstance*) {}
extern "C" void DescribedTimerAction(ObjectInstance*) {}

namespace {

// The stored record of apctl1.dll as an image holds it.
void StoreApctl1() {
    static std::string record;
    std::string library = ReadWholeFile(ProgramFolder() + "\\..\\..\\plugins\\apctl1.dll");
    ASSERT_GT(library.size(), 0u);
    const std::string name = "apctl1.dll";
    uint32_t count = uint32_t(4 + 1 + name.size() + library.size());
    record.assign(12, '\0');
    memcpy(&record[4], &count, 4);
    record += char(name.size());
    record += name + library;
    Win32InstallPlugins(record.data());
}

ClassRecord* Plugin(const char* name) { return FindClassNamed(name, uint32_t(strlen(name))); }

// What the handlers saw.
struct Seen {
    int actions = 0;
    std::vector<DWORD> ups;
    int downs = 0;
} seen;

void CountAction(ObjectInstance*) { seen.actions++; }
void CountUp(ObjectInstance*) { seen.ups.push_back(GetTickCount()); }
void CountDown(ObjectInstance*) { seen.downs++; }

// An application subclass of a plug-in control with handlers by event name.
ClassRecord* Subclass(const char* control, std::initializer_list<std::pair<const char*, void (*)(ObjectInstance*)>> handlers) {
    StringRef name(NewStringFromText((std::string("My") + control).c_str()));
    ClassRecord* cls = NewClassRecord(name.get(), Plugin(control), 0);
    for (const auto& handler : handlers) {
        EventHandler* entry = static_cast<EventHandler*>(NewRuntimeRecord(sizeof(EventHandler)));
        *entry = EventHandler{cls->eventHandlers, NewStringFromText(handler.first),
                              reinterpret_cast<uint32_t>(handler.second), 0};
        cls->eventHandlers = entry;
    }
    return cls;
}

void Set(ObjectInstance* control, const char* property, uint32_t value) {
    const PluginProperty* p = FindPluginProperty(control->cls, property, uint32_t(strlen(property)));
    ASSERT_NE(p, nullptr) << property;
    reinterpret_cast<void (*)(ObjectInstance*, uint32_t, uint32_t)>(p->setter)(control, p->setterParameter, value);
}

uint8_t DataByte(ObjectInstance* control, int offset) {
    return reinterpret_cast<uint8_t*>(control)[96 + offset];
}

class AppearanceWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() { StoreApctl1(); }
};

void SaveWindowBitmap(HWND window, const std::string& path) {
    RECT client;
    GetClientRect(window, &client);
    HDC source = GetDC(window);
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), client.right, client.bottom, 1, 24, BI_RGB};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, client.right, client.bottom, source, 0, 0, SRCCOPY);
    GdiFlush();
    DWORD row = (client.right * 3 + 3) & ~3u, size = row * client.bottom;
    BITMAPFILEHEADER file = {0x4D42, DWORD(sizeof file + sizeof info.bmiHeader + size), 0, 0,
                             DWORD(sizeof file + sizeof info.bmiHeader)};
    std::string bytes(reinterpret_cast<char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<char*>(&info.bmiHeader), sizeof info.bmiHeader);
    bytes.append(static_cast<char*>(bits), size);
    WriteWholeFile(path, bytes);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, source);
}

} // namespace

TEST_F(AppearanceWindow, TheEightControlsDrawInAWindow) {
    ControlHost host(360, 120);
    ASSERT_NE(Plugin("BevelButton"), nullptr);
    struct Place { const char* name; int left, top, width, height; } places[] = {
        {"BevelButton", 12, 12, 90, 26}, {"ChasingArrows", 120, 16, 16, 16},
        {"LittleArrows", 152, 12, 13, 23}, {"Placard", 184, 12, 64, 30},
        {"Separator", 12, 56, 236, 4}, {"PopupArrow", 264, 18, 10, 10},
        {"DisclosureTriangle", 292, 16, 12, 12}, {"ImageWell", 12, 72, 40, 40}};
    std::vector<ObjectInstance*> controls;
    for (const Place& p : places) {
        ObjectInstance* control = host.New(Plugin(p.name), p.left, p.top, p.width, p.height);
        controls.push_back(control);
    }
    StringRef caption(NewStringFromText("&Save subset"));
    Set(controls[0], "Caption", reinterpret_cast<uint32_t>(caption.get()));
    Set(controls[0], "HasMenu", 1);
    Set(controls[5], "Facing", 3);
    Set(controls[6], "Value", 1);
    for (ObjectInstance* control : controls) host.CreatePane(control);
    ControlHost::Pump(400);

    SaveWindowBitmap(host.hwnd(), ProgramFolder() + "\\appearance.bmp");
    HDC dc = GetDC(host.hwnd());
    EXPECT_EQ(GetPixel(dc, 184, 12), RGB(0, 0, 0));                      // the placard's frame
    EXPECT_EQ(GetPixel(dc, 185, 13), GetSysColor(COLOR_BTNHIGHLIGHT));   // ... and its light edge
    EXPECT_EQ(GetPixel(dc, 12, 12), RGB(0, 0, 0));                       // the bevel button's frame
    EXPECT_EQ(GetPixel(dc, 264 + 4, 18 + 2), RGB(0, 0, 0));              // the pop-up arrow facing down
    EXPECT_EQ(GetPixel(dc, 12 + 2, 72 + 2), RGB(255, 255, 255));         // the image well
    ReleaseDC(host.hwnd(), dc);
}

TEST_F(AppearanceWindow, ABevelButtonToggledByClicksAndNotByAClickDraggedAway) {
    ControlHost host(200, 80);
    ObjectInstance* button = host.New(Subclass("BevelButton", {{"Action", CountAction}}), 20, 20, 80, 24);
    Set(button, "ButtonType", 1);
    host.CreatePane(button);
    seen = Seen{};
    ClickAt(host.hwnd(), 50, 30);
    EXPECT_EQ(DataByte(button, 34), 1);       // Value on
    EXPECT_EQ(seen.actions, 1);
    DragFrom(host.hwnd(), 50, 30, 150, 70);   // released outside: nothing
    EXPECT_EQ(DataByte(button, 34), 1);
    EXPECT_EQ(seen.actions, 1);
    ClickAt(host.hwnd(), 50, 30);
    EXPECT_EQ(DataByte(button, 34), 0);
    EXPECT_EQ(seen.actions, 2);

    Set(button, "ButtonType", 2);             // sticky
    ClickAt(host.hwnd(), 50, 30);
    ClickAt(host.hwnd(), 50, 30);
    EXPECT_EQ(DataByte(button, 34), 1);
    Set(button, "Value", 0);
    EXPECT_EQ(DataByte(button, 34), 0);
}

TEST_F(AppearanceWindow, ADisclosureTriangleDraggedOutStaysAsItWas) {
    ControlHost host(120, 60);
    ObjectInstance* triangle = host.New(Subclass("DisclosureTriangle", {{"Action", CountAction}}), 20, 20, 12, 12);
    host.CreatePane(triangle);
    seen = Seen{};
    DragFrom(host.hwnd(), 25, 25, 90, 50);
    EXPECT_EQ(DataByte(triangle, 4), 0);
    EXPECT_EQ(seen.actions, 0);
    ClickAt(host.hwnd(), 25, 25);
    EXPECT_EQ(DataByte(triangle, 4), 1);
    EXPECT_EQ(seen.actions, 1);
}

TEST_F(AppearanceWindow, LittleArrowsRepeatAfter400MsAndAtMostEvery15Ms) {
    ControlHost host(120, 80);
    ObjectInstance* arrows = host.New(Subclass("LittleArrows", {{"Up", CountUp}, {"Down", CountDown}}),
                                      20, 20, 13, 23);
    host.CreatePane(arrows);
    seen = Seen{};
    POINT at = {25, 25};
    ClientToScreen(host.hwnd(), &at);
    SetCursorPos(at.x, at.y);
    DWORD pressed = GetTickCount();
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    SendInput(1, &input, sizeof input);
    for (int i = 0; i < 40; i++) {          // the person holds the button and jiggles
        SetCursorPos(at.x, at.y + (i & 1));
        ControlHost::Pump(30);
    }
    input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
    ControlHost::Pump(60);
    ASSERT_GE(seen.ups.size(), 2u);
    EXPECT_LT(seen.ups[0] - pressed, 400u);            // the click itself
    EXPECT_GE(seen.ups[1] - seen.ups[0], 400u);        // no repeat sooner
    for (size_t i = 2; i < seen.ups.size(); i++) EXPECT_GE(seen.ups[i] - seen.ups[i - 1], 15u);
    EXPECT_EQ(seen.downs, 0);
    ClickAt(host.hwnd(), 25, 20 + 12);                 // the down half starts at row 12
    EXPECT_EQ(seen.downs, 1);
}

namespace {

bool SayYes(ObjectInstance*, int, int) { return true; }
void CountDrag(ObjectInstance*, int, int) { seen.downs++; }
void CountRelease(ObjectInstance*, int, int) { seen.actions++; }

using MouseHandler = void (*)(ObjectInstance*);
template <typename F>
MouseHandler AsHandler(F f) { return reinterpret_cast<MouseHandler>(f); }

} // namespace

// The placard's click slot answers with MouseDown: without a handler that
// says true the press is not tracked, so MouseDrag and MouseUp never come.
TEST_F(AppearanceWindow, OnlyAClickThatSlot3TakesIsTracked) {
    ControlHost host(160, 80);
    ObjectInstance* quiet = host.New(Subclass("Placard", {{"MouseDrag", AsHandler(CountDrag)},
                                                          {"MouseUp", AsHandler(CountRelease)}}),
                                     10, 10, 50, 40);
    host.CreatePane(quiet);
    seen = Seen{};
    DragFrom(host.hwnd(), 20, 20, 30, 30);
    EXPECT_EQ(seen.downs, 0);
    EXPECT_EQ(seen.actions, 0);

    ObjectInstance* eager = host.New(Subclass("Placard", {{"MouseDown", AsHandler(SayYes)},
                                                          {"MouseDrag", AsHandler(CountDrag)},
                                                          {"MouseUp", AsHandler(CountRelease)}}),
                                     90, 10, 50, 40);
    host.CreatePane(eager);
    DragFrom(host.hwnd(), 100, 20, 120, 30);
    EXPECT_GE(seen.downs, 1);
    EXPECT_EQ(seen.actions, 1);
}

// While its window is not the active one a control draws as disabled, and
// reads as enabled again outside the drawing.
TEST_F(AppearanceWindow, AnInactiveWindowsControlsDrawDisabled) {
    ControlHost back(260, 100);
    ObjectInstance* placard = back.New(Plugin("Placard"), 180, 40, 60, 40);
    back.CreatePane(placard);
    ControlHost front(80, 60);     // takes the activation; it covers only the left of back
    ControlHost::Pump(200);
    RedrawWindow(back.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ControlHost::Pump(200);
    HDC dc = GetDC(back.hwnd());
    EXPECT_EQ(GetPixel(dc, 180, 40), RGB(153, 153, 153));
    EXPECT_EQ(GetPixel(dc, 182, 42), RGB(238, 238, 238));
    ReleaseDC(back.hwnd(), dc);
    EXPECT_EQ(AsRectControl(placard)->enabled, 1);
}

namespace {

bool answerDown, answerUp;
bool AnswerDown(ObjectInstance*, int, int) { return answerDown; }
bool AnswerUp(ObjectInstance*, int, int) { return answerUp; }

// Adds a row with the text, or a separator for null, through the methods
// the bevel button registered.
void AddRowTo(ObjectInstance* button, const char* text) {
    StringRef row(text ? NewStringFromText(text) : nullptr);
    ClassRecord* cls = button->cls;
    while (cls && !PluginClassOf(cls)) cls = cls->superclass;
    for (PluginMethod* m = PluginClassOf(cls)->methods; m; m = m->next) {
        if (strcmp(StringText(m->descriptor->name), text ? "AddRow" : "AddSeparator") != 0) continue;
        if (text) reinterpret_cast<void (*)(ObjectInstance*, StringObject*)>(m->routine)(button, row.get());
        else reinterpret_cast<void (*)(ObjectInstance*)>(m->routine)(button);
    }
}

// Presses Down twice and Return in the first pop-up menu that shows.
DWORD WINAPI ChooseSecondRow(void*) {
    for (int i = 0; i < 200 && !FindWindowA("#32768", nullptr); i++) Sleep(50);
    Sleep(200);
    for (WORD key : {WORD(VK_DOWN), WORD(VK_DOWN), WORD(VK_RETURN)}) {
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_KEYBOARD;
        input[0].ki.wVk = input[1].ki.wVk = key;
        input[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, input, sizeof(INPUT));
        Sleep(150);
    }
    return 0;
}

} // namespace

// Action is left out only when MouseDown said true and then MouseUp did too.
TEST_F(AppearanceWindow, ABevelButtonsActionAfterMouseDownAndMouseUp) {
    ControlHost host(200, 80);
    ObjectInstance* button = host.New(Subclass("BevelButton", {{"Action", CountAction},
                                                                {"MouseDown", AsHandler(AnswerDown)},
                                                                {"MouseUp", AsHandler(AnswerUp)}}),
                                      20, 20, 80, 24);
    host.CreatePane(button);
    struct Case { bool down, up; int actions; } cases[] = {
        {false, false, 1}, {false, true, 1}, {true, false, 1}, {true, true, 0}};
    for (const Case& c : cases) {
        seen = Seen{};
        answerDown = c.down;
        answerUp = c.up;
        ClickAt(host.hwnd(), 50, 30);
        EXPECT_EQ(seen.actions, c.actions) << c.down << c.up;
    }
}

// The menu counts its separator: MenuValue 2 is the second row with text,
// and choosing that row sets MenuValue to 2 and fires Action.
TEST_F(AppearanceWindow, ABevelButtonsMenuChoosesByPosition) {
    ControlHost host(200, 120);
    ObjectInstance* button = host.New(Subclass("BevelButton", {{"Action", CountAction}}), 20, 20, 80, 24);
    Set(button, "HasMenu", 1);
    AddRowTo(button, "Alpha");
    AddRowTo(button, nullptr);
    AddRowTo(button, "Beta");
    host.CreatePane(button);
    seen = Seen{};
    HANDLE person = CreateThread(nullptr, 0, ChooseSecondRow, nullptr, 0, nullptr);
    ClickAt(host.hwnd(), 50, 30);
    WaitForSingleObject(person, 30000);
    CloseHandle(person);
    ControlHost::Pump(100);
    EXPECT_EQ(*reinterpret_cast<int16_t*>(reinterpret_cast<uint8_t*>(button) + 96 + 32), 2);
    EXPECT_EQ(seen.actions, 1);
}

TEST_F(AppearanceWindow, ACaptionsMnemonicBecomesTheAltShortcut) {
    ControlHost host(200, 80);
    ObjectInstance* button = host.New(Plugin("BevelButton"), 20, 20, 80, 24);
    host.CreatePane(button);
    StringRef plain(NewStringFromText("Fish &&Chips"));
    Set(button, "Caption", reinterpret_cast<uint32_t>(plain.get()));
    EXPECT_EQ(FindShortcut("Alt+C"), nullptr);
    StringRef marked(NewStringFromText("&Save"));
    Set(button, "Caption", reinterpret_cast<uint32_t>(marked.get()));
    const Shortcut* shortcut = FindShortcut("Alt+S");
    ASSERT_NE(shortcut, nullptr);
    EXPECT_EQ(shortcut->pane, AsControl(button)->pane);
}
