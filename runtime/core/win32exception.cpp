// Raising an exception. What the walk needs is in the compiled code itself:
//
// - After every call that may raise stands a continuation sequence: EB L 90,
//   then a release list written as short jumps EB b, ending with EB 00. The
//   list bytes: 1 off (a string argument the caller holds), 2 off (the same
//   for an object), 7 (no catch clause of this routine applies: the call is
//   inside a handler), 0 (end). Offsets count from the call's first argument.
// - After the final leave and ret (C9 C3) of every compiled routine stands
//   its trailer: 2F, then entries 5 off16 (a string slot), 6 off16 (an
//   object slot), 4 class16 distance32 (a catch clause), ending with 0.
//   Multi-byte numbers are big-endian; slot offsets are from the frame.
//
// The walk looks first and unwinds second. The first pass only finds the
// handler; so an EndException that nothing catches returns to its raiser
// with every frame intact, as the code after ApplicationQuit expects to run
// on. Every other raise then unwinds: it releases what each compiled frame
// lists and resumes in the handler, or ends the application.
#include "win32exception.h"
#include "objects.h"
#include "failedassertion.h"
#include "settings.h"
#include "shutdownhandlers.h"
#include "string.h"
#include "ui/msgbox.h"
#include <windows.h>
#include <cstring>

// Continues in compiled code at code, with frame as its frame pointer; the
// stack pointer stays where it is (compiled handlers address everything
// through the frame pointer and leave through leave and ret).
extern "C" [[noreturn]] void JumpToHandler(uint8_t* frame, const uint8_t* code);
asm(".text\n"
    ".globl _JumpToHandler\n"
    "_JumpToHandler:\n"
    "    movl 8(%esp), %eax\n"
    "    movl 4(%esp), %ebp\n"
    "    jmp *%eax\n");

namespace {

const char* const kExceptionClassNames[] = {
    "RuntimeException", "NilObjectException",     "IllegalCastException", "OutOfBoundsException",
    "stackOverflowException", "typeMismatchException", "EndException"};
constexpr int kExceptionKinds = sizeof kExceptionClassNames / sizeof kExceptionClassNames[0];
ClassRecord* exceptionClasses[kExceptionKinds];

constexpr int kUnhandledExceptionText = 4;   // runtime message text of the settings block
constexpr uintptr_t kLongestFrameStep = 4096;

AbandonableFrame* innermostFrame;
uintptr_t stackLimit;

enum ReleaseListByte : uint8_t { kListEnd = 0, kListString = 1, kListObject = 2, kListNoCatch = 7 };
enum TrailerByte : uint8_t {
    kTrailerEnd = 0, kTrailerCatch = 4, kTrailerString = 5, kTrailerObject = 6};
constexpr uint8_t kShortJump = 0xEB, kNop = 0x90;
constexpr uint8_t kTrailerStart[] = {0xC9, 0xC3, 0x2F};   // leave, ret, "/"

enum class Walk { Search, Unwind };

struct Handler {
    uint8_t* frame;
    const uint8_t* code;
};

// --- reading memory that may not be there ---

bool IsReadableProtection(const MEMORY_BASIC_INFORMATION& info) {
    return info.State == MEM_COMMIT && !(info.Protect & (PAGE_NOACCESS | PAGE_GUARD));
}

// The end of the readable memory that starts at at; at itself when none.
const uint8_t* ReadableEnd(const uint8_t* at) {
    MEMORY_BASIC_INFORMATION info;
    if (!VirtualQuery(at, &info, sizeof info) || !IsReadableProtection(info)) return at;
    return static_cast<const uint8_t*>(info.BaseAddress) + info.RegionSize;
}

bool IsReadable(const uint8_t* at, uint32_t size) {
    const uint8_t* end = at + size;
    if (!at || end < at) return false;
    for (const uint8_t* next = at; next < end;) {
        const uint8_t* readableEnd = ReadableEnd(next);
        if (readableEnd == next) return false;
        next = readableEnd;
    }
    return true;
}

uint32_t ReadWord(const uint8_t* at) {
    uint32_t word;
    memcpy(&word, at, 4);
    return word;
}

uint8_t* ReadPointer(const uint8_t* at) { return reinterpret_cast<uint8_t*>(ReadWord(at)); }

int32_t ReadBigEndian(const uint8_t* at, int bytes) {
    uint32_t value = 0;
    for (int i = 0; i < bytes; i++) value = value << 8 | at[i];
    return bytes == 2 ? static_cast<int16_t>(value) : static_cast<int32_t>(value);
}

// --- releasing slots ---

void ReleaseStringSlot(uint8_t* slot) {
    StringObject* held = reinterpret_cast<StringObject*>(ReadWord(slot));
    memset(slot, 0, 4);
    RuntimeUnlockString(held);
}

void ReleaseObjectSlot(uint8_t* slot) {
    ObjectInstance* held = reinterpret_cast<ObjectInstance*>(ReadWord(slot));
    memset(slot, 0, 4);
    UnlockObject(held);
}

void ReleaseSlot(uint8_t kind, uint8_t* slot, Walk walk) {
    if (walk != Walk::Unwind) return;
    if (kind == kListString || kind == kTrailerString) ReleaseStringSlot(slot);
    else ReleaseObjectSlot(slot);
}

// --- the walk ---

bool IsCompiledCallSite(const uint8_t* returnAddress) {
    return returnAddress[0] == kShortJump && returnAddress[2] == kNop;
}

// Walks the release list of the call that returns to site; callee is the
// called routine's frame. True when the list says that no catch clause of
// the calling routine applies.
bool WalkReleaseList(const uint8_t* site, uint8_t* callee, Walk walk) {
    const uint8_t* end = site + 2 + site[1];
    if (!IsReadable(site, 2 + site[1])) return false;
    bool noCatch = false;
    for (const uint8_t* at = site + 3; end - at >= 2 && at[0] == kShortJump;) {
        uint8_t kind = at[1];
        at += 2;
        if (kind == kListEnd) break;
        if (kind == kListString || kind == kListObject) {
            if (end - at < 2 || at[0] != kShortJump) break;
            ReleaseSlot(kind, callee + 8 + at[1], walk);
            at += 2;
        } else if (kind == kListNoCatch) {
            noCatch = true;
        } else if (walk == Walk::Unwind) {
            FailedAssertion(0, 4, "win32exception", 116);
        }
    }
    return noCatch;
}

// The first byte after the trailer's "/" of the routine that contains site.
const uint8_t* FindTrailer(const uint8_t* site) {
    const uint8_t* end = ReadableEnd(site);
    for (const uint8_t* at = site; end - at >= 3; at++)
        if (memcmp(at, kTrailerStart, sizeof kTrailerStart) == 0) return at + 3;
    return nullptr;
}

// Walks the trailer of the routine whose frame is frame. True when one of its
// catch clauses takes the exception; *handler then says where to resume.
bool WalkTrailer(const uint8_t* at, uint8_t* frame, ObjectInstance* exception, bool noCatch,
                 Walk walk, Handler* handler) {
    const uint8_t* end = ReadableEnd(at);
    while (at < end) {
        uint8_t kind = *at++;
        if (kind == kTrailerEnd) break;
        if (kind == kTrailerString || kind == kTrailerObject) {
            if (end - at < 2) break;
            ReleaseSlot(kind, frame + ReadBigEndian(at, 2), walk);
            at += 2;
        } else if (kind == kTrailerCatch) {
            if (end - at < 6) break;
            int32_t classIndex = static_cast<uint16_t>(ReadBigEndian(at, 2));
            const uint8_t* distance = at + 2;
            at += 6;
            if (!noCatch && RuntimeObjectIsa(exception, classIndex)) {
                *handler = Handler{frame, distance + ReadBigEndian(distance, 4)};
                return true;
            }
        }
    }
    if (walk == Walk::Unwind) memset(frame - 4, 0, 4);
    return false;
}

// Walks the frames from frame upwards; true when a handler takes the
// exception.
bool WalkFrames(uint8_t* frame, ObjectInstance* exception, Walk walk, Handler* handler) {
    while (IsReadable(frame, 12)) {
        uint8_t* saved = ReadPointer(frame);
        const uint8_t* returnAddress = ReadPointer(frame + 4);
        if (!IsReadable(returnAddress, 4)) break;
        if (IsCompiledCallSite(returnAddress) && IsReadable(saved - 4, 4)) {
            // saved is the frame of the compiled routine that made the call
            bool noCatch = WalkReleaseList(returnAddress, frame, walk);
            const uint8_t* trailer = FindTrailer(returnAddress);
            if (trailer && WalkTrailer(trailer, saved, exception, noCatch, walk, handler))
                return true;
        }
        if (saved < frame || static_cast<uintptr_t>(saved - frame) > kLongestFrameStep) break;
        frame = saved;
    }
    return false;
}

// --- after the walk ---

// The frames below the handler's are gone: their abandonable state is put
// right and their structured-exception records (the system's own, in frames
// of system routines that called back into the runtime) are unhooked.
void AbandonFramesBelow(const uint8_t* frame) {
    while (innermostFrame && reinterpret_cast<const uint8_t*>(innermostFrame) < frame) {
        AbandonableFrame* abandoned = innermostFrame;
        innermostFrame = abandoned->outer;
        abandoned->abandoned(abandoned);
    }
    NT_TIB* tib;
    asm("movl %%fs:0x18, %0" : "=r"(tib));   // the thread's information block
    EXCEPTION_REGISTRATION_RECORD* record = tib->ExceptionList;
    while (record && record != reinterpret_cast<EXCEPTION_REGISTRATION_RECORD*>(-1) &&
           reinterpret_cast<const uint8_t*>(record) < frame)
        record = record->Next;
    tib->ExceptionList = record;
}

[[noreturn]] void ResumeInHandler(ObjectInstance* exception, const Handler& handler) {
    // The walk's reference passes to the handler's first local.
    memcpy(handler.frame - 4, &exception, 4);
    AbandonFramesBelow(handler.frame);
    JumpToHandler(handler.frame, handler.code);
}

void Append(StringObject** text, const char* bytes, uint32_t length) {
    StringRef piece(NewString(bytes, length));
    StringObject* joined = RuntimeAddString(*text, piece.get());
    RuntimeUnlockString(*text);
    *text = joined;
}

// The template with every "%1" replaced by the name.
StringObject* FillInClassName(const StringObject* pattern, const StringObject* name) {
    const char* text = StringText(pattern);
    uint32_t length = StringLength(pattern);
    StringObject* result = nullptr;
    uint32_t start = 0;
    for (uint32_t i = 0; i + 1 < length; i++) {
        if (text[i] != '%' || text[i + 1] != '1') continue;
        Append(&result, text + start, i - start);
        Append(&result, StringText(name), StringLength(name));
        start = ++i + 1;
    }
    Append(&result, text + start, length - start);
    return result;
}

[[noreturn]] void EndWithUnhandledException(ObjectInstance* exception) {
    StringRef message(
        FillInClassName(RuntimeMessageText(kUnhandledExceptionText), ClassDisplayName(exception->cls)));
    RuntimeMsgBox(message.get());
    RunShutdownHandlers();
    ExitProcess(0);
}

} // namespace

void RegisterExceptionClasses() {
    if (exceptionClasses[0]) return;
    exceptionClasses[0] = RegisterBuiltinClass(kExceptionClassNames[0], nullptr, 0);
    for (int kind = 1; kind < kExceptionKinds; kind++)
        exceptionClasses[kind] = RegisterBuiltinClass(kExceptionClassNames[kind], exceptionClasses[0], 0);
}

ClassRecord* BuiltinExceptionClass(BuiltinException kind) {
    RegisterExceptionClasses();
    return exceptionClasses[static_cast<int>(kind)];
}

namespace {

// Raises an exception whose reference the walk takes over: the raising
// routines' frames are abandoned, so no one else could release it.
__attribute__((noinline)) void RaiseAdoptedException(ObjectInstance* exception) {
    uint8_t* start = static_cast<uint8_t*>(__builtin_frame_address(0));
    Handler handler{};
    bool caught = WalkFrames(start, exception, Walk::Search, &handler);
    if (!caught && ClassIsa(exception->cls, BuiltinExceptionClass(BuiltinException::End))) {
        RunShutdownHandlers();
        UnlockObject(exception);
        return;
    }
    if (!WalkFrames(start, exception, Walk::Unwind, &handler)) EndWithUnhandledException(exception);
    ResumeInHandler(exception, handler);
}

} // namespace

void RaiseException(ObjectInstance* exception) {
    LockObject(exception);
    RaiseAdoptedException(exception);
    asm volatile("");
}

void RaiseNewBuiltinException(BuiltinException kind) {
    RaiseAdoptedException(NewInstance(BuiltinExceptionClass(kind)));
    asm volatile("");
}

void EnterAbandonableFrame(AbandonableFrame* frame) {
    frame->outer = innermostFrame;
    innermostFrame = frame;
}

void LeaveAbandonableFrame(AbandonableFrame* frame) {
    if (innermostFrame == frame) innermostFrame = frame->outer;
}

void SetStackLimit(uintptr_t limit) { stackLimit = limit; }

extern "C" void RuntimeRaiseException(ObjectInstance* exception) {
    if (!exception) RaiseBuiltinException(BuiltinException::NilObject);
    else RaiseException(exception);
    asm volatile("");
}

extern "C" void RuntimeReraiseException(ObjectInstance* exception) {
    RuntimeRaiseException(exception);
    asm volatile("");
}

extern "C" void RuntimeNilObject() { RaiseBuiltinException(BuiltinException::NilObject); }

extern "C" void RuntimeStackCheck() {
    if (reinterpret_cast<uintptr_t>(__builtin_frame_address(0)) < stackLimit)
        RaiseBuiltinException(BuiltinException::StackOverflow);
}
