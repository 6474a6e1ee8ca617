// The entry table itself, generated from entrypoints.def. The routines of
// ENTRY lines are declared here without their real signatures: the table only
// takes their addresses, and their own headers would not fit one type.
#include "entrytable.h"
#include "failedassertion.h"

#define ENTRY(name) extern "C" void name();
#define PENDING(name)
#define PENDING_FP(name)
#define UNSUPPORTED(name)
#define UNSUPPORTED_FP(name)
#define SAME(name)
#include "entrypoints.def"
#undef ENTRY
#undef PENDING
#undef PENDING_FP
#undef UNSUPPORTED
#undef UNSUPPORTED_FP
#undef SAME

namespace {

// Placeholders of routines not built yet. Each names itself in the report;
// after OK the caller carries on with a zero result.
namespace pending {
#define ENTRY(name)
#define PENDING(name) \
    int name() { FailedAssertion(0, 4, #name, 0); return 0; }
#define PENDING_FP(name) \
    double name() { FailedAssertion(0, 4, #name, 0); return 0.0; }
#define UNSUPPORTED(name)
#define UNSUPPORTED_FP(name)
#define SAME(name)
#include "entrypoints.def"
#undef ENTRY
#undef PENDING
#undef PENDING_FP
#undef UNSUPPORTED
#undef UNSUPPORTED_FP
#undef SAME
} // namespace pending

// The periphery this runtime leaves out: calls do nothing and give 0.
int Unsupported() { return 0; }
double UnsupportedFloat() { return 0.0; }

// The routine of every name, so that a SAME line can refer to its first slot.
namespace routine {
#define ENTRY(name) constexpr auto name = &::name;
#define PENDING(name) constexpr auto name = &pending::name;
#define PENDING_FP(name) constexpr auto name = &pending::name;
#define UNSUPPORTED(name) constexpr auto name = &Unsupported;
#define UNSUPPORTED_FP(name) constexpr auto name = &UnsupportedFloat;
#define SAME(name)
#include "entrypoints.def"
#undef ENTRY
#undef PENDING
#undef PENDING_FP
#undef UNSUPPORTED
#undef UNSUPPORTED_FP
#undef SAME
} // namespace routine

#define SLOT(name) +1
#define ENTRY SLOT
#define PENDING SLOT
#define PENDING_FP SLOT
#define UNSUPPORTED SLOT
#define UNSUPPORTED_FP SLOT
#define SAME SLOT
constexpr int kListedSlots = 0
#include "entrypoints.def"
    ;
#undef ENTRY
#undef PENDING
#undef PENDING_FP
#undef UNSUPPORTED
#undef UNSUPPORTED_FP
#undef SAME
#undef SLOT
static_assert(kListedSlots == kNamedEntrySlotCount, "entrypoints.def lists every named slot");

} // namespace

// The slots after the named ones stay empty.
extern const EntrySlot RuntimeEntryTable[kEntrySlotCount] = {
#define SLOT(name) {#name, reinterpret_cast<void*>(routine::name), 0, 0},
#define ENTRY SLOT
#define PENDING SLOT
#define PENDING_FP SLOT
#define UNSUPPORTED SLOT
#define UNSUPPORTED_FP SLOT
#define SAME SLOT
#include "entrypoints.def"
#undef ENTRY
#undef PENDING
#undef PENDING_FP
#undef UNSUPPORTED
#undef UNSUPPORTED_FP
#undef SAME
#undef SLOT
};
