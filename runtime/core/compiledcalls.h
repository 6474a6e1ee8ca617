// Calls from the runtime into compiled code of the image: constructors,
// destructors, event and menu handlers. A compiled routine in which a handler
// caught an exception returns with the callee-saved registers of the raise,
// not those of its caller, so every such call goes through CallCompiledCode,
// which saves and restores them itself (compiledcalls.S).
#pragma once
#include <cstdint>

// Calls code with count 32-bit arguments (arguments[0] first); returns eax.
extern "C" uint32_t CallCompiledCode(uint32_t code, uint32_t count, const uint32_t* arguments);

// code: a code address or a routine pointer; arguments: 32-bit values.
template <typename Code, typename... Arguments>
uint32_t CallCompiled(Code code, Arguments... arguments) {
    const uint32_t words[] = {0, (uint32_t)(arguments)...};
    return CallCompiledCode(reinterpret_cast<uint32_t>(code), sizeof...(Arguments), words + 1);
}
