// How an undefined COFF symbol names the routine the loader binds it to:
// "_Name" is the plain entry point "Name" of the runtime; a symbol spelled
// with a leading "!" (through a GCC asm label) is taken verbatim, which
// covers "!Xlibrary!routine" and the deferred plug-in names.
#pragma once

#include <string>

const size_t MAX_IMPORT_NAME = 255;

// Throws a BuildError (about `object`) for symbols that cannot be imports.
std::string import_name(const std::string &symbol, const std::string &object);
