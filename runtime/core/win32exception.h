// Runtime exceptions. A raise walks the chain of frame pointers upwards,
// releases what each compiled frame holds (as its continuation sequences and
// frame trailers list) and resumes in the first compiled catch handler for
// the exception's class; with none, the application ends with a message.
//
// The walk passes runtime frames without doing anything in them: whatever a
// runtime routine between the raise and the handler would still have done
// (destructors, restoring state) never happens. Every such routine must keep
// the frame-pointer chain and no big buffers on its stack (the walk stops at
// a frame more than 4,096 bytes above the one below it); state that must stay
// consistent uses an AbandonableFrame.
#pragma once
#include <cstdint>

struct ClassRecord;
struct ObjectInstance;

// The built-in exception classes, all under RuntimeException.
enum class BuiltinException {
    Runtime,          // "RuntimeException"
    NilObject,        // "NilObjectException"
    IllegalCast,      // "IllegalCastException"
    OutOfBounds,      // "OutOfBoundsException"
    StackOverflow,    // "stackOverflowException"
    TypeMismatch,     // "typeMismatchException"
    End,              // "EndException": unwinds compiled code when the application quits
};

// Registers the classes; run once by RuntimeInit.
void RegisterExceptionClasses();
ClassRecord* BuiltinExceptionClass(BuiltinException kind);

// Raises the exception (lent). Returns only for an EndException that nothing
// catches, after the shutdown handlers have run.
void RaiseException(ObjectInstance* exception);

// Creates a new exception of that kind and raises it.
void RaiseNewBuiltinException(BuiltinException kind);

// What runtime routines call to raise. The empty statement after the call
// keeps the compiler from turning it into a jump that would reuse the
// caller's frame and argument slots, which the walk still reads.
inline void RaiseBuiltinException(BuiltinException kind) {
    RaiseNewBuiltinException(kind);
    asm volatile("");
}

// A frame of a runtime routine that keeps state a raise may leave behind.
// The record lives in that frame: when a handler resumes in an older frame,
// every record below it is given to its abandoned routine, innermost first.
struct AbandonableFrame {
    AbandonableFrame* outer;
    void (*abandoned)(AbandonableFrame* frame);
};
void EnterAbandonableFrame(AbandonableFrame* frame);
void LeaveAbandonableFrame(AbandonableFrame* frame);   // the innermost one

// The stack limit of RuntimeStackCheck: lower stack pointers overflow.
// RuntimeInit sets it 0xE0000 bytes below its own frame.
void SetStackLimit(uintptr_t limit);
constexpr uintptr_t kStackAllowance = 0xE0000;

extern "C" {
void RuntimeRaiseException(ObjectInstance* exception);
void RuntimeReraiseException(ObjectInstance* exception);
void RuntimeNilObject();
void RuntimeStackCheck();
}
