// Process start: the process entry and the load sequence that finds the
// application image, reads its four sections, links and relocates them and
// calls the image's entry routine.
#include "image.h"
#include "string.h"
#include "utility.h"
#include "ui/msgbox.h"
#include "ui/themes.h"
#include <cstring>

HINSTANCE gInstance;
const char* gCommandLine;
LoadedImage gImage;

// InitCommonControls, imported by its ordinal as the system exports it.
extern "C" void __stdcall InitCommonControlsOrdinal17();

namespace {

constexpr WORD kPickleId = 101;
constexpr char kPickleType[] = "PICKLE";
constexpr char kDevelopmentMark[4] = {'P', 'I', 'C', 'K'};

// One section of the image while it is being read.
struct Section {
    uint8_t* bytes = nullptr;
    uint32_t size = 0;
};

enum SectionKind { kCode1, kCode2, kData1, kData2, kSectionCount };
const char* const kDevelopmentFiles[kSectionCount] = {
    "code1.dat", "code2.dat", "data1.dat", "data2.dat"};

// code1 runs in place, so it lives in a heap whose pages may be executed.
uint8_t* AllocateSectionBlock(SectionKind kind, uint32_t size) {
    static HANDLE codeHeap;
    if (kind == kCode1) {
        if (!codeHeap) codeHeap = HeapCreate(HEAP_CREATE_ENABLE_EXECUTE, 0, 0);
        return static_cast<uint8_t*>(HeapAlloc(codeHeap, 0, size ? size : 1));
    }
    return static_cast<uint8_t*>(HeapAlloc(GetProcessHeap(), 0, size ? size : 1));
}

bool ReadExactly(HANDLE file, void* buffer, uint32_t size) {
    DWORD got = 0;
    return ReadFile(file, buffer, size, &got, nullptr) && got == size;
}

// Reads one section as its 32-bit count and that many bytes.
bool ReadCountedSection(HANDLE file, SectionKind kind, Section* section) {
    if (!ReadExactly(file, &section->size, 4)) return false;
    section->bytes = AllocateSectionBlock(kind, section->size);
    return section->bytes && ReadExactly(file, section->bytes, section->size);
}

// The shipped layout: the sections follow each other from the image offset
// of the executable file, in the order code1, code2, data1, data2.
bool ReadAppendedImage(uint32_t offset, Section sections[]) {
    char path[512];
    if (!GetModuleFileNameA(gInstance, path, sizeof path)) return false;
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool ok = SetFilePointer(file, static_cast<LONG>(offset), nullptr, FILE_BEGIN) == offset;
    for (int kind = kCode1; ok && kind < kSectionCount; kind++)
        ok = ReadCountedSection(file, static_cast<SectionKind>(kind), &sections[kind]);
    CloseHandle(file);
    return ok;
}

bool ReadDevelopmentFile(SectionKind kind, Section* section) {
    HANDLE file = CreateFileA(kDevelopmentFiles[kind], GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    section->size = GetFileSize(file, nullptr);
    section->bytes = AllocateSectionBlock(kind, section->size);
    bool ok = section->bytes && ReadExactly(file, section->bytes, section->size);
    CloseHandle(file);
    return ok;
}

// The development layout: one file per section in the working folder.
bool ReadDevelopmentImage(Section sections[]) {
    const SectionKind order[] = {kCode1, kData1, kCode2, kData2};
    for (SectionKind kind : order)
        if (!ReadDevelopmentFile(kind, &sections[kind])) return false;
    return true;
}

// The PICKLE resource gives the image offset (0 for the development layout)
// and the offset of the project-resource index.
uint32_t FindImageOffset() {
    HRSRC found = FindResourceA(gInstance, MAKEINTRESOURCEA(kPickleId), kPickleType);
    if (!found) return 0;
    HGLOBAL loaded = LoadResource(gInstance, found);
    const uint8_t* pickle = loaded ? static_cast<const uint8_t*>(LockResource(loaded)) : nullptr;
    if (!pickle || SizeofResource(gInstance, found) < 8) return 0;
    if (memcmp(pickle, kDevelopmentMark, 4) == 0) return 0;
    uint32_t words[2];
    memcpy(words, pickle, 8);
    SetProjectResourceIndex(words[1]);
    return words[0];
}

void ShowLoadFailure(StringObject* message) {
    RuntimeMsgBox(message);
    RuntimeUnlockString(message);
}

// The image could not be read whole. The system's own load would run into
// unbound code later; telling the user now loses nothing.
void ReportUnreadableImage(uint32_t offset) {
    ShowLoadFailure(offset ? DamagedImageMessage()
                           : NewStringFromText(
                                 "The application could not be loaded because its files code1.dat, "
                                 "data1.dat, code2.dat and data2.dat could not be read."));
}

// The first word of data1, relocated, is the entry routine. It must start
// inside code1: anything else (no word, 0, a word left unrelocated or
// relocated against data1, an address at or past the end of the code) would
// send the call into memory that holds no code of the image.
using EntryRoutine = void (*)();
EntryRoutine FindEntryRoutine() {
    if (gImage.data1Size < 4) return nullptr;
    uint32_t entry;
    memcpy(&entry, gImage.data1, 4);
    uint32_t offset = entry - reinterpret_cast<uint32_t>(gImage.code1);
    return offset < gImage.code1Size ? reinterpret_cast<EntryRoutine>(entry) : nullptr;
}

} // namespace

StringObject* DamagedImageMessage() {
    return NewStringFromText("The application could not be loaded because its image is damaged.");
}

bool RunLoadSequence() {
    uint32_t offset = FindImageOffset();
    Section sections[kSectionCount];
    bool read = offset ? ReadAppendedImage(offset, sections) : ReadDevelopmentImage(sections);
    if (!read) {
        ReportUnreadableImage(offset);
        return false;
    }
    gImage = {sections[kCode1].bytes, sections[kCode1].size,
              sections[kData1].bytes, sections[kData1].size};

    StringObject* failure = nullptr;
    bool linked = LinkImage(sections[kCode2].bytes, sections[kCode2].size, &failure);
    HeapFree(GetProcessHeap(), 0, sections[kCode2].bytes);
    if (!linked) {
        ShowLoadFailure(failure);
        return false;
    }
    RelocateImageData(sections[kData2].bytes, sections[kData2].size);
    HeapFree(GetProcessHeap(), 0, sections[kData2].bytes);

    EntryRoutine entry = FindEntryRoutine();
    if (!entry) {
        ShowLoadFailure(DamagedImageMessage());
        return false;
    }
    entry();
    return true;
}

int ProcessEntry(HINSTANCE instance, const char* commandLine) {
    gInstance = instance;
    gCommandLine = commandLine;
    InitCommonControlsOrdinal17();
    InitAllocatorLock();
    bool themed = IsWindowsXP() && LoadThemeRoutines();
    RunLoadSequence();
    if (themed) ReleaseThemeRoutines();
    return 0;
}
