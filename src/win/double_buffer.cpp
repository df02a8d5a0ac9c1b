#include "win/double_buffer.h"

namespace vask::win {
namespace {

HBITMAP createTopDownDib(HDC dc, int width, int height, std::uint32_t** pixels) {
    const BITMAPINFO info = topDownDibInfo(width, height);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    *pixels = static_cast<std::uint32_t*>(bits);
    return bitmap;
}

}  // namespace

BITMAPINFO topDownDibInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

DoubleBuffer::DoubleBuffer(HDC target, int width, int height)
    : target_(target),
      width_(width > 0 ? width : 1),
      height_(height > 0 ? height : 1),
      memory_(CreateCompatibleDC(target)),
      bitmap_(createTopDownDib(target, width_, height_, &pixels_)) {
    oldBitmap_ = SelectObject(memory_.get(), bitmap_.get());
}

DoubleBuffer::~DoubleBuffer() {
    BitBlt(target_, 0, 0, width_, height_, memory_.get(), 0, 0, SRCCOPY);
    SelectObject(memory_.get(), oldBitmap_);
}

void fillRect(HDC dc, const RECT& rect, COLORREF color) {
    Brush brush(CreateSolidBrush(color));
    FillRect(dc, &rect, brush.get());
}

void drawLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF color, int width) {
    Pen pen(CreatePen(PS_SOLID, width, color));
    SelectedObject selected(dc, pen.get());
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

}  // namespace vask::win
