#pragma once
// Painting into an off-screen bitmap, copied to the window in one step, so
// nothing flickers.
#include <windows.h>

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

private:
    HDC target_;
    int width_, height_;
    MemoryDc memory_;
    Bitmap bitmap_;
    HGDIOBJ oldBitmap_ = nullptr;
};

// Solid fills and lines in a colour, without keeping brushes around.
void fillRect(HDC dc, const RECT& rect, COLORREF color);
void drawLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF color, int width = 1);

}  // namespace vask::win
