// Drawing the image's pictures.
#include "picture.h"
#include "core/objects.h"

namespace {

// The fields of a project picture object after the header.
struct PictureFields {
    ObjectInstance header;
    uint32_t transparent;
    const BITMAPINFOHEADER* dib;
};

const BITMAPINFOHEADER* BitmapOf(ObjectInstance* picture) {
    if (!picture) return nullptr;
    const BITMAPINFOHEADER* dib = reinterpret_cast<PictureFields*>(picture)->dib;
    if (!dib || dib->biSize < sizeof(BITMAPINFOHEADER) || dib->biWidth <= 0 || dib->biHeight == 0)
        return nullptr;
    return dib;
}

const void* PixelsOf(const BITMAPINFOHEADER* dib) {
    DWORD colours = dib->biClrUsed;
    if (!colours && dib->biBitCount <= 8) colours = 1u << dib->biBitCount;
    DWORD masks = dib->biCompression == BI_BITFIELDS && dib->biSize == sizeof(BITMAPINFOHEADER) ? 3 : 0;
    return reinterpret_cast<const uint8_t*>(dib) + dib->biSize + (colours + masks) * sizeof(RGBQUAD);
}

} // namespace

bool PictureSize(ObjectInstance* picture, int* width, int* height) {
    const BITMAPINFOHEADER* dib = BitmapOf(picture);
    if (!dib) return false;
    *width = dib->biWidth;
    *height = dib->biHeight < 0 ? -dib->biHeight : dib->biHeight;
    return true;
}

void DrawPicture(HDC dc, ObjectInstance* picture, int x, int y, int width, int height) {
    const BITMAPINFOHEADER* dib = BitmapOf(picture);
    int w = 0, h = 0;
    if (!dib || !PictureSize(picture, &w, &h)) return;
    if (width >= 0 && width < w) w = width;
    if (height >= 0 && height < h) h = height;
    int fullHeight = dib->biHeight < 0 ? -dib->biHeight : dib->biHeight;
    // Bottom-up rows: the source's top-left lies fullHeight - h rows up from its first row.
    int sourceY = dib->biHeight > 0 ? fullHeight - h : 0;
    SetDIBitsToDevice(dc, x, y, w, h, 0, sourceY, 0, fullHeight, PixelsOf(dib),
                      reinterpret_cast<const BITMAPINFO*>(dib), DIB_RGB_COLORS);
}
