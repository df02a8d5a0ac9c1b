#include "advanced/advanced_glyphs.h"

#include <algorithm>

#include "win/double_buffer.h"
#include "win/dpi.h"
#include "win/handles.h"

namespace vask {
namespace {

COLORREF inkFor(bool brightBackground) { return brightBackground ? RGB(40, 40, 40) : RGB(255, 255, 255); }

// Maps a 16x16 design grid onto the middle of `area`.
class Grid {
public:
    Grid(const RECT& area, UINT dpi) : unit_(std::max(1, win::scale(1, dpi))) {
        left_ = area.left + ((area.right - area.left) - 16 * unit_) / 2;
        top_ = area.top + ((area.bottom - area.top) - 16 * unit_) / 2;
    }
    int x(int units) const { return left_ + units * unit_; }
    int y(int units) const { return top_ + units * unit_; }
    int unit() const { return unit_; }
    RECT rect(int l, int t, int r, int b) const { return {x(l), y(t), x(r), y(b)}; }

private:
    int unit_, left_, top_;
};

// An outline in `ink`, filled with `fill` (or hollow when fill is CLR_INVALID).
void outline(HDC dc, const POINT* points, int count, COLORREF ink, COLORREF fill, int width) {
    win::Pen pen(CreatePen(PS_SOLID, width, ink));
    win::Brush brush(fill == CLR_INVALID ? nullptr : CreateSolidBrush(fill));
    win::SelectedObject selectedPen(dc, pen.get());
    win::SelectedObject selectedBrush(dc, brush ? static_cast<HGDIOBJ>(brush.get()) : GetStockObject(NULL_BRUSH));
    Polygon(dc, points, count);
}

void drawSave(HDC dc, const Grid& g, COLORREF ink) {  // a floppy disk
    const POINT body[] = {
        {g.x(2), g.y(2)}, {g.x(12), g.y(2)}, {g.x(14), g.y(4)}, {g.x(14), g.y(14)}, {g.x(2), g.y(14)}};
    outline(dc, body, 5, ink, CLR_INVALID, g.unit());
    win::fillRect(dc, g.rect(5, 2, 11, 6), ink);   // the shutter
    win::fillRect(dc, g.rect(5, 9, 11, 10), ink);  // the label's lines
    win::fillRect(dc, g.rect(5, 11, 11, 12), ink);
}

void drawOpen(HDC dc, const Grid& g, COLORREF ink) {  // an opening folder
    const POINT back[] = {{g.x(1), g.y(3)},  {g.x(6), g.y(3)},  {g.x(7), g.y(5)},
                          {g.x(13), g.y(5)}, {g.x(13), g.y(7)}, {g.x(1), g.y(7)}};
    outline(dc, back, 6, ink, CLR_INVALID, g.unit());
    const POINT front[] = {{g.x(1), g.y(13)}, {g.x(4), g.y(7)}, {g.x(15), g.y(7)}, {g.x(12), g.y(13)}};
    outline(dc, front, 4, ink, ink, g.unit());
}

void drawClearAll(HDC dc, const Grid& g, COLORREF ink) {  // lines of text, struck out
    for (int row : {3, 7, 11}) win::fillRect(dc, g.rect(2, row, 12, row + 2), ink);
    win::drawLine(dc, g.x(9), g.y(8), g.x(15), g.y(14), ink, 2 * g.unit());
    win::drawLine(dc, g.x(15), g.y(8), g.x(9), g.y(14), ink, 2 * g.unit());
}

void drawReset(HDC dc, const Grid& g, COLORREF ink) {  // a circling arrow
    {
        win::Pen pen(CreatePen(PS_SOLID, 2 * g.unit(), ink));
        win::SelectedObject selectedPen(dc, pen.get());
        // Counter-clockwise from the top round to the upper right.
        Arc(dc, g.x(2), g.y(2), g.x(14), g.y(14), g.x(8), g.y(2), g.x(14), g.y(4));
    }
    const POINT head[] = {{g.x(10), g.y(0)}, {g.x(10), g.y(5)}, {g.x(6), g.y(2)}};
    outline(dc, head, 3, ink, ink, g.unit());
}

}  // namespace

void drawToolGlyph(HDC dc, const RECT& area, ToolGlyph glyph, bool brightBackground, UINT dpi) {
    const Grid grid(area, dpi);
    const COLORREF ink = inkFor(brightBackground);
    switch (glyph) {
    case ToolGlyph::Save:
        drawSave(dc, grid, ink);
        break;
    case ToolGlyph::Open:
        drawOpen(dc, grid, ink);
        break;
    case ToolGlyph::ClearAll:
        drawClearAll(dc, grid, ink);
        break;
    case ToolGlyph::Reset:
        drawReset(dc, grid, ink);
        break;
    }
}

void drawPinGlyph(HDC dc, const RECT& area, bool brightBackground, UINT dpi) {
    // A push-pin leaning right: its head, the collar and the needle.
    const Grid g(area, dpi);
    const COLORREF ink = inkFor(brightBackground);
    const POINT head[] = {{g.x(8), g.y(1)}, {g.x(15), g.y(8)}, {g.x(12), g.y(9)}, {g.x(7), g.y(4)}};
    outline(dc, head, 4, ink, ink, g.unit());
    win::drawLine(dc, g.x(5), g.y(6), g.x(10), g.y(11), ink, 2 * g.unit());
    win::drawLine(dc, g.x(8), g.y(8), g.x(2), g.y(14), ink, g.unit());
}

}  // namespace vask
