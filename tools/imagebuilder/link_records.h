// code2: the link records that tell the loader how to bind code1.
#pragma once

#include "relocation_pass.h"

enum : uint8_t { LINK_IMPORT = 1, LINK_CODE_FIXUP = 2 };

// Threads each import's call sites into its fix-up chain inside code1 and
// returns the records: one import record per name (in the order of first
// use), then one code fix-up record per word.
Bytes build_link_records(const LoadTimeFixups &fixups, Bytes &code1);
