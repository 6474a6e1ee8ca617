// The application image below its windows: RuntimeInit takes its class list
// and project items as they are, the modules exist with their empty
// arrays, and configParser cuts airport and runway lines of every version
// at the right columns.
#include <gtest/gtest.h>
#include "imagefixture.h"
#include "core/arrays.h"
#include "core/objects.h"
#include "core/settings.h"
#include "core/string.h"
#include <cstring>
#include <string>

namespace {

enum { kApt = 11, kRwy = 12 };

std::string Text(const StringObject* s) { return s ? std::string(StringText(s), StringLength(s)) : ""; }

template <typename T>
T FieldOf(const ObjectInstance* object, uint32_t offset) {
    T value;
    memcpy(&value, reinterpret_cast<const uint8_t*>(object) + offset, sizeof value);
    return value;
}

StringObject* NewText(const std::string& text) { return NewString(text.data(), text.size()); }

class ApplicationImage : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        image = new ImageFixture("app_records", "records");
        loaded = image->Load();      // failed-assertion reports are answered with OK

    }
    void SetUp() override { ASSERT_TRUE(loaded); }

    // configParser's methods called as the compiled code calls them
    void Configure(int version) {
        using Routine = void (*)(ObjectInstance*, int);
        reinterpret_cast<Routine>((*image)["configureParser"])(Parser(), version);
    }
    ObjectInstance* ParseAirport(const std::string& line) { return Parse("parseAirport", kApt, line); }
    ObjectInstance* ParseRunway(const std::string& line) { return Parse("parseRunway", kRwy, line); }
    ObjectInstance* Parser() { return image->Data<ObjectInstance*>("configParserModule"); }

    static ImageFixture* image;
    static bool loaded;

private:
    ObjectInstance* Parse(const char* routine, int classIndex, const std::string& line) {
        using Routine = void (*)(ObjectInstance*, ObjectInstance*, StringObject*);
        ObjectInstance* record = RuntimeNewObject(classIndex);
        StringObject* text = NewText(line);
        reinterpret_cast<Routine>((*image)[routine])(Parser(), record, text);
        RuntimeUnlockString(text);
        return record;
    }
};

ImageFixture* ApplicationImage::image;
bool ApplicationImage::loaded;

// The built-in classes the image names; those the runtime does not register
// yet (its windows and controls are still to come) are reported as unknown,
// once each, and nothing else is.
const char* const kReferencedClasses[] = {"Application", "Window", "PushButton", "StaticText",
                                          "ProgressBar", "Canvas", "EditField", "CheckBox",
                                          "Timer", "MenuItem", "QuitMenuItem"};

TEST_F(ApplicationImage, RuntimeInitTakesTheClassListAndProjectItems) {
    size_t unknown = 0;
    for (int i = 0; i < 11; i++) {
        ClassRecord* builtin = FindBuiltinClass(kReferencedClasses[i]);
        if (builtin) EXPECT_EQ(ClassAtIndex(i), builtin) << kReferencedClasses[i];
        else unknown++;
    }
    EXPECT_EQ(image->boxes().size(), unknown);
    for (const SeenMessageBox& box : image->boxes())
        EXPECT_NE(box.text.find("Failed Assertion: 2"), std::string::npos) << box.text;

    EXPECT_STREQ(ApplicationName(), "Tessel 2.1");
    EXPECT_TRUE(RunsInMdiMode());
    EXPECT_EQ(Text(RuntimeMessageText(4)),
              "An exception of class %1 was not handled.\rThe application must shut down.");
    ASSERT_GE(FileTypeCount(), 4);
    EXPECT_EQ(Text(FileTypeAt(3)->name), "TEXT");
    EXPECT_EQ(Text(FileTypeAt(3)->creator), "ttxt");

    const char* const names[] = {"apt", "rwy", "nav", "fix", "glob", "configParser", "App",
                                 "splash", "initWin", "tessel", "procWin", "logoutWin"};
    for (int i = 0; i < 12; i++) EXPECT_EQ(Text(ClassAtIndex(11 + i)->name), names[i]) << i;
    EXPECT_EQ(ClassAtIndex(17)->superclass, ClassAtIndex(0)) << "App is the application class";
}

TEST_F(ApplicationImage, GlobHoldsThreeEmptyArraysAndNewAirportsAnEmptyRunwayList) {
    ObjectInstance* glob = image->Data<ObjectInstance*>("globModule");
    ASSERT_NE(glob, nullptr);
    EXPECT_EQ(Text(ClassDisplayName(glob->cls)), "glob");
    for (uint32_t offset : {24u, 32u, 36u}) EXPECT_EQ(RuntimeUBound(FieldOf<RuntimeArray*>(glob, offset)), 0) << offset;
    EXPECT_EQ(FieldOf<void*>(glob, 28), nullptr) << "appFolder";

    ObjectInstance* apt = RuntimeNewObject(kApt);
    EXPECT_EQ(RuntimeUBound(FieldOf<RuntimeArray*>(apt, 44)), 0);
    RuntimeUnlockObject(apt);
}

struct AirportCase {
    int version;
    const char* line;
    int elevation, firstFlag, secondFlag;
    const char *icao, *name;
};

TEST_F(ApplicationImage, AirportLinesAreCutAtTheirVersionsColumns) {
    const AirportCase cases[] = {
        {245, "1  1157 0 0 KSBD San Bernardino International", 1157, 0, 0, "KSBD", "San Bernardino International"},
        {246, "1   -11 1 0 EHAM Amsterdam Schiphol  ", -11, 1, 0, "EHAM", "Amsterdam Schiphol  "},
        {238, "1   -11 1 0  EHAM Amsterdam Schiphol", -11, 1, 0, "EHAM", "Amsterdam Schiphol"},
        {225, "1   184 1 0  EBBRBrussels National", 184, 1, 0, "EBBR", "Brussels National"},
        {232, "1   302 1 0 EDDK Cologne Bonn", 302, 1, 0, "EDDK", "Cologne Bonn"},
        {245, "1", 0, 0, 0, "", ""},                      // a short line: 0 and empty
    };
    for (const AirportCase& c : cases) {
        Configure(c.version);
        ObjectInstance* apt = ParseAirport(c.line);
        EXPECT_EQ(FieldOf<int>(apt, 24), c.elevation) << c.line;
        EXPECT_EQ(FieldOf<int>(apt, 28), c.firstFlag) << c.line;
        EXPECT_EQ(FieldOf<int>(apt, 32), c.secondFlag) << c.line;
        EXPECT_EQ(Text(FieldOf<StringObject*>(apt, 36)), c.icao) << c.line;
        EXPECT_EQ(Text(FieldOf<StringObject*>(apt, 40)), c.name) << c.line;
        RuntimeUnlockObject(apt);
    }
}

struct RunwayCase {
    int version;
    const char* line;
    double lat, lon;
    int number;
    const char* suffix;
    double heading;
    int length, width;
    const char* codes;
};

TEST_F(ApplicationImage, RunwayLinesAreCutAtTheirVersionsColumns) {
    const RunwayCase cases[] = {
        {245, "10  34.095353 -117.234873 06 x  70.204  10001  180 01221221",
         34.095353, -117.234873, 6, "x ", 70.204, 10001, 180, "01221221"},
        {238, "10  52.308613    4.763889  18  R 183.22 12467  197 02121321",
         52.308613, 4.763889, 18, "R ", 183.22, 12467, 197, " 02121321"},
        {225, "10  50.901389    4.484444  07 R  65.040 11936  148 02121321",
         50.901389, 4.484444, 7, "R ", 65.04, 11936, 148, " 02121321"},
        {226, "10 -33.946111  151.177222 16 R 163.500   8301  148 02121321",
         -33.946111, 151.177222, 16, "R ", 163.5, 8301, 148, "02121321"},
    };
    for (const RunwayCase& c : cases) {
        Configure(c.version);
        ObjectInstance* rwy = ParseRunway(c.line);
        EXPECT_DOUBLE_EQ(FieldOf<double>(rwy, 24), c.lat) << c.line;
        EXPECT_DOUBLE_EQ(FieldOf<double>(rwy, 32), c.lon) << c.line;
        EXPECT_EQ(FieldOf<int>(rwy, 40), c.number) << c.line;
        EXPECT_EQ(Text(FieldOf<StringObject*>(rwy, 44)), c.suffix) << c.line;
        EXPECT_DOUBLE_EQ(FieldOf<double>(rwy, 48), c.heading) << c.line;
        EXPECT_EQ(FieldOf<int>(rwy, 56), c.length) << c.line;
        EXPECT_EQ(FieldOf<int>(rwy, 60), c.width) << c.line;
        EXPECT_EQ(Text(FieldOf<StringObject*>(rwy, 64)), c.codes) << c.line;
        RuntimeUnlockObject(rwy);
    }
}

TEST_F(ApplicationImage, AnUnknownVersionLeavesTheColumnsAsTheyWere) {
    Configure(238);
    Configure(999);
    EXPECT_EQ(FieldOf<int>(Parser(), 24 + 4 * 4), 14) << "icaoCol of 2.38";
    EXPECT_EQ(FieldOf<int>(Parser(), 24 + 7 * 4), 18) << "nameAfterCol of 2.38";
}

} // namespace

namespace {

std::string Called(ImageFixture* image, const char* routine, double value, const std::string& mask,
                   StringObject* separator) {
    using Routine = StringObject* (*)(double, StringObject*, StringObject*);
    StringObject* maskText = NewText(mask);
    StringObject* result = reinterpret_cast<Routine>((*image)[routine])(value, maskText, separator);
    std::string text = Text(result);
    RuntimeUnlockString(result);
    RuntimeUnlockString(maskText);
    return text;
}

TEST_F(ApplicationImage, BlankLinesAndTheEndLineMakeNoRecords) {
    using Routine = bool (*)(StringObject*);
    auto isBlankOrEnd = reinterpret_cast<Routine>((*image)["IsBlankOrEndLine"]);
    const std::pair<const char*, bool> cases[] = {
        {"", true}, {"   ", true}, {"\t ", true}, {"99", true}, {" 99  ", true},
        {"9  52.333333    4.713889    -11    75      183.220      EHAM 18R IM", false},
        {"999", false}, {"9", false}, {"99 end", false}, {" 52.510556    5.569722 ARTIP", false},
    };
    for (const auto& c : cases) {
        StringObject* line = NewText(c.first);
        EXPECT_EQ(isBlankOrEnd(line), c.second) << '"' << c.first << '"';
        RuntimeUnlockString(line);
    }
}

// The subsets' numbers keep "." under a locale whose decimal separator is
// "," (run with the German locale; see CMakeLists.txt).
class CommaLocale : public ApplicationImage {};

TEST_F(CommaLocale, SubsetNumbersAreWrittenWithAPoint) {
    using Separator = StringObject* (*)();
    StringObject* separator = reinterpret_cast<Separator>((*image)["DecimalSeparatorText"])();
    ASSERT_EQ(Text(separator), ",") << "the test runs under a decimal-comma locale";
    const struct { double value; const char *mask, *text; } cases[] = {
        {34.0953532, "+00.000000", "+34.095353"},
        {-117.2348729, "+000.000000", "-117.234873"},
        {70.204, "000.000", "070.204"},
        {-5.25, "0000000.000;-0000000.000", "-0000005.250"},
        {-11, "0000;-0000", "-0011"},
        {0, "+00.000000", "00.000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Called(image, "FormatWithPoint", c.value, c.mask, separator), c.text) << c.mask;
    RuntimeUnlockString(separator);
}

TEST_F(ApplicationImage, UnderAPointLocaleTheSeparatorIsLeftAlone) {
    using Separator = StringObject* (*)();
    StringObject* separator = reinterpret_cast<Separator>((*image)["DecimalSeparatorText"])();
    EXPECT_EQ(separator, nullptr);
    EXPECT_EQ(Called(image, "FormatWithPoint", 34.0953532, "+00.000000", separator), "+34.095353");
}

} // namespace
