// Gives the runtime a settings block that holds nothing but file types, as
// the image of a project with those types would.
#pragma once
#include "core/settings.h"
#include "files/memorystream.h"
#include <string>
#include <vector>

struct FileTypeTexts {
    std::string name, creator, type, extensions;
};

// The project's list of file types.
inline const std::vector<FileTypeTexts> kApplicationFileTypes = {
    {"APTDAT", "????", "TEXT", ".dat"},
    {"NAVDAT", "????", "TEXT", ".dat"},
    {"PICT", "????", "????", ""},
    {"TEXT", "ttxt", "TEXT", ""},
};

inline void LoadFileTypes(const std::vector<FileTypeTexts>& types) {
    // Compact integers below 64 are one byte; so are the lengths of short texts.
    std::string block = {0, 0, 0, 0, 0, 0, 0, 0, 0};   // flag, reserved word, character set
    block += char(types.size());
    for (const FileTypeTexts& t : types)
        for (const std::string* text : {&t.name, &t.creator, &t.type, &t.extensions})
            block += char(text->size()) + *text;
    block += std::string(3, '\0');   // no message texts, no frame, no name
    MemoryStream stream(block.data(), uint32_t(block.size()));
    ReadSettingsBlock(stream);
}
