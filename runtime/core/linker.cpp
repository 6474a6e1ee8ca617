// Linking the image's code: link records bind fix-up chains to entry points of
// the runtime, to routines of other libraries, or queue them as deferred names
// until the plug-ins have registered what those names refer to.
#include "image.h"
#include "entrytable.h"
#include "casetable.h"
#include "string.h"
#include "utility.h"
#include "failedassertion.h"
#include "plugins/registry.h"
#include <cstring>

namespace {

enum LinkRecordType : uint8_t { kImport = 1, kCodeFixup = 2 };

// A library named by an "!X" import; libraries are never released.
struct SharedLibrary {
    SharedLibrary* next;
    StringObject* name;
    HMODULE module;
};
SharedLibrary* sharedLibraries;

// A deferred name without its "!" and the chain that waits for it.
struct DeferredLink {
    DeferredLink* next;
    StringObject* name;
    uint32_t chainHead;
    uint32_t siteCount;
};
DeferredLink* deferredLinks;

// One bit per byte of code1 while linking: the bytes of the call operands
// that chains have reached. A chain that comes back to such an operand has
// looped (or run into another chain) and ends there, so no operand is
// written twice and no chain is followed for ever.
uint8_t* claimedBytes;

constexpr uint32_t kDamagedChain = 0xFFFFFFFF;

// Called by the reporter routines of names the runtime does not have.
void __cdecl ReportUnknownEntryPoint(const char* name) {
    FailedAssertion(0, 4, name, 0);
}

uint32_t ReadWord(const uint8_t* at) {
    uint32_t word;
    memcpy(&word, at, 4);
    return word;
}

void WriteWord(uint8_t* at, uint32_t word) { memcpy(at, &word, 4); }

bool InsideCode(uint32_t offset) {
    return offset <= gImage.code1Size && gImage.code1Size - offset >= 4;
}

bool Claimed(uint32_t offset) {
    for (uint32_t at = offset; at < offset + 4; at++)
        if (claimedBytes[at / 8] & (1u << at % 8)) return true;
    return false;
}

void Claim(uint32_t offset) {
    for (uint32_t at = offset; at < offset + 4; at++) claimedBytes[at / 8] |= uint8_t(1u << at % 8);
}

// Follows a chain from its head without changing it and claims its call
// sites; the number of sites, or kDamagedChain when a link leads out of
// code1 or into its last three bytes, or the head is a site that another
// chain has claimed. Such a chain would leave call sites unbound that jump
// wherever their offsets lead, so the image cannot run. A link back to a
// claimed site ends the chain: every site up to it is bound.
uint32_t ClaimChain(uint32_t head) {
    if (head != 0 && InsideCode(head) && Claimed(head)) return kDamagedChain;
    uint32_t count = 0;
    for (uint32_t offset = head; offset != 0; offset = ReadWord(gImage.code1 + offset), count++) {
        if (!InsideCode(offset)) return kDamagedChain;
        if (Claimed(offset)) break;
        Claim(offset);
    }
    return count;
}

// Threads the routine's address into the first count call sites of the chain
// (as ClaimChain counted them): each site's operand holds the offset of the
// next site, and becomes the distance from the end of the operand to the
// routine.
void BindChain(uint32_t head, uint32_t count, const void* routine) {
    for (uint32_t offset = head; count > 0; count--) {
        uint8_t* site = gImage.code1 + offset;
        offset = ReadWord(site);
        WriteWord(site, reinterpret_cast<uint32_t>(routine) - reinterpret_cast<uint32_t>(site + 4));
    }
}

// A call of a name the runtime does not have would jump into the chain's own
// offsets. Binding such a name to a small routine that reports it keeps the
// image loading and turns the call into a clear report instead of a crash.
const void* UnknownEntryPointReporter(const char* name, uint8_t length) {
    static HANDLE thunkHeap = HeapCreate(HEAP_CREATE_ENABLE_EXECUTE, 0, 0);
    char* text = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, length + 1u));
    uint8_t* thunk = static_cast<uint8_t*>(HeapAlloc(thunkHeap, 0, 16));
    if (!text || !thunk) return nullptr;
    memcpy(text, name, length);
    text[length] = 0;
    // push text; call ReportUnknownEntryPoint; pop ecx; xor eax, eax; ret
    uint8_t code[] = {0x68, 0, 0, 0, 0, 0xE8, 0, 0, 0, 0, 0x59, 0x31, 0xC0, 0xC3};
    memcpy(thunk, code, sizeof code);
    WriteWord(thunk + 1, reinterpret_cast<uint32_t>(text));
    WriteWord(thunk + 6, reinterpret_cast<uint32_t>(&ReportUnknownEntryPoint) -
                             reinterpret_cast<uint32_t>(thunk + 10));
    return thunk;
}

StringObject* LibraryFailure(const char* library, uint32_t libraryLength) {
    StringRef start(NewStringFromText(
        "The application could not be loaded because a necessary shared library "));
    StringRef name(NewString(library, libraryLength));
    StringRef end(NewStringFromText(" could not be found."));
    StringRef head(RuntimeAddString(start.get(), name.get()));
    return RuntimeAddString(head.get(), end.get());
}

StringObject* RoutineFailure(const char* routine, StringObject* library) {
    StringRef start(NewStringFromText("The application could not be loaded because the routine "));
    StringRef name(NewStringFromText(routine));
    StringRef middle(NewStringFromText(" could not be found in the shared library "));
    StringRef end(NewStringFromText("."));
    StringRef part1(RuntimeAddString(start.get(), name.get()));
    StringRef part2(RuntimeAddString(part1.get(), middle.get()));
    StringRef part3(RuntimeAddString(part2.get(), library));
    return RuntimeAddString(part3.get(), end.get());
}

HMODULE SharedLibraryModule(const char* name, uint32_t length) {
    for (SharedLibrary* library = sharedLibraries; library; library = library->next)
        if (CaseTableEqual(StringText(library->name), StringLength(library->name), name, length))
            return library->module;
    char path[256];
    memcpy(path, name, length);
    path[length] = 0;
    SharedLibrary* added = static_cast<SharedLibrary*>(NewRuntimeRecord(sizeof(SharedLibrary)));
    *added = {sharedLibraries, NewString(name, length), LoadLibraryA(path)};
    sharedLibraries = added;
    return added->module;
}

// "!X" library "!" routine: a routine exported by a dynamic library.
bool BindLibraryRoutine(const char* text, uint32_t length, uint32_t head, uint32_t sites,
                        StringObject** message) {
    const char* bang = static_cast<const char*>(memchr(text, '!', length));
    uint32_t libraryLength = bang ? static_cast<uint32_t>(bang - text) : 0;
    const char* routine = bang ? bang + 1 : text;
    uint32_t routineLength = length - (bang ? libraryLength + 1 : 0);

    HMODULE module = SharedLibraryModule(text, libraryLength);
    if (!module) {
        *message = LibraryFailure(text, libraryLength);
        return false;
    }
    char routineName[256];
    memcpy(routineName, routine, routineLength);
    routineName[routineLength] = 0;
    FARPROC address = GetProcAddress(module, routineName);
    if (!address) {
        StringRef library(NewString(text, libraryLength));
        *message = RoutineFailure(routineName, library.get());
        return false;
    }
    BindChain(head, sites, reinterpret_cast<const void*>(address));
    return true;
}

void QueueDeferredLink(const char* name, uint32_t length, uint32_t head, uint32_t sites) {
    DeferredLink* link = static_cast<DeferredLink*>(NewRuntimeRecord(sizeof(DeferredLink)));
    *link = {deferredLinks, NewString(name, length), head, sites};
    deferredLinks = link;
}

void BindEntryPoint(const char* name, uint8_t length, uint32_t head, uint32_t sites) {
    char text[256];
    memcpy(text, name, length);
    text[length] = 0;
    const void* routine = LinkLookup(text);
    if (!routine && sites) routine = UnknownEntryPointReporter(name, length);
    BindChain(head, sites, routine);
}

bool LinkImport(const char* name, uint8_t length, uint32_t head, StringObject** message) {
    uint32_t sites = ClaimChain(head);
    if (sites == kDamagedChain) {
        *message = DamagedImageMessage();
        return false;
    }
    if (length >= 2 && name[0] == '!' && name[1] == 'X')
        return BindLibraryRoutine(name + 2, length - 2u, head, sites, message);
    if (length >= 1 && name[0] == '!')
        QueueDeferredLink(name + 1, length - 1u, head, sites);
    else
        BindEntryPoint(name, length, head, sites);
    return true;
}

void ApplyCodeFixup(uint32_t offset) {
    if (InsideCode(offset))
        WriteWord(gImage.code1 + offset,
                  ReadWord(gImage.code1 + offset) + reinterpret_cast<uint32_t>(gImage.data1));
}

bool LinkRecords(const uint8_t* code2, uint32_t size, StringObject** message) {
    for (uint32_t at = 0; at < size;) {
        uint8_t type = code2[at++];
        if (type == kCodeFixup && size - at >= 4) {
            ApplyCodeFixup(ReadWord(code2 + at));
            at += 4;
        } else if (type == kImport && size - at >= 5 && size - at - 5 >= code2[at + 4]) {
            uint32_t head = ReadWord(code2 + at);
            uint8_t length = code2[at + 4];
            const char* name = reinterpret_cast<const char*>(code2 + at + 5);
            at += 5u + length;
            if (!LinkImport(name, length, head, message)) return false;
        } else if (type == kCodeFixup || type == kImport) {
            // A record cut off by the end of the section: its call sites or
            // its fix-up would stay undone, and the code would run into them.
            *message = DamagedImageMessage();
            return false;
        }
    }
    return true;
}

} // namespace

bool LinkImage(const uint8_t* code2, uint32_t size, StringObject** message) {
    *message = nullptr;
    uint32_t claimedSize = gImage.code1Size / 8 + 1;
    claimedBytes = static_cast<uint8_t*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, claimedSize));
    if (!claimedBytes) {
        *message = DamagedImageMessage();
        return false;
    }
    bool linked = LinkRecords(code2, size, message);
    HeapFree(GetProcessHeap(), 0, claimedBytes);
    claimedBytes = nullptr;
    return linked;
}

namespace {

// Splits "kind class ! member" and finds the routine the name stands for; 0
// when nothing has it.
const void* ResolveDeferredName(const char* text, uint32_t length) {
    if (length == 0) return nullptr;
    char kind = text[0];
    const char* bang = static_cast<const char*>(memchr(text + 1, '!', length - 1));
    const char* className = text + 1;
    uint32_t classLength = bang ? static_cast<uint32_t>(bang - className) : 0;
    const char* member = bang ? bang + 1 : text + 1;
    uint32_t memberLength = static_cast<uint32_t>(text + length - member);

    const void* owner = nullptr;
    if (classLength > 0) {
        owner = FindClassForLinking(className, classLength);
        if (!owner) FailedAssertion(0, 4, "RuntimeMain", 456);
    }
    switch (kind) {
    case 'M':
    case 'W':
        return FindPluginMethodRoutine(owner, member, memberLength, kind == 'W');
    case 'G':
    case 'S':
        return owner ? FindPluginPropertyAccessor(owner, member, memberLength, kind == 'S') : nullptr;
    default:
        FailedAssertion(0, 4, "RuntimeMain", 507);
        return nullptr;
    }
}

} // namespace

void ResolveDeferredLinks() {
    while (DeferredLink* link = deferredLinks) {
        deferredLinks = link->next;
        BindChain(link->chainHead, link->siteCount,
                  ResolveDeferredName(StringText(link->name), StringLength(link->name)));
        RuntimeUnlockString(link->name);
        DeleteRuntimeRecord(link);
    }
}
