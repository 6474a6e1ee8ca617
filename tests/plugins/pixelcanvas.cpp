#include "pixelcanvas.h"
#include <cstdio>
#include <algorithm>
#include <cstdlib>

GdiCanvas::GdiCanvas(const RECT& bounds, int margin)
    : bounds_(bounds), width_(bounds.right - bounds.left + margin),
      height_(bounds.bottom - bounds.top + margin) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<uint32_t*>(bits);
    old_ = SelectObject(dc_, bitmap_);
    for (int i = 0; i < width_ * height_; i++)
        bits_[i] = (GetRValue(kUntouched) << 16) | (GetGValue(kUntouched) << 8) | GetBValue(kUntouched);
    SetWindowOrgEx(dc_, bounds.left, bounds.top, nullptr);
}

GdiCanvas::~GdiCanvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

COLORREF GdiCanvas::At(LONG x, LONG y) const {
    GdiFlush();
    uint32_t pixel = bits_[(y - bounds_.top) * width_ + (x - bounds_.left)];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

Reference::Reference(const GdiCanvas& like)
    : bounds_(like.bounds()), width_(like.width()), height_(like.height()),
      pixels_(static_cast<size_t>(width_ * height_), kUntouched) {}

void Reference::Point(LONG x, LONG y, COLORREF colour) {
    LONG dx = x - bounds_.left, dy = y - bounds_.top;
    if (dx < 0 || dy < 0 || dx >= width_ || dy >= height_) return;
    pixels_[static_cast<size_t>(dy * width_ + dx)] = colour;
}

void Reference::Line(POINT a, POINT b, COLORREF colour) {
    LONG sx = b.x > a.x ? 1 : b.x < a.x ? -1 : 0, sy = b.y > a.y ? 1 : b.y < a.y ? -1 : 0;
    if (sx && sy && std::labs(b.x - a.x) != std::labs(b.y - a.y)) abort();   // not a test line
    for (POINT p = a; p.x != b.x || p.y != b.y; p.x += sx, p.y += sy) Point(p.x, p.y, colour);
}

void Reference::Polyline(std::initializer_list<POINT> points, COLORREF colour) {
    const POINT* p = points.begin();
    for (size_t i = 1; i < points.size(); i++) Line(p[i - 1], p[i], colour);
}

void Reference::Frame(const RECT& r, COLORREF colour) {
    for (LONG x = r.left; x < r.right; x++) Point(x, r.top, colour), Point(x, r.bottom - 1, colour);
    for (LONG y = r.top; y < r.bottom; y++) Point(r.left, y, colour), Point(r.right - 1, y, colour);
}

void Reference::Fill(const RECT& r, COLORREF colour) {
    for (LONG y = r.top; y < r.bottom; y++)
        for (LONG x = r.left; x < r.right; x++) Point(x, y, colour);
}

namespace {
LONG Cross(POINT a, POINT b, POINT p) { return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x); }
}

void Reference::Triangle(POINT a, POINT b, POINT c, COLORREF colour) {
    TrianglePoints(a, b, c, colour, true);
}

void Reference::OutlinedTriangle(POINT a, POINT b, POINT c, COLORREF pen, COLORREF brush) {
    TrianglePoints(a, b, c, pen, true);
    TrianglePoints(a, b, c, brush, false);
}

void Reference::TrianglePoints(POINT a, POINT b, POINT c, COLORREF colour, bool edges) {
    LONG minX = std::min({a.x, b.x, c.x}), maxX = std::max({a.x, b.x, c.x});
    LONG minY = std::min({a.y, b.y, c.y}), maxY = std::max({a.y, b.y, c.y});
    for (LONG y = minY; y <= maxY; y++)
        for (LONG x = minX; x <= maxX; x++) {
            POINT p{x, y};
            LONG d1 = Cross(a, b, p), d2 = Cross(b, c, p), d3 = Cross(c, a, p);
            bool negative = d1 < 0 || d2 < 0 || d3 < 0, positive = d1 > 0 || d2 > 0 || d3 > 0;
            bool onEdge = d1 == 0 || d2 == 0 || d3 == 0;
            if (!(negative && positive) && (edges || !onEdge)) Point(x, y, colour);
        }
}

COLORREF Reference::At(LONG x, LONG y) const {
    return pixels_[static_cast<size_t>((y - bounds_.top) * width_ + (x - bounds_.left))];
}

std::string Difference(const GdiCanvas& drawn, const Reference& expected) {
    const RECT& b = drawn.bounds();
    int differences = 0;
    char first[160] = "";
    for (LONG y = b.top; y < b.top + drawn.height(); y++)
        for (LONG x = b.left; x < b.left + drawn.width(); x++)
            if (drawn.At(x, y) != expected.At(x, y) && differences++ == 0)
                snprintf(first, sizeof first, "at (%ld, %ld) drawn %06lX, expected %06lX", x, y,
                         drawn.At(x, y), expected.At(x, y));
    if (!differences) return "";
    return std::to_string(differences) + " pixels differ, first " + first;
}
