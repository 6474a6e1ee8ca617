// What becomes of each section of an object, decided by name and flags.
#pragma once

#include "coff_object.h"

enum class SectionKind {
    code,                 // into code1
    data,                 // into data1
    skipped,              // compiler bookkeeping that the image does without
    static_constructors,  // rejected: nothing would run them
    thread_local_data,    // rejected: the runtime has no TLS for the image
    unknown,              // rejected: contents we cannot place
};

SectionKind section_kind(const CoffSection &section);
