// Pixel tests of the appearance drawing. A GdiCanvas is a 32-bit DIB whose
// device origin is the control's top-left, as a pane's drawing context is;
// a Reference is drawn point by point from the drawing rules alone (lines
// without their last point, frames, fills, closed triangles), never with
// GDI's own line or polygon code.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

constexpr COLORREF kUntouched = RGB(1, 2, 3);

class GdiCanvas {
public:
    GdiCanvas(const RECT& bounds, int margin = 4);
    ~GdiCanvas();
    HDC dc() const { return dc_; }
    COLORREF At(LONG x, LONG y) const;     // window coordinates
    int width() const { return width_; }
    int height() const { return height_; }
    const RECT& bounds() const { return bounds_; }
private:
    RECT bounds_;
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    uint32_t* bits_;
};

class Reference {
public:
    explicit Reference(const GdiCanvas& like);
    void Point(LONG x, LONG y, COLORREF colour);
    // From a to b, b left out; the line must run straight or at 45 degrees.
    void Line(POINT a, POINT b, COLORREF colour);
    void Polyline(std::initializer_list<POINT> points, COLORREF colour);
    void Frame(const RECT& rect, COLORREF colour);
    void Fill(const RECT& rect, COLORREF colour);
    // Every point inside the triangle or on its edges.
    void Triangle(POINT a, POINT b, POINT c, COLORREF colour);
    // Triangle drawn as GDI's polygons are: the outline in the pen's
    // colour, the points strictly inside in the brush's.
    void OutlinedTriangle(POINT a, POINT b, POINT c, COLORREF pen, COLORREF brush);
    COLORREF At(LONG x, LONG y) const;
private:
    void TrianglePoints(POINT a, POINT b, POINT c, COLORREF colour, bool edges);
    RECT bounds_;
    int width_, height_;
    std::vector<COLORREF> pixels_;
};

// "" when they agree, else where and how they differ first.
std::string Difference(const GdiCanvas& drawn, const Reference& expected);
