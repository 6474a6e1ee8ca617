// The plug-in host on a real image with real plug-in libraries: installation
// order and files, the resolver, registration and its version rules, class
// linking, deferred names and events fired into application code.
#include "hostfixture.h"
#include "testfiles.h"
#include "core/entrytable.h"
#include "core/image.h"
#include "core/objects.h"
#include "core/string.h"
#include "plugins/diagnostics.h"
#include "plugins/pluginclasses.h"
#include "plugins/pluginrecords.h"
#include "plugins/registry.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>

extern "C" ObjectInstance* FolderItemFromPath(const char* path);

namespace {

std::vector<std::string>* diagnosticSink;
void KeepDiagnostic(const char* text) { diagnosticSink->push_back(text); }

HANDLE HoldOpen(const std::string& path) {
    return CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
}

ClassRecord* ClassNamed(const char* name) {
    return static_cast<ClassRecord*>(
        const_cast<void*>(FindClassByName(name, static_cast<uint32_t>(strlen(name)))));
}

const PluginProperty* PropertyOf(const char* cls, const char* name) {
    return FindPluginProperty(ClassNamed(cls), name, static_cast<uint32_t>(strlen(name)));
}

std::string ModulePath(HMODULE module) {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(module, path, sizeof path);
    return path;
}

uint32_t WordAt(const uint8_t* at) {
    uint32_t word;
    memcpy(&word, at, 4);
    return word;
}

} // namespace

std::string SystemFolder() {
    char path[MAX_PATH];
    GetSystemDirectoryA(path, sizeof path);
    return path;
}

std::string WindowsFolder() {
    char path[MAX_PATH];
    GetWindowsDirectoryA(path, sizeof path);
    return path;
}

HostFixture& Host() {
    static HostFixture host;
    if (host.loaded) return host;
    host.loaded = true;
    DeleteFileA((WindowsFolder() + "\\fsel1.dll").c_str());
    HANDLE held[] = {HoldOpen(SystemFolder() + "\\fsel1.dll"),
                     HoldOpen(SystemFolder() + "\\tbusy.dll"),
                     HoldOpen(WindowsFolder() + "\\tbusy.dll")};
    diagnosticSink = &host.diagnostics;
    ObservePluginDiagnostics(KeepDiagnostic);
    EXPECT_TRUE(host.image.Load("", {IDOK}));
    ObservePluginDiagnostics(nullptr);
    for (HANDLE handle : held) CloseHandle(handle);
    return host;
}

TEST(Installation, LastStoredFirstWithTheFallbackAndTheReport) {
    HostFixture& host = Host();
    // tbusy.dll could be written nowhere: one report, and nothing loaded.
    ASSERT_EQ(host.image.boxes().size(), 1u);
    EXPECT_EQ(host.image.boxes()[0].text, FailedAssertionText(4, "plugin", 2135));

    // Newest first: tplugin was loaded after fsel1 (which the system
    // directory refused and the Windows directory took), fsel1 after apctl1.
    PluginRecord* newest = FirstPluginRecord();
    ASSERT_NE(newest, nullptr);
    ASSERT_NE(newest->next, nullptr);
    ASSERT_NE(newest->next->next, nullptr);
    EXPECT_EQ(newest->next->next->next, nullptr);
    EXPECT_STRCASEEQ(ModulePath(newest->next->next->module).c_str(),
                     (SystemFolder() + "\\apctl1.dll").c_str());
    EXPECT_STRCASEEQ(ModulePath(newest->module).c_str(), (SystemFolder() + "\\tplugin.dll").c_str());
    EXPECT_STRCASEEQ(ModulePath(newest->next->module).c_str(),
                     (WindowsFolder() + "\\fsel1.dll").c_str());
    EXPECT_EQ(newest->version, 5);
    EXPECT_EQ(CurrentPlugin(), nullptr);

    EXPECT_EQ(ReadWholeFile(SystemFolder() + "\\tplugin.dll"),
              ReadWholeFile(ProgramFolder() + "\\..\\..\\plugins\\tplugin.dll"));
    EXPECT_EQ(ReadWholeFile(WindowsFolder() + "\\fsel1.dll"),
              ReadWholeFile(ProgramFolder() + "\\..\\..\\plugins\\fsel1.dll"));
}

TEST(Installation, ARecordOf64527BytesWithATenByteNameYieldsA64512ByteFile) {
    Host();
    const uint8_t* record = reinterpret_cast<const uint8_t*>(
        Host().image.Data<uint32_t>("tessel_stored_plugins"));
    while (record && std::string(reinterpret_cast<const char*>(record + 13), record[12]) != "pad64k.dll")
        record = reinterpret_cast<const uint8_t*>(WordAt(record));
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record[12], 10);
    EXPECT_EQ(WordAt(record + 4), 64527u);
    std::string written = ReadWholeFile(SystemFolder() + "\\pad64k.dll");
    EXPECT_EQ(written.size(), 64512u);
    EXPECT_TRUE(written == std::string(64512, 'P'));
}

TEST(Resolver, NullForANameWithoutASlotAndBlindToLetterCase) {
    auto resolve = Host().Routine<int (*)(StringObject*)>("CallResolve");
    StringRef unknown(NewStringFromText("PluginRegisterDBTable"));
    StringRef lower(NewStringFromText("opalbuildstring"));
    EXPECT_EQ(resolve(unknown.get()), 0);
    EXPECT_EQ(reinterpret_cast<void*>(resolve(lower.get())), PluginLookup("OPALBuildString"));
    EXPECT_NE(resolve(lower.get()), 0);
}

TEST(Registration, VersionRulesForControlsClassesAndGlobalMethods) {
    HostFixture& host = Host();
    EXPECT_EQ(ClassNamed("Phantom"), nullptr);        // definition version 2
    EXPECT_EQ(ClassNamed("IgnoredClass"), nullptr);   // plug-in version 2
    EXPECT_EQ(FindPluginMethodRoutine(nullptr, "IgnoredV2 As Integer", 20, false), nullptr);

    // A version-1 control is converted: default size 100 x 100, and its own
    // record gets the data offset at byte 52.
    ClassRecord* old = ClassNamed("OldGauge");
    ASSERT_NE(old, nullptr);
    const uint32_t* converted = PluginClassOf(old)->definition;
    EXPECT_EQ(converted[0], 4u);
    EXPECT_EQ(converted[6], 100u);
    EXPECT_EQ(converted[7], 100u);
    EXPECT_EQ(host.Routine<int (*)()>("CallOldGaugeDataOffset")(), 96);
    EXPECT_NE(PropertyOf("OldGauge", "Width"), nullptr);
    EXPECT_NE(FindPluginMethodRoutine(old, "Thrice(n As Integer) As Integer", 31, false), nullptr);

    // Version-1 global methods take their routine from the export table.
    EXPECT_EQ(host.Routine<int (*)(int)>("CallFromExports")(21), 42);
    EXPECT_EQ(host.Routine<int (*)(int)>("CallTwice")(8), 16);
}

TEST(Registration, PropertiesResolveTheirTypesAndAccessors) {
    Host();
    ClassRecord* gauge = ClassNamed("Gauge");
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(InstanceSizeOf(gauge), 96u + 16u);
    const PluginProperty* level = PropertyOf("gauge", "LEVEL");
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->type.kind, BuiltinType::Integer);    // "integer" in lower case
    EXPECT_EQ(level->getterParameter, 96u);
    const PluginProperty* face = PropertyOf("Gauge", "Face");
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->type.kind, BuiltinType::Object);
    EXPECT_EQ(face->type.cls, ClassNamed("Picture"));
    EXPECT_EQ(face->getter, reinterpret_cast<void*>(&objGetter));
    EXPECT_EQ(face->getterParameter, 100u);
    const PluginProperty* label = PropertyOf("Gauge", "Label");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->getterParameter, 8u);               // the plug-in's own routine
    EXPECT_EQ(PropertyOf("Gauge", "Bogus"), nullptr);     // a type nobody knows
    EXPECT_NE(FindNamedHook(gauge, "CreatePane"), nullptr);
    ASSERT_NE(FindNamedHook(gauge, "GaugeHook"), nullptr);
    EXPECT_EQ(reinterpret_cast<int (*)(void*)>(FindNamedHook(gauge, "gaugehook"))(nullptr), 77);
}

TEST(Registration, RefusedDeclarationsSayWhy) {
    const std::vector<std::string>& seen = Host().diagnostics;
    for (const char* expected : {
             "Invalid plugin method format: Bad(x As NoSuchClass)",
             "Unknown type \"NoSuchClass\" in plugin method Bad2 As NoSuchClass",
             "Invalid return type: Bad3 As 42",
             "Invalid plugin method format: Refused(x As Nowhere)",
             "Couldn't find Gadget interface : NoSuchInterface",
             "Couldn't find Orphan superclass: Missing",
         })
        EXPECT_NE(std::find(seen.begin(), seen.end(), expected), seen.end()) << expected;
    ClassRecord* gauge = ClassNamed("Gauge");
    EXPECT_EQ(FindPluginMethodRoutine(gauge, "Bad2 As NoSuchClass", 19, false), nullptr);
    EXPECT_EQ(gauge->interfaceCount, 0u);
}

TEST(Registration, AClassLinksASuperclassRegisteredAfterIt) {
    Host();
    ClassRecord* gadget = ClassNamed("Gadget");
    ClassRecord* base = ClassNamed("GadgetBase");
    ASSERT_NE(gadget, nullptr);
    ASSERT_NE(base, nullptr);
    EXPECT_EQ(gadget->superclass, base);
    EXPECT_EQ(base->instanceSize, 24u + 12u);
    EXPECT_EQ(PluginClassOf(gadget)->definition[4], 36u);   // data after the superclass's
    EXPECT_EQ(gadget->instanceSize, 36u + 8u);
    EXPECT_EQ(PropertyOf("Gadget", "Serial")->getterParameter, 36u);
    EXPECT_EQ(PropertyOf("Gadget", "Base")->getterParameter, 24u);   // inherited
    EXPECT_EQ(ClassNamed("Orphan")->superclass, nullptr);
    EXPECT_EQ(ClassNamed("Orphan")->instanceSize, 24u + 4u);
}

TEST(Registration, DeferredNamesLookAmongClassesBeforeControls) {
    Host();
    // Both orders find each name; with one name in both lists they differ.
    EXPECT_EQ(FindClassForLinking("GADGET", 6), ClassNamed("Gadget"));
    EXPECT_EQ(FindClassForLinking("Gauge", 5), ClassNamed("Gauge"));
    EXPECT_EQ(FindClassForLinking("FolderItem", 10), ClassNamed("FolderItem"));
}

TEST(PluginControls, APanelessControlLivesThroughDeferredNamesAndFiresEvents) {
    HostFixture& host = Host();
    ObjectRef plain(RuntimeNewObject(0));        // the Gauge itself
    ObjectRef mine(RuntimeNewObject(1));         // MyGauge, which handles Changed
    ASSERT_NE(plain.get(), nullptr);
    auto level = host.Routine<int (*)(ObjectInstance*)>("CallLevel");
    EXPECT_EQ(level(plain.get()), 7);            // slot 0 ran
    host.Routine<void (*)(ObjectInstance*, int)>("CallSetLevel")(mine.get(), 5);
    EXPECT_EQ(host.Routine<int (*)(ObjectInstance*, int)>("CallScale")(mine.get(), 3), 15);

    auto bump = host.Routine<int (*)(ObjectInstance*)>("CallBump");
    EXPECT_EQ(bump(plain.get()), 0);             // no handler: GetEventInstance gives null
    EXPECT_EQ(host.image.Data<int>("changedLevel"), 0);
    EXPECT_EQ(bump(mine.get()), 1);
    EXPECT_EQ(host.image.Data<int>("changedLevel"), 6);
}

extern "C" ObjectInstance* OPALGetControlGraphics(ObjectInstance* instance);
extern "C" HWND GetControlHWND(ObjectInstance* instance);

TEST(PluginControls, AControlWithoutAPaneGetsNone) {
    Host();
    ObjectRef gauge(RuntimeNewObject(0));
    auto create = reinterpret_cast<void (*)(ObjectInstance*)>(FindNamedHook(ClassNamed("Gauge"), "CreatePane"));
    ASSERT_NE(create, nullptr);
    create(gauge.get());
    EXPECT_EQ(reinterpret_cast<void**>(gauge.get())[6], nullptr);   // the pane field
    EXPECT_EQ(OPALGetControlGraphics(gauge.get()), nullptr);
    EXPECT_EQ(GetControlHWND(gauge.get()), nullptr);               // and no window either
}

TEST(PluginControls, TheDestructorSlotRunsWhenTheLastReferenceGoes) {
    Host();
    const PluginProperty* label = PropertyOf("Gauge", "Label");
    ASSERT_NE(label, nullptr);
    StringRef text(NewStringFromText("held by the gauge"));
    ObjectInstance* gauge = RuntimeNewObject(1);
    using Setter = void (*)(ObjectInstance*, uint32_t, StringObject*);
    reinterpret_cast<Setter>(label->setter)(gauge, label->setterParameter, text.get());
    EXPECT_EQ(text.get()->refs, 2);
    RuntimeUnlockObject(gauge);
    EXPECT_EQ(text.get()->refs, 1);               // slot 1 let go of it
}

TEST(Extensions, AnExtensionMethodOfFolderItemIsReachedByItsDeferredName) {
    ObjectRef item(FolderItemFromPath("C:\\"));
    EXPECT_EQ(Host().Routine<int (*)(ObjectInstance*)>("CallProbe")(item.get()), 42);
}
