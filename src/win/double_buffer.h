#pragma once
// Painting into an off-screen bitmap, copied to the window in one step, so
// nothing flickers.
#include <windows.h>

#include <cstdint>

#include "win/handles.h"

namespace vask::win {

class DoubleBuffer {
public:
    // Paints of `target` go to dc() until the buffer is copied back on destruction.
    DoubleBuffer(HDC target, int width, int height);
    ~DoubleBuffer();
    DoubleBuffer(const DoubleBuffer&) = delete;
    DoubleBuffer& operator=(const DoubleBuffer&) = delete;

    HDC dc() const { return memory_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }
    // The buffer is a 32-bit top-down DIB: width x height pixels 0x00RRGGBB,
    // rows top to bottom. Call GdiFlush before reading what GDI drew.
    std::uint32_t* pixels() const { return pixels_; }

private:
    HDC target_;
    int width_, height_;
    MemoryDc memory_;
    std::uint32_t* pixels_ = nullptr;
    Bitmap bitmap_;
    HGDIOBJ oldBitmap_ = nullptr;
};

// The header of a 32-bit top-down DIB (first row on top), as DoubleBuffer
// holds and GetDIBits reads.
BITMAPINFO topDownDibInfo(int width, int height);

// Solid fills and lines in a colour, without keeping brushes around.
void fillRect(HDC dc, const RECT& rect, COLORREF color);
void drawLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF color, int width = 1);

}  // namespace vask::win
