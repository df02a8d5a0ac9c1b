#include "controls/grad_button_model.h"

#include <algorithm>
#include <cmath>

namespace vask {
namespace {

// Marks a colour the plain schemes leave as it is: their gradient ends.
constexpr uint32_t Kept = 0xFFFFFFFF;

using SchemeTable = std::array<uint32_t, ColorCount>;

// One row per built-in scheme in TColorScheme order; within a row the
// normal, over, down and disabled sets, then the focus rectangle.
constexpr std::array<SchemeTable, 12> SchemeColors{{
    // csNeoDesert
    {{0xC6ECFF, 0x37BEFF, 0x009CE8, 0xB9E7FF, 0x005680, 0x000000, 0xB3E7FF, 0x00A3F0, 0x008ED2,
      0x95DAFF, 0x005680, 0x000000, 0x2BBAFF, 0x77D2FF, 0x8AD9FF, 0x0077B7, 0x0070A6, 0x000000,
      0xEEEEEE, 0xFFFFFF, 0xD2D2D2, 0xFFFFFF, 0x808080, 0x808080, 0x4080FF}},
    // csNeoSky
    {{0xFFEEDD, 0xFFB66C, 0xFFA851, 0xFFECD9, 0xB35900, 0x000000, 0xFFEBD7, 0xFFA346, 0xFF9E3E,
      0xFFE4CA, 0xB35900, 0x000000, 0xFFB366, 0xFFCE9D, 0xFFD3A8, 0xFF9E3E, 0xB35900, 0x000000,
      0xEEEEEE, 0xFFFFFF, 0xD2D2D2, 0xFFFFFF, 0x808080, 0x808080, 0xFFA953}},
    // csNeoGrass
    {{0xDDF9E8, 0x5EDF8E, 0x24B95C, 0xCBF5DB, 0x156F37, 0x000000, 0xBFF2D2, 0x3DD877, 0x23B459,
      0xB5F0CB, 0x17793D, 0x000000, 0x4EDC83, 0x80E6A6, 0x89E7AC, 0x177D3E, 0x167439, 0x000000,
      0xEEEEEE, 0xFFFFFF, 0xD2D2D2, 0xFFFFFF, 0x808080, 0x808080, 0x24B95C}},
    // csNeoSilver
    {{0xF3F3F3, 0xBCBCBC, 0xA7A7A7, 0xF7F7F7, 0x626262, 0x000000, 0xF0F0F0, 0xA6A6A6, 0xA2A2A2,
      0xEEEEEE, 0x757575, 0x000000, 0xCACACA, 0xDADADA, 0xE9E9E9, 0x7C7C7C, 0x4E4E4E, 0x000000,
      0xEEEEEE, 0xFFFFFF, 0xD2D2D2, 0xFFFFFF, 0x808080, 0x808080, 0xADADAD}},
    // csNeoRose
    {{0xE8E8FF, 0x9595FF, 0x8282FF, 0xDDDDFF, 0x00009D, 0x000000, 0xDFDFFF, 0x7777FF, 0x6A6AFF,
      0xD7D7FF, 0x00009D, 0x000000, 0xA6A6FF, 0xB9B9FF, 0xCECEFF, 0x5E5EFF, 0x00009D, 0x000000,
      0xEEEEEE, 0xFFFFFF, 0xD2D2D2, 0xFFFFFF, 0x808080, 0x808080, 0x5E5EFF}},
    // csNeoSun
    {{0xF0FFFF, 0x20D8F9, 0x00BBBB, 0xF2FFFF, 0x006464, 0x000000, 0xD5FCFF, 0x05BCDC, 0x00A6A6,
      0xCCFFFF, 0x006464, 0x000000, 0x05D1F5, 0x66F0FB, 0x66F3FF, 0x008484, 0x006464, 0x000000,
      0xEEEEEE, 0xFFFFFF, 0xD2D2D2, 0xFFFFFF, 0x808080, 0x808080, 0x00BBBB}},
    // csDesert
    {{0x95DDFF, Kept,     0x009CE8, 0xB9E7FF, 0x005680, 0x000000, 0x6FD0FF, Kept,     0x008ED2,
      0x95DAFF, 0x005680, 0x000000, 0x6FD0FF, Kept,     0x8AD9FF, 0x0077B7, 0x0070A6, 0x000000,
      0xE2E2E2, Kept,     0xD8D8D8, 0xEAEAEA, 0xC4C4C4, 0x808080, 0x4080FF}},
    // csGrass
    {{0x98EBB7, Kept,     0x24B95C, 0xCBF5DB, 0x156F37, 0x000000, 0x68E196, Kept,     0x23B459,
      0xB5F0CB, 0x17793D, 0x000000, 0x4EDC83, Kept,     0x89E7AC, 0x177D3E, 0x167439, 0x000000,
      0xE2E2E2, Kept,     0xD8D8D8, 0xEAEAEA, 0xC4C4C4, 0x808080, 0x00A421}},
    // csSky
    {{0xFFE0C1, Kept,     0xFFA953, 0xFFECD9, 0xB35900, 0x000000, 0xFFCD9B, Kept,     0xFFB164,
      0xFFE4CA, 0xB35900, 0x000000, 0xFFC082, Kept,     0xFFD3A8, 0xFF9122, 0xB35900, 0x000000,
      0xE2E2E2, Kept,     0xD8D8D8, 0xEAEAEA, 0xC4C4C4, 0x808080, 0xDC9B14}},
    // csSun
    {{0xA8FFFF, Kept,     0x00BBBB, 0xF2FFFF, 0x006464, 0x000000, 0x66F3FF, Kept,     0x00A6A6,
      0xCCFFFF, 0x006464, 0x000000, 0x22EEFF, Kept,     0x66F3FF, 0x008484, 0x006464, 0x000000,
      0xE2E2E2, Kept,     0xD8D8D8, 0xEAEAEA, 0xC4C4C4, 0x808080, 0x008CF4}},
    // csRose
    {{0xC6C6FF, Kept,     0x8282FF, 0xDDDDFF, 0x00009D, 0x000000, 0xB0B0FF, Kept,     0x6A6AFF,
      0xD7D7FF, 0x00009D, 0x000000, 0x9F9FFF, Kept,     0x8888FF, 0x5E5EFF, 0x00009D, 0x000000,
      0xE2E2E2, Kept,     0xD8D8D8, 0xEAEAEA, 0xC4C4C4, 0x808080, 0x5E5EFF}},
    // csSilver
    {{0xE0E0E0, Kept,     0xAEAEAE, 0xF7F7F7, 0x626262, 0x000000, 0xCFCFCF, Kept,     0x797979,
      0xEEEEEE, 0x757575, 0x000000, 0xD3D3D3, Kept,     0xE9E9E9, 0x7C7C7C, 0x4E4E4E, 0x000000,
      0xE2E2E2, Kept,     0xD8D8D8, 0xEAEAEA, 0xC4C4C4, 0x808080, 0x8A8A8A}},
}};

uint32_t channel(uint32_t color, int shift) { return (color >> shift) & 0xFF; }

}  // namespace

GradButtonModel::GradButtonModel() {
    setColorScheme(TColorScheme::csNeoDesert);
    // Set behind the scheme's back: the scheme stays csNeoDesert.
    colors[OverColorGrad] = 0xFFFFFF;
    colors[DownColorGrad] = 0xFFFFFF;
    colors[DisabledColorGrad] = 0xFFFFFF;
}

void GradButtonModel::setColor(int index, uint32_t value) {
    if (index >= 0 && index < ColorCount) colors[index] = value;
    scheme_ = TColorScheme::csCustom;
}

void GradButtonModel::setColorScheme(TColorScheme scheme) {
    scheme_ = scheme;
    const auto row = static_cast<std::size_t>(scheme);
    if (row >= SchemeColors.size()) return;  // csCustom
    for (int i = 0; i < ColorCount; ++i)
        if (SchemeColors[row][i] != Kept) setColor(i, SchemeColors[row][i]);
    gradient = scheme <= TColorScheme::csNeoSun;
    scheme_ = scheme;  // writing the colours made it csCustom
}

void GradButtonModel::mouseEnter() {
    if (hotTrack) state = mouseHeld ? ButtonState::Down : ButtonState::Over;
}

void GradButtonModel::mouseLeave() { state = ButtonState::Normal; }

bool GradButtonModel::leftButtonDown() {
    mouseHeld = true;
    state = ButtonState::Down;
    return tabStop;
}

bool GradButtonModel::buttonUp(int x, int y, int width, int height, bool leftButton) {
    const bool endsPress = mouseHeld && leftButton;
    mouseHeld = false;
    const bool inside = 0 <= x && x < width && 0 <= y && y < height;
    if (inside) state = hotTrack ? ButtonState::Over : ButtonState::Normal;
    return endsPress && inside;
}

void GradButtonModel::focusGained() { focused = true; }

void GradButtonModel::focusLost() {
    focused = false;
    state = ButtonState::Normal;
}

bool GradButtonModel::keyDown(Key key) {
    if (key == Key::Space) state = ButtonState::Down;
    return key == Key::Enter;
}

bool GradButtonModel::keyUp(Key key) {
    if (key != Key::Space) return false;
    state = ButtonState::Normal;
    return true;
}

bool GradButtonModel::dialogKey(Key key, bool modifiersHeld, bool canFocus) const {
    if (!canFocus) return false;
    if (((key == Key::Enter && focused) || (key == Key::Escape && cancel)) && !modifiersHeld) return true;
    return isDefault && key == Key::Enter;
}

void GradButtonModel::clickDone() { state = ButtonState::Normal; }

ColorSet colorSetFor(const GradButtonModel& button) {
    int first = ColorFace;
    if (!button.enabled)
        first = DisabledColorFace;
    else if (button.state == ButtonState::Over)
        first = OverColorFace;
    else if (button.state == ButtonState::Down)
        first = DownColorFace;
    const auto& c = button.colors;
    return {c[first + ColorFace], c[first + ColorGrad],   c[first + ColorLight],
            c[first + ColorDark], c[first + ColorBorder], c[first + ColorText]};
}

ContentPlacement placeContent(TButtonLayout layout, int width, int height, int textWidth, int textHeight,
                              int glyphWidth, int glyphHeight, int spacing, bool hasText, bool hasGlyph, bool down) {
    // Integer division truncates toward zero, also for the negated sizes.
    ContentPlacement p{(width - textWidth) / 2, (height - textHeight) / 2, 0, 0};
    const int gw = glyphWidth, gh = glyphHeight, sp = spacing;
    if (hasGlyph) {
        switch (layout) {
        case TButtonLayout::blGlyphLeft:
            p.gy = (height - gh) / 2;
            p.gx = p.tx - gw / 2;
            p.tx += gw / 2;
            if (hasText) {
                p.gx -= sp / 2 + sp % 2;
                p.tx += sp / 2;
            }
            break;
        case TButtonLayout::blGlyphRight:
            p.gy = (height - gh) / 2;
            p.gx = p.tx + textWidth - gw / 2;
            p.tx += (-gw) / 2;
            if (hasText) {
                p.gx += sp / 2 + sp % 2;
                p.tx += (-sp) / 2;
            }
            break;
        case TButtonLayout::blGlyphTop:
            p.gx = (width - gw) / 2;
            p.gy = p.ty - gh / 2 - gh % 2;
            p.ty += gh / 2;
            if (hasText) {
                p.gy -= sp / 2 + sp % 2;
                p.ty += sp / 2;
            }
            break;
        case TButtonLayout::blGlyphBottom:
            p.gx = (width - gw) / 2;
            p.gy = p.ty + textHeight - gh / 2;
            p.ty += (-gh) / 2;
            if (hasText) {
                p.gy += sp / 2 + sp % 2;
                p.ty += (-sp) / 2;
            }
            break;
        }
        if (down) {
            ++p.gx;
            ++p.gy;
        }
    }
    if (down) {
        ++p.tx;
        ++p.ty;
    }
    return p;
}

PixelBuffer::PixelBuffer(int w, int h, uint32_t color)
    : width(std::max(w, 0)), height(std::max(h, 0)), pixels(static_cast<std::size_t>(width) * height, color) {}

void PixelBuffer::fillRect(int left, int top, int right, int bottom, uint32_t color) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width);
    bottom = std::min(bottom, height);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) pixels[static_cast<std::size_t>(y) * width + x] = color;
}

void PixelBuffer::hline(int y, int xFrom, int xTo, uint32_t color) {
    if (xFrom <= xTo)
        fillRect(xFrom, y, xTo, y + 1, color);
    else
        fillRect(xTo + 1, y, xFrom + 1, y + 1, color);
}

void PixelBuffer::vline(int x, int yFrom, int yTo, uint32_t color) {
    if (yFrom <= yTo)
        fillRect(x, yFrom, x + 1, yTo, color);
    else
        fillRect(x, yTo + 1, x + 1, yFrom + 1, color);
}

void PixelBuffer::frameRect(int left, int top, int right, int bottom, uint32_t color) {
    if (right <= left || bottom <= top) return;
    fillRect(left, top, right, top + 1, color);
    fillRect(left, bottom - 1, right, bottom, color);
    fillRect(left, top, left + 1, bottom, color);
    fillRect(right - 1, top, right, bottom, color);
}

void drawGlyph(PixelBuffer& target, const PixelBuffer& glyph, int x, int y, bool transparent) {
    if (glyph.pixels.empty()) return;
    const uint32_t clear = glyph.at(0, 0);
    const int top = std::max(0, -y), bottom = std::min(glyph.height, target.height - y);
    const int left = std::max(0, -x), right = std::min(glyph.width, target.width - x);
    for (int row = top; row < bottom; ++row)
        for (int column = left; column < right; ++column) {
            const uint32_t color = glyph.at(column, row);
            if (!transparent || color != clear)
                target.pixels[static_cast<std::size_t>(y + row) * target.width + x + column] = color;
        }
}

std::vector<uint32_t> gradientRows(uint32_t face, uint32_t grad, int height) {
    std::vector<uint32_t> rows;
    if (height <= 0) return rows;
    constexpr int Shifts[] = {0, 8, 16};
    double value[3], step[3];
    for (int c = 0; c < 3; ++c) {
        value[c] = channel(face, Shifts[c]);
        step[c] = (double(channel(grad, Shifts[c])) - value[c]) / height;
    }
    rows.reserve(static_cast<std::size_t>(height) + 1);
    for (int y = 0; y <= height; ++y) {
        uint32_t color = 0;
        for (int c = 0; c < 3; ++c) {
            // nearbyint rounds halves to even under the default rounding mode.
            const double rounded = std::clamp(std::nearbyint(value[c]), 0.0, 255.0);
            color |= static_cast<uint32_t>(rounded) << Shifts[c];
            value[c] += step[c];
        }
        rows.push_back(color);
    }
    return rows;
}

void paintButtonBackground(PixelBuffer& buffer, const GradButtonModel& button) {
    const ColorSet set = colorSetFor(button);
    buffer.fillRect(0, 0, buffer.width, buffer.height, set.face);
    if (!button.gradient) return;
    const std::vector<uint32_t> rows = gradientRows(set.face, set.grad, buffer.height);
    for (int y = 0; y < static_cast<int>(rows.size()); ++y) buffer.hline(y, 0, buffer.width, rows[y]);
}

int focusInset(int width, int height, int captionLeft, int captionTop, int captionRight, int captionBottom) {
    constexpr int Usual = 3;
    const bool empty = captionLeft >= captionRight || captionTop >= captionBottom;
    const bool inside =
        captionLeft > Usual && captionTop > Usual && captionRight < width - Usual && captionBottom < height - Usual;
    return empty || inside ? Usual : 1;
}

void paintButtonFrame(PixelBuffer& buffer, const GradButtonModel& button, int focusInset) {
    const ColorSet set = colorSetFor(button);
    const int w = buffer.width, h = buffer.height;
    buffer.frameRect(0, 0, w, h, set.border);
    if (button.ctl3D) {
        // Two polylines: (1,h-2) to (1,1) to (w-1,1), then
        // (w-2,1) to (w-2,h-2) to (1,h-2); each segment stops short of its end.
        buffer.vline(1, h - 2, 1, set.light);
        buffer.hline(1, 1, w - 1, set.light);
        buffer.vline(w - 2, 1, h - 2, set.dark);
        buffer.hline(h - 2, w - 2, 1, set.dark);
    }
    if (button.focused)
        buffer.frameRect(focusInset, focusInset, w - focusInset, h - focusInset, button.colors[ColorFocusRect]);
}

void paintButtonFace(PixelBuffer& buffer, const GradButtonModel& button) {
    paintButtonBackground(buffer, button);
    paintButtonFrame(buffer, button);
}

}  // namespace vask
