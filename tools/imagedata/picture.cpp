// Pictures, project item kind 1: the kind word, the picture's value (its
// Transparent flag), then the picture as a packed device-independent bitmap:
// the BITMAPINFOHEADER, the colour table and the pixel rows, exactly as a
// Windows .bmp file holds them after its 14-byte file header.
#include "items.h"
#include <fstream>
#include <iterator>

namespace {

constexpr uint32_t kPictureItemKind = 1;
constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;

uint32_t Little32(const Bytes& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

} // namespace

DataItem ReadPicture(SourceReader& in, const std::string& sourceFolder) {
    DataItem item;
    item.label = in.Word("the picture's label");
    const Token at = in.Peek();
    if (!in.Accept("file")) in.Fail(at, "expected file \"<path of a .bmp file>\"");
    std::string path = in.Value("the picture's file");
    int32_t value = in.Accept("value") ? in.Integer("the picture's value") : 0;
    if (!path.empty() && path[0] != '/') path = sourceFolder + "/" + path;

    std::ifstream file(path, std::ios::binary);
    if (!file) in.Fail(at, "cannot read the picture file " + path);
    Bytes bmp((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (bmp.size() < kFileHeaderSize + kInfoHeaderSize || bmp[0] != 'B' || bmp[1] != 'M' ||
        Little32(bmp, kFileHeaderSize) < kInfoHeaderSize)
        in.Fail(at, path + " is not a Windows bitmap (.bmp) file");
    uint32_t pixelsAt = Little32(bmp, 10);
    if (pixelsAt < kFileHeaderSize + kInfoHeaderSize || pixelsAt > bmp.size())
        in.Fail(at, path + ": the bitmap's pixel offset lies outside the file");

    AppendWord(item.bytes, kPictureItemKind);
    AppendWord(item.bytes, static_cast<uint32_t>(value));
    item.bytes.insert(item.bytes.end(), bmp.begin() + kFileHeaderSize, bmp.end());
    return item;
}
