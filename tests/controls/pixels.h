// Off-screen surfaces for pixel comparisons: 32-bit top-down DIB sections,
// filled with one colour at the start.
#pragma once
#include <windows.h>
#include <cstdint>
#include <vector>

class Surface {
public:
    Surface(int width, int height, COLORREF fill = RGB(255, 255, 255)) : width_(width), height_(height) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_),
                                   nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        RECT all = {0, 0, width, height};
        HBRUSH brush = CreateSolidBrush(fill);
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    ~Surface() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    HDC dc() const { return dc_; }
    // The pixel as a COLORREF.
    COLORREF At(int x, int y) const {
        GdiFlush();
        uint32_t p = bits_[y * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    bool SameAs(const Surface& other) const {
        GdiFlush();
        for (int i = 0; i < width_ * height_; i++)
            if ((bits_[i] & 0xFFFFFF) != (other.bits_[i] & 0xFFFFFF)) return false;
        return true;
    }
    int Count(COLORREF color) const {
        int count = 0;
        for (int y = 0; y < height_; y++)
            for (int x = 0; x < width_; x++) count += At(x, y) == color;
        return count;
    }
    // The rows that hold a pixel other than the fill colour.
    std::vector<int> InkedRows(COLORREF fill = RGB(255, 255, 255)) const {
        std::vector<int> rows;
        for (int y = 0; y < height_; y++)
            for (int x = 0; x < width_; x++)
                if (At(x, y) != fill) {
                    rows.push_back(y);
                    break;
                }
        return rows;
    }
    // Copies a screen rectangle of a window into the surface at 0, 0.
    void CaptureFrom(HWND window, int width, int height) {
        HDC screen = GetDC(window);
        BitBlt(dc_, 0, 0, width, height, screen, 0, 0, SRCCOPY);
        ReleaseDC(window, screen);
    }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    uint32_t* bits_ = nullptr;
};
