// The project's stored resources (cursors, pictures): an index of big-endian
// words in the executable, or in "data3.dat" when the image was read from
// development files. The file is opened on first use and kept open.
#include "image.h"

namespace {

uint32_t indexOffset;   // 0: the index is at the start of data3.dat
HANDLE resourceFile = INVALID_HANDLE_VALUE;

HANDLE OpenResourceFile() {
    if (resourceFile != INVALID_HANDLE_VALUE) return resourceFile;
    char path[512] = "data3.dat";
    if (indexOffset != 0 && !GetModuleFileNameA(gInstance, path, sizeof path)) return resourceFile;
    resourceFile = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    return resourceFile;
}

bool ReadBigEndianWord(HANDLE file, uint32_t position, uint32_t* word) {
    uint8_t bytes[4];
    DWORD got = 0;
    if (SetFilePointer(file, static_cast<LONG>(position), nullptr, FILE_BEGIN) != position ||
        !ReadFile(file, bytes, 4, &got, nullptr) || got != 4)
        return false;
    *word = uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 | uint32_t(bytes[2]) << 8 | bytes[3];
    return true;
}

} // namespace

void SetProjectResourceIndex(uint32_t offset) { indexOffset = offset; }

bool FindProjectResource(int number, HANDLE* file, uint32_t* position) {
    if (number < 1 || indexOffset == 0xFFFFFFFF) return false;
    HANDLE opened = OpenResourceFile();
    uint32_t count, entry;
    if (opened == INVALID_HANDLE_VALUE || !ReadBigEndianWord(opened, indexOffset, &count) ||
        static_cast<uint32_t>(number) > count ||
        !ReadBigEndianWord(opened, indexOffset + 4 * static_cast<uint32_t>(number), &entry))
        return false;
    *file = opened;
    *position = indexOffset + 4 + 4 * count + entry;
    return true;
}
