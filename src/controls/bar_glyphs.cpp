#include "controls/bar_glyphs.h"

#include "win/dpi.h"
#include "win/fonts.h"
#include "win/double_buffer.h"
#include "win/handles.h"

#include <algorithm>

namespace vask {
namespace {

COLORREF inkFor(bool brightBackground) { return brightBackground ? RGB(40, 40, 40) : RGB(255, 255, 255); }

}  // namespace

void drawLogo(HDC dc, const RECT& area, bool brightBackground, UINT dpi) {
    const COLORREF ink = inkFor(brightBackground);
    const int height = area.bottom - area.top;
    // A magnifying glass...
    const int lens = height * 11 / 20;
    const int penWidth = win::scale(2, dpi);
    {
        win::Pen pen(CreatePen(PS_SOLID, penWidth, ink));
        win::SelectedObject selectedPen(dc, pen.get());
        win::SelectedObject selectedBrush(dc, GetStockObject(NULL_BRUSH));
        const int top = area.top + win::scale(2, dpi);
        Ellipse(dc, area.left + penWidth, top, area.left + penWidth + lens, top + lens);
        const int handleStart = area.left + penWidth + lens * 17 / 20;
        MoveToEx(dc, handleStart, top + lens * 17 / 20, nullptr);
        LineTo(dc, handleStart + lens / 3, top + lens * 17 / 20 + lens / 3);
    }
    // ...and the name beside it.
    const win::Font font = win::makeFont(L"Arial", -height * 3 / 4, {.weight = FW_BOLD, .italic = true});
    win::SelectedObject selectedFont(dc, font.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ink);
    RECT text = area;
    text.left += penWidth + lens + lens / 3 + win::scale(3, dpi);
    DrawTextW(dc, L"Vask", -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
}

void drawCloseGlyph(HDC dc, const RECT& area, bool brightBackground, UINT dpi) {
    const COLORREF ink = inkFor(brightBackground);
    const int inset = win::scale(3, dpi);
    const int width = std::max(1, win::scale(1, dpi) + (dpi >= 144 ? 1 : 0));
    win::drawLine(dc, area.left + inset, area.top + inset, area.right - inset, area.bottom - inset, ink, width);
    win::drawLine(dc, area.right - inset - 1, area.top + inset, area.left + inset - 1, area.bottom - inset, ink, width);
}

void drawMenuGlyph(HDC dc, const RECT& area, bool brightBackground, UINT dpi) {
    const COLORREF ink = inkFor(brightBackground);
    const int barWidth = win::scale(10, dpi);
    const int left = area.left + ((area.right - area.left) - barWidth) / 2;
    const int middle = area.top + (area.bottom - area.top) / 2;
    const int gap = win::scale(4, dpi);
    for (int line = -1; line <= 1; ++line) {
        const RECT bar{left, middle + line * gap - win::scale(1, dpi) / 2, left + barWidth,
                       middle + line * gap - win::scale(1, dpi) / 2 + std::max(1, win::scale(1, dpi))};
        win::fillRect(dc, bar, ink);
    }
}

}  // namespace vask
