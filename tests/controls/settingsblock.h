// Gives the runtime a settings block, as an image's project would: the
// character-set code, the frame flag and the application's name.
#pragma once
#include "core/settings.h"
#include "files/memorystream.h"
#include <string>

inline void LoadSettings(uint8_t characterSetCode, bool framed, const std::string& name) {
    // Compact integers below 64 are one byte; so are the lengths of short texts.
    std::string block = {1, 0, 0, 0, 0, 0, 0, 0, char(characterSetCode)};
    block += std::string(2, '\0');   // no file types, no message texts
    block += char(framed ? 1 : 0);
    block += char(name.size()) + name;
    MemoryStream stream(block.data(), uint32_t(block.size()));
    ReadSettingsBlock(stream);
}
