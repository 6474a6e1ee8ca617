// The loader against damaged images: a valid image (fixture "specimen") is
// damaged in every way its format allows and run by the real Tessel21.exe,
// shipped with the image appended and as the bare runtime on development
// files. Each run must end either in the loader's refusal or in a normal
// run of the image: never a crash, never a hang.
#include <gtest/gtest.h>
#include "programrunner.h"
#include "testfiles.h"
#include <cstdio>
#include <cstring>
#include <functional>
#include <fstream>
#include <map>
#include <sstream>

namespace {

const char kDamaged[] = "The application could not be loaded because its image is damaged.";
const char kUnreadable[] =
    "The application could not be loaded because its files code1.dat, data1.dat, code2.dat and "
    "data2.dat could not be read.";
const char* const kSectionFiles[] = {"code1.dat", "code2.dat", "data1.dat", "data2.dat"};

std::string Word(uint32_t value) { return std::string(reinterpret_cast<char*>(&value), 4); }
std::string HalfWord(uint16_t value) { return {char(value & 0xFF), char(value >> 8)}; }
uint32_t WordAt(const std::string& bytes, size_t at) {
    uint32_t word = 0;
    std::memcpy(&word, &bytes[at], 4);
    return word;
}
void PutWord(std::string& bytes, size_t at, uint32_t value) { std::memcpy(&bytes[at], &value, 4); }

// The four sections of an application image, in file order.
struct Image {
    std::string code1, code2, data1, data2;

    std::string& section(int index) {
        std::string* all[] = {&code1, &code2, &data1, &data2};
        return *all[index];
    }
    std::string Appended() {
        std::string bytes;
        for (int i = 0; i < 4; i++) bytes += Word(uint32_t(section(i).size())) + section(i);
        return bytes;
    }
};

// A link record of code2 as the fixture's image holds it.
struct LinkRecord {
    size_t at;       // where its type byte stands in code2
    size_t size;     // with the type byte
    uint8_t type;
    uint32_t word;   // the chain head or the fix-up offset
    std::string name;
};

std::vector<LinkRecord> ReadLinkRecords(const std::string& code2) {
    std::vector<LinkRecord> records;
    for (size_t at = 0; at < code2.size();) {
        uint8_t type = uint8_t(code2[at]);
        if (type == 2) {
            records.push_back({at, 5, type, WordAt(code2, at + 1), ""});
        } else if (type == 1) {
            uint8_t length = uint8_t(code2[at + 5]);
            records.push_back({at, 6u + length, type, WordAt(code2, at + 1),
                               code2.substr(at + 6, length)});
        } else {
            at++;
            continue;
        }
        at += records.back().size;
    }
    return records;
}

// The cursor where the relocation words leave it.
uint32_t CursorAfter(const std::string& data2) {
    uint32_t cursor = 0;
    for (size_t i = 0; i + 1 < data2.size(); i += 2) {
        uint16_t word = uint16_t(uint8_t(data2[i]) | uint8_t(data2[i + 1]) << 8);
        if ((word & 0xF000) == 0x8000) cursor += (word & 0x0FFF) + 1;
        else if ((word & 0xFE00) == 0x4000 || (word & 0xFE00) == 0x4200 ||
                 (word & 0xFE00) == 0x4600)
            cursor += 4 * ((word & 0x01FF) + 1);
    }
    return cursor;
}

// Skip words that move the cursor on by exactly this many bytes.
std::string Skips(uint64_t bytes) {
    std::string words;
    for (; bytes >= 4096; bytes -= 4096) words += HalfWord(0x8FFF);
    if (bytes) words += HalfWord(uint16_t(0x8000 | (bytes - 1)));
    return words;
}

enum class Outcome {
    kGreets,        // runs the image: "Hello, image"
    kOtherEntry,    // runs the image from OtherEntry: "Other entry"
    kRefused,       // the loader's message about a damaged image, nothing runs
    kUnreadable,    // the message about development files that are not there
    kSurvives,      // either a refusal or a run of the image, but no crash
};

// A run of Tessel21.exe, or the reason it did not end as a program ends.
struct WatchedRun {
    ProgramRun run;
    std::string crash;
};

WatchedRun RunWatched(const std::string& program, const std::string& folder, DWORD deadlineMs) {
    WatchedRun watched;
    watched.run = RunProgram(program, "", folder, {}, deadlineMs);
    if (!watched.run.started) watched.crash = "did not start";
    else if (!watched.run.finished) watched.crash = "hung";
    return watched;
}

// What a run did, in words for the failure messages. A crash shows as an
// exit status that is not the program's own 0 (its process entry returns 0
// whatever happens): Wine ends a crashed process with the exception's code
// once its debugger has written the report.
struct Verdict {
    bool crashed = false;
    std::string said;   // the texts of the boxes, and how it ended
};

Verdict Judge(const WatchedRun& watched) {
    Verdict verdict;
    for (const SeenMessageBox& box : watched.run.boxes) verdict.said += "[" + box.text + "]";
    if (!watched.crash.empty()) {
        verdict.crashed = true;
        verdict.said += " " + watched.crash;
    } else if (watched.run.exitCode != 0) {
        verdict.crashed = true;
        char status[40];
        std::snprintf(status, sizeof status, " ended with status 0x%08lX", watched.run.exitCode);
        verdict.said += status;
    }
    return verdict;
}

bool Meets(const ProgramRun& run, Outcome expected) {
    auto saidOnly = [&](const std::string& text) {
        return run.boxes.size() == 1 && run.boxes[0].text == text;
    };
    switch (expected) {
    case Outcome::kGreets: return saidOnly("Hello, image");
    case Outcome::kOtherEntry: return saidOnly("Other entry");
    case Outcome::kRefused: return saidOnly(kDamaged);
    case Outcome::kUnreadable: return saidOnly(kUnreadable);
    case Outcome::kSurvives: return true;
    }
    return false;
}

std::string Built(const std::string& name) { return ProgramFolder() + "\\" + name; }

// Wine's debugger reports a crash and ends the process instead of waiting
// in a crash dialog for someone to close it.
class NoCrashDialog {
public:
    NoCrashDialog() {
        RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\WineDbg", 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &key_, nullptr);
        DWORD size = sizeof previous_;
        hadValue_ = RegQueryValueExA(key_, "ShowCrashDialog", nullptr, nullptr,
                                     reinterpret_cast<BYTE*>(&previous_), &size) == ERROR_SUCCESS;
        DWORD off = 0;
        RegSetValueExA(key_, "ShowCrashDialog", 0, REG_DWORD, reinterpret_cast<BYTE*>(&off), 4);
    }
    ~NoCrashDialog() {
        if (hadValue_)
            RegSetValueExA(key_, "ShowCrashDialog", 0, REG_DWORD,
                           reinterpret_cast<BYTE*>(&previous_), 4);
        else
            RegDeleteValueA(key_, "ShowCrashDialog");
        RegCloseKey(key_);
    }

private:
    HKEY key_ = nullptr;
    DWORD previous_ = 0;
    bool hadValue_ = false;
};

class LoaderMutation : public ::testing::Test {
protected:
    NoCrashDialog noCrashDialog;
    void SetUp() override {
        for (int i = 0; i < 4; i++)
            specimen.section(i) = ReadWholeFile(Built("fixtures\\specimen\\") + kSectionFiles[i]);
        shipped = ReadWholeFile(Built("specimen.exe"));
        ASSERT_FALSE(specimen.code1.empty());
        ASSERT_GT(shipped.size(), specimen.Appended().size());
        imageOffset = shipped.size() - specimen.Appended().size();
        ASSERT_EQ(shipped.substr(imageOffset), specimen.Appended());
        records = ReadLinkRecords(specimen.code2);

        std::ifstream map(Built("fixture_specimen.map"));
        std::string name, section;
        uint32_t offset;
        while (map >> name >> section >> std::hex >> offset) symbols[name] = offset;
        ASSERT_EQ(symbols.count("OtherEntry"), 1u);
        // The entry word is relocated by the first relocation word alone.
        ASSERT_EQ(WordAt(specimen.data1, 0), symbols["ImageMain"]);
        ASSERT_EQ(specimen.data2.substr(0, 2), HalfWord(0x4000));
    }

    const LinkRecord& Import(const std::string& name) {
        for (const LinkRecord& record : records)
            if (record.type == 1 && record.name == name) return record;
        ADD_FAILURE() << "no import " << name;
        return records.front();
    }
    const LinkRecord& FirstOfType(uint8_t type) {
        for (const LinkRecord& record : records)
            if (record.type == type) return record;
        ADD_FAILURE() << "no record of type " << int(type);
        return records.front();
    }
    // The call sites of an import's chain, in chain order.
    std::vector<uint32_t> Sites(const std::string& name) {
        std::vector<uint32_t> sites;
        for (uint32_t at = Import(name).word; at != 0; at = WordAt(specimen.code1, at))
            sites.push_back(at);
        return sites;
    }

    struct Variant {
        std::string name;
        Outcome expected;
        Image image;
        std::string shippedFile;   // the whole executable, for damage outside the sections
    };
    using Damage = std::function<void(Image&)>;

    // A damaged image, to be run in both layouts.
    void Damaged(const std::string& name, Outcome expected, const Damage& damage) {
        Image image = specimen;
        damage(image);
        variants.push_back({name, expected, image, ""});
    }
    // A damaged executable: the sections' counts, the PICKLE words.
    void DamagedFile(const std::string& name, Outcome expected,
                     const std::function<void(std::string&)>& damage) {
        std::string file = shipped;
        damage(file);
        variants.push_back({name, expected, {}, file});
    }

    size_t PickleAt() const {
        std::string pickle = Word(uint32_t(imageOffset)) + Word(0xFFFFFFFF);
        size_t at = shipped.find(pickle);
        EXPECT_NE(at, std::string::npos);
        EXPECT_LT(at, imageOffset);
        return at;
    }

    static WatchedRun RunShipped(const std::string& file) {
        TemporaryFolder folder;
        WriteWholeFile(folder / "Tessel21.exe", file);
        return RunWatched(folder / "Tessel21.exe", folder.path(), kDeadlineMs);
    }
    static WatchedRun RunDevelopment(Image& image) {
        TemporaryFolder folder;
        CopyWholeFile(Built("Tessel21.exe"), folder / "Tessel21.exe");
        for (int i = 0; i < 4; i++) WriteWholeFile(folder / kSectionFiles[i], image.section(i));
        return RunWatched(folder / "Tessel21.exe", folder.path(), kDeadlineMs);
    }

    struct Job {
        std::string name;
        Outcome expected;
        std::function<WatchedRun()> run;
        WatchedRun result;
    };

    // Every variant in both layouts (damaged files only shipped), one after
    // the other: programs started side by side under the emulator miss their
    // deadlines more than they gain.
    void RunAll() {
        std::vector<Job> jobs;
        for (Variant& v : variants) {
            if (!v.shippedFile.empty()) {
                jobs.push_back({v.name + " (shipped)", v.expected,
                                [this, &v] { return RunShipped(v.shippedFile); }, {}});
                continue;
            }
            jobs.push_back({v.name + " (shipped)", v.expected, [this, &v] {
                                return RunShipped(shipped.substr(0, imageOffset) + v.image.Appended());
                            }, {}});
            jobs.push_back({v.name + " (development files)", v.expected,
                            [this, &v] { return RunDevelopment(v.image); }, {}});
        }
        for (Job& job : jobs) {
            job.result = job.run();
            Verdict verdict = Judge(job.result);
            EXPECT_FALSE(verdict.crashed) << job.name << ": " << verdict.said;
            EXPECT_TRUE(verdict.crashed || Meets(job.result.run, job.expected))
                << job.name << ": " << verdict.said;
        }
    }

    static constexpr DWORD kDeadlineMs = 60000;

    Image specimen;
    std::string shipped;
    size_t imageOffset = 0;
    std::vector<LinkRecord> records;
    std::map<std::string, uint32_t> symbols;
    std::vector<Variant> variants;
};

TEST_F(LoaderMutation, TheDetectorSeesACrash) {
    TemporaryFolder folder;
    CopyWholeFile(Built("Tessel21.exe"), folder / "Tessel21.exe");
    for (const char* file : kSectionFiles)
        CopyWholeFile(Built("fixtures\\crashing\\") + file, folder / file);
    Verdict verdict = Judge(RunWatched(folder / "Tessel21.exe", folder.path(), kDeadlineMs));
    EXPECT_TRUE(verdict.crashed) << verdict.said;
    EXPECT_NE(verdict.said.find("ended with status 0xC"), std::string::npos) << verdict.said;

    // And the undamaged specimen runs, in both layouts.
    Damaged("Undamaged", Outcome::kGreets, [](Image&) {});
    RunAll();
}

TEST_F(LoaderMutation, EntryWordsOutsideTheCodeAreRefused) {
    uint32_t codeSize = uint32_t(specimen.code1.size());
    for (auto [name, entry] : {std::pair<const char*, uint32_t>{"EntryAtEndOfCode", codeSize},
                               {"EntryPastEndOfCode", codeSize + 64},
                               {"EntryFarPastCode", 0x7FFFFFF0},
                               {"EntryBeforeCode", 0xFFFFFFF0}})
        Damaged(name, Outcome::kRefused, [entry = entry](Image& i) { PutWord(i.data1, 0, entry); });
    Damaged("EntryIntoData", Outcome::kRefused,
            [](Image& i) { i.data2.replace(0, 2, HalfWord(0x4200)); });
    Damaged("EntryLeftUnrelocated", Outcome::kRefused,
            [](Image& i) { i.data2.replace(0, 2, HalfWord(0x8003)); });
    Damaged("EntryZero", Outcome::kRefused, [](Image& i) {
        PutWord(i.data1, 0, 0);
        i.data2.replace(0, 2, HalfWord(0x8003));
    });
    Damaged("NoEntryWord", Outcome::kRefused, [](Image& i) {
        i.data1.resize(3);
        i.data2.clear();
    });
    Damaged("EmptyCode", Outcome::kRefused, [](Image& i) { i.code1.clear(); });
    Damaged("EmptyCodeWithoutLinks", Outcome::kRefused, [](Image& i) {
        i.code1.clear();
        i.code2.clear();
    });
    // Any routine inside code1 may be the entry.
    uint32_t other = symbols["OtherEntry"];
    Damaged("EntryAtAnotherRoutine", Outcome::kOtherEntry,
            [other](Image& i) { PutWord(i.data1, 0, other); });
    RunAll();
}

TEST_F(LoaderMutation, RelocationTouchesNothingTwice) {
    // Skips that carry the cursor round 4 GiB to the start of data1, then
    // the same words again: applied twice, the entry word would point nowhere.
    uint32_t end = CursorAfter(specimen.data2);
    ASSERT_LE(end, specimen.data1.size());
    Damaged("SkipsWrappingRound4GiB", Outcome::kGreets, [end](Image& i) {
        i.data2 += Skips((uint64_t(1) << 32) - end) + i.data2;
    });
    Damaged("RunsPastTheEndOfData", Outcome::kGreets, [](Image& i) {
        i.data2 += Skips(i.data1.size()) + HalfWord(0x41FF) + HalfWord(0x43FF) + HalfWord(0x47FF);
    });
    Damaged("WordsOfNoKind", Outcome::kGreets, [](Image& i) {
        i.data2 = HalfWord(0x4400) + HalfWord(0x0000) + HalfWord(0xF123) + i.data2;
    });
    Damaged("OddRelocationByteCount", Outcome::kGreets, [](Image& i) { i.data2 += "\x42"; });
    RunAll();
}

TEST_F(LoaderMutation, ChainsThatLeaveTheCodeAreRefusedAndLoopsEnd) {
    const uint32_t codeSize = uint32_t(specimen.code1.size());
    const LinkRecord& join = Import("RuntimeAddString");
    std::vector<uint32_t> sites = Sites("RuntimeAddString");
    ASSERT_GE(sites.size(), 3u);
    auto setHead = [&](uint32_t head) {
        return [at = join.at, head](Image& i) { PutWord(i.code2, at + 1, head); };
    };
    auto setLink = [&](size_t site, uint32_t link) {
        return [at = sites[site], link](Image& i) { PutWord(i.code1, at, link); };
    };
    for (auto [name, place] : {std::pair<const char*, uint32_t>{"AtEndOfCode", codeSize},
                               {"InLastThreeBytes", codeSize - 3},
                               {"InLastByte", codeSize - 1},
                               {"FarOutside", 0xFFFFFFF0}}) {
        Damaged(std::string("ChainHead") + name, Outcome::kRefused, setHead(place));
        Damaged(std::string("ChainLink") + name, Outcome::kRefused, setLink(1, place));
    }
    Damaged("ChainLoopsBackToItsHead", Outcome::kGreets, setLink(sites.size() - 1, sites[0]));
    Damaged("ChainLoopsBackToItsMiddle", Outcome::kGreets, setLink(sites.size() - 1, sites[1]));
    Damaged("ChainLoopsOnItself", Outcome::kGreets,
            setLink(sites.size() - 1, sites.back()));
    // A chain that runs into the head of a later chain ends there; a chain
    // whose head an earlier chain has taken is damaged.
    for (auto [from, into] : {std::pair<const char*, const char*>{"RuntimeUnlockString",
                                                                  "RuntimeAddString"},
                              {"RuntimeAddString", "RuntimeUnlockString"}}) {
        Outcome expected =
            Import(from).at < Import(into).at ? Outcome::kRefused : Outcome::kGreets;
        Damaged(std::string("ChainOf") + from + "RunsInto" + into, expected,
                [last = Sites(from).back(), head = Import(into).word](Image& i) {
                    PutWord(i.code1, last, head);
                });
    }
    RunAll();
}

TEST_F(LoaderMutation, LinkRecordsCutOffAreRefusedAndStrayOnesPassedOver) {
    const LinkRecord& fixup = FirstOfType(2);
    const LinkRecord& import = FirstOfType(1);
    for (auto [name, length] : {std::pair<const char*, size_t>{"FixupCutInItsOffset", fixup.at + 3},
                                {"ImportCutInItsHead", import.at + 2},
                                {"ImportCutBeforeItsLength", import.at + 5},
                                {"ImportCutInItsName", import.at + 7},
                                {"LastRecordCutByOneByte", specimen.code2.size() - 1}})
        Damaged(name, Outcome::kRefused, [length = length](Image& i) { i.code2.resize(length); });
    Damaged("ImportNameLongerThanTheRecords", Outcome::kRefused, [](Image& i) {
        i.code2 += std::string("\x01\x00\x00\x00\x00\x20", 6) + "Runtime";
    });

    // Bytes of no record type before every record and at the end.
    std::vector<LinkRecord> all = records;
    Damaged("UnknownRecordTypesBetweenRecords", Outcome::kGreets, [all](Image& i) {
        for (auto record = all.rbegin(); record != all.rend(); ++record)
            i.code2.insert(record->at, std::string("\x00\x07\xFF", 3));
        i.code2 += std::string("\x00\x03", 2);
    });
    const uint32_t codeSize = uint32_t(specimen.code1.size());
    Damaged("StrayFixupsOutsideTheCode", Outcome::kGreets, [codeSize](Image& i) {
        for (uint32_t offset : {codeSize, codeSize - 3, codeSize - 1, 0xFFFFFFFCu})
            i.code2 += "\x02" + Word(offset);
    });
    Damaged("StrayImportNeverCalled", Outcome::kGreets, [](Image& i) {
        i.code2 += std::string("\x01", 1) + Word(0) + "\x0DTesselNoSuchX";
    });
    RunAll();
}

TEST_F(LoaderMutation, DamagedCountsAndPickleWords) {
    // The count words of the sections in the executable.
    size_t counts[4];
    for (size_t i = 0, at = imageOffset; i < 4; i++) {
        counts[i] = at;
        at += 4 + specimen.section(int(i)).size();
    }
    for (auto [name, section, count] :
         {std::tuple<const char*, int, uint32_t>{"Code1CountPastTheFile", 0, 0x00100000},
          {"Code1CountHuge", 0, 0xFFFFFFF0},
          {"Code2CountPastTheFile", 1, 0x7FFFFFFF},
          {"Data1CountHuge", 2, 0xFFFFFFFF},
          {"Data2CountOneWordLong", 3, uint32_t(specimen.data2.size() + 2)}})
        DamagedFile(name, Outcome::kRefused, [at = counts[section], count = count](std::string& f) {
            PutWord(f, at, count);
        });
    for (auto [name, section, change] :
         {std::tuple<const char*, int, int>{"Code1CountShort", 0, -1},
          {"Code2CountShort", 1, -4},
          {"Data1CountShort", 2, -4}})
        DamagedFile(name, Outcome::kSurvives,
                    [at = counts[section], change = change](std::string& f) {
                        PutWord(f, at, WordAt(f, at) + change);
                    });
    DamagedFile("ImageCutByOneByte", Outcome::kRefused, [](std::string& f) { f.pop_back(); });
    DamagedFile("ImageCutInCode", Outcome::kRefused,
                [at = counts[0] + 8](std::string& f) { f.resize(at); });
    DamagedFile("ImageCutAfterACount", Outcome::kRefused,
                [at = counts[2] + 4](std::string& f) { f.resize(at); });

    // The PICKLE words: image offset, then the resource index offset.
    size_t pickle = PickleAt();
    uint32_t offset = uint32_t(imageOffset);
    for (auto [name, word, expected] :
         {std::tuple<const char*, uint32_t, Outcome>{"ImageOffsetAtEndOfFile",
                                                     uint32_t(shipped.size()), Outcome::kRefused},
          {"ImageOffsetPastTheFile", uint32_t(shipped.size() + 4096), Outcome::kRefused},
          {"ImageOffsetFarOutside", 0xFFFFFFF0, Outcome::kRefused},
          {"ImageOffsetZero", 0, Outcome::kUnreadable},
          {"ImageOffsetOneWordLate", offset + 4, Outcome::kSurvives},
          {"ImageOffsetOneWordEarly", offset - 4, Outcome::kSurvives},
          {"ImageOffsetIntoTheHeaders", 0x40, Outcome::kSurvives}})
        DamagedFile(name, expected, [pickle, word = word](std::string& f) {
            PutWord(f, pickle, word);
        });
    DamagedFile("PickleMarkedForDevelopmentFiles", Outcome::kUnreadable,
                [pickle](std::string& f) { f.replace(pickle, 4, "PICK"); });
    DamagedFile("ResourceIndexOffsetZero", Outcome::kGreets,
                [pickle](std::string& f) { PutWord(f, pickle + 4, 0); });
    RunAll();
}

} // namespace
