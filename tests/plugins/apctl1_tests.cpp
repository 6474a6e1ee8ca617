// apctl1 installed from the fixture image by the real host: its eight
// controls, and the bevel button's menu rows, font mapping and defaults
// reached through the image's deferred names.
#include "hostfixture.h"
#include "core/objects.h"
#include "core/string.h"
#include "plugins/pluginclasses.h"
#include "plugins/registry.h"
#include <gtest/gtest.h>
#include <cstring>

namespace {

constexpr int kBevelButtonIndex = 2;   // in the fixture's class list

std::string Text(StringObject* s) {
    std::string text = StringText(s);
    RuntimeUnlockString(s);
    return text;
}

struct Bevel {
    HostFixture& host = Host();
    ObjectRef button{RuntimeNewObject(kBevelButtonIndex)};

    template <typename F>
    F Call(const char* symbol) { return host.Routine<F>(symbol); }

    void Add(const char* text) {
        StringRef row(NewStringFromText(text));
        Call<void (*)(ObjectInstance*, StringObject*)>("CallAddRow")(button.get(), row.get());
    }
    void Insert(int at, const char* text) {
        StringRef row(NewStringFromText(text));
        Call<void (*)(ObjectInstance*, int, StringObject*)>("CallInsertRow")(button.get(), at, row.get());
    }
    void Remove(int at) { Call<void (*)(ObjectInstance*, int)>("CallRemoveRow")(button.get(), at); }
    std::string Row(int at) {
        return Text(Call<StringObject* (*)(ObjectInstance*, int)>("CallList")(button.get(), at));
    }
    std::string Rows() {
        std::string rows;
        for (int i = 0; i < 8; i++) rows += "[" + Row(i) + "]";
        return rows;
    }
};

} // namespace

TEST(Apctl1, RegistersItsEightControlsInOrder) {
    Host();
    const char* names[] = {"ImageWell", "DisclosureTriangle", "PopupArrow", "Separator",
                           "Placard", "LittleArrows", "ChasingArrows", "BevelButton"};
    PluginClass* control = FirstPluginControl();   // tplugin's controls come first
    while (control && strcmp(StringText(control->record->name), "ImageWell") != 0)
        control = control->nextOfKind;
    for (const char* name : names) {
        ASSERT_NE(control, nullptr) << name;
        EXPECT_STREQ(StringText(control->record->name), name);
        EXPECT_EQ(control->definition[15], 96u) << name;   // the data offset, written back
        control = control->nextOfKind;
    }
    ClassRecord* bevel = PluginClassOf(ClassAtIndex(kBevelButtonIndex))->record;
    EXPECT_EQ(InstanceSizeOf(bevel), 96u + 112u);
    const PluginProperty* type = FindPluginProperty(bevel, "ButtonType", 10);
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->type.kind, BuiltinType::Integer);
    EXPECT_EQ(type->getterParameter, 196u);
    const PluginProperty* icon = FindPluginProperty(bevel, "Icon", 4);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->type.cls, FindBuiltinClass("Picture"));
    EXPECT_EQ(icon->setterParameter, 68u);   // the plug-in's own setter
    EXPECT_EQ(bevel->interfaceCount, 0u);    // no interface "ActionSource" in this runtime
}

TEST(Apctl1, ABevelButtonStartsWithTheRuntimesDefaults) {
    Bevel b;
    EXPECT_EQ(Text(b.Call<StringObject* (*)(ObjectInstance*)>("CallCaption")(b.button.get())), "Untitled");
    EXPECT_EQ(Text(b.Call<StringObject* (*)(ObjectInstance*)>("CallTextFont")(b.button.get())), "System");
    EXPECT_EQ(b.Call<int (*)(ObjectInstance*)>("CallTextSize")(b.button.get()), 12);
}

TEST(Apctl1, MenuRowsCountSeparatorsAndIgnoreBadPositions) {
    Bevel b;
    b.Add("Alpha");
    b.Call<void (*)(ObjectInstance*)>("CallAddSeparator")(b.button.get());
    b.Add("Gamma");
    EXPECT_EQ(b.Rows(), "[Alpha][][Gamma][][][][][]");   // a separator reads as empty
    b.Remove(-1);                                          // nothing
    b.Remove(3);                                           // nothing
    b.Insert(0, "First");
    b.Insert(99, "Last");                                  // past the end appends
    b.Insert(2, "Middle");
    EXPECT_EQ(b.Rows(), "[First][Alpha][Middle][][Gamma][Last][][]");
    b.Remove(1);
    StringRef replaced(NewStringFromText("Beta"));
    b.Call<void (*)(ObjectInstance*, int, StringObject*)>("CallAssignList")(b.button.get(), 0, replaced.get());
    b.Call<void (*)(ObjectInstance*, int, StringObject*)>("CallAssignList")(b.button.get(), 9, replaced.get());
    EXPECT_EQ(b.Rows(), "[Beta][Middle][][Gamma][Last][][][]");
    b.Call<void (*)(ObjectInstance*)>("CallDeleteAllRows")(b.button.get());
    EXPECT_EQ(b.Rows(), "[][][][][][][][]");
}

TEST(Apctl1, MenuValueKeepsSixteenSignedBits) {
    Bevel b;
    auto set = b.Call<void (*)(ObjectInstance*, int)>("CallSetMenuValue");
    auto get = b.Call<int (*)(ObjectInstance*)>("CallMenuValue");
    set(b.button.get(), 2);
    EXPECT_EQ(get(b.button.get()), 2);
    set(b.button.get(), 0x1FFFF);
    EXPECT_EQ(get(b.button.get()), -1);
}

TEST(Apctl1, TextFontNamesAreMappedIgnoringCase) {
    Bevel b;
    struct Case { const char* given; const char* stored; } cases[] = {
        {"helvetica", "Arial"}, {"SYSTEM", "MS Sans Serif"}, {"Geneva", "MS Sans Serif"},
        {"Courier", "Courier New"}, {"times", "Times New Roman"}, {"Osaka", "MS UI Gothic"},
        {"MS Sans Serif", "MS Sans Serif"}, {"Tahoma", "Tahoma"}};
    for (const Case& c : cases) {
        StringRef name(NewStringFromText(c.given));
        b.Call<void (*)(ObjectInstance*, StringObject*)>("CallSetTextFont")(b.button.get(), name.get());
        EXPECT_EQ(Text(b.Call<StringObject* (*)(ObjectInstance*)>("CallTextFont")(b.button.get())), c.stored);
    }
}

TEST(Apctl1, TheLibraryExportsOnlyItsEntryPoint) {
    Host();
    HMODULE module = GetModuleHandleA("apctl1.dll");
    ASSERT_NE(module, nullptr);
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(reinterpret_cast<const char*>(module) + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(reinterpret_cast<const char*>(module) +
                                                                     directory.VirtualAddress);
    EXPECT_EQ(exports->NumberOfNames, 1u);
    EXPECT_EQ(exports->NumberOfFunctions, 1u);
    EXPECT_NE(GetProcAddress(module, "OPALPluginMain"), nullptr);
}
