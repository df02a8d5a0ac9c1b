#pragma once
// The gradient push button without its window: the 25 colours and the twelve
// built-in schemes that fill them, the visual state driven by mouse, focus
// and keys, the placing of glyph and caption, and the painting of the face
// into a pixel buffer. Colours are 0x00BBGGRR, red in the low byte.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vask {

enum class TColorScheme {
    csNeoDesert,
    csNeoSky,
    csNeoGrass,
    csNeoSilver,
    csNeoRose,
    csNeoSun,
    csDesert,
    csGrass,
    csSky,
    csSun,
    csRose,
    csSilver,
    csCustom
};

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Colour indices: four sets of six (normal, over, down, disabled), each in the
// order face, grad, dark, light, border, text; then the focus rectangle.
inline constexpr int ColorFace = 0, ColorGrad = 1, ColorDark = 2, ColorLight = 3, ColorBorder = 4, ColorText = 5;
inline constexpr int OverColorFace = 6, OverColorGrad = 7, OverColorDark = 8, OverColorLight = 9, OverColorBorder = 10,
                     OverColorText = 11;
inline constexpr int DownColorFace = 12, DownColorGrad = 13, DownColorDark = 14, DownColorLight = 15,
                     DownColorBorder = 16, DownColorText = 17;
inline constexpr int DisabledColorFace = 18, DisabledColorGrad = 19, DisabledColorDark = 20, DisabledColorLight = 21,
                     DisabledColorBorder = 22, DisabledColorText = 23;
inline constexpr int ColorFocusRect = 24;
inline constexpr int ColorCount = 25;

enum class ButtonState { Normal = 0, Over = 1, Down = 2 };

class GradButtonModel {
public:
    enum class Key { Space, Enter, Escape, Other };

    // A new button: scheme csNeoDesert with its gradient on, and white
    // gradient ends for the over, down and disabled sets.
    GradButtonModel();

    std::array<uint32_t, ColorCount> colors{};
    bool ctl3D = true;
    TButtonLayout layout = TButtonLayout::blGlyphLeft;
    int spacing = 4;  // pixels between glyph and caption
    bool transparentGlyph = true;
    bool gradient = false;
    bool hotTrack = true;
    bool cancel = false;     // Escape clicks it
    bool isDefault = false;  // Enter clicks it
    int modalResult = 0;
    bool enabled = true;
    bool tabStop = true;
    bool focused = false;
    bool mouseHeld = false;  // the left button went down on the button
    ButtonState state = ButtonState::Normal;

    TColorScheme colorScheme() const { return scheme_; }
    // Every colour change goes through here and makes the scheme csCustom;
    // an index outside 0..24 stores nothing.
    void setColor(int index, uint32_t value);
    // A built-in scheme writes its colours and the gradient flag; csCustom
    // changes no colour.
    void setColorScheme(TColorScheme scheme);

    // The mouse, focus and key rules. Those returning bool report whether the
    // button is clicked; the window then raises the click and calls clickDone.
    void mouseEnter();
    void mouseLeave();
    bool leftButtonDown();  // returns whether the button takes the focus
    // A release inside the button, its first column and row included, ends the
    // press there: it clicks when it ends a left press. Outside, the state stays.
    bool buttonUp(int x, int y, int width, int height, bool leftButton = true);
    void focusGained();
    void focusLost();
    bool keyDown(Key key);
    bool keyUp(Key key);
    // Enter and Escape offered by the containing window before the focused
    // control sees them.
    bool dialogKey(Key key, bool modifiersHeld, bool canFocus) const;
    void clickDone();

private:
    TColorScheme scheme_ = TColorScheme::csCustom;
};

struct ColorSet {
    uint32_t face, grad, light, dark, border, text;
};

// The set for the visual state; a disabled button uses its disabled set
// whatever the state.
ColorSet colorSetFor(const GradButtonModel& button);

// Top-left corners of caption and glyph on a button of width x height.
struct ContentPlacement {
    int tx, ty, gx, gy;  // gx, gy are 0 without a glyph
};

ContentPlacement placeContent(TButtonLayout layout, int width, int height, int textWidth, int textHeight,
                              int glyphWidth, int glyphHeight, int spacing, bool hasText, bool hasGlyph, bool down);

// An off-screen picture; drawing outside it is clipped.
struct PixelBuffer {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;  // rows top to bottom, 0x00BBGGRR

    PixelBuffer(int width, int height, uint32_t color = 0);
    uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }

    // Fills [left, right) x [top, bottom).
    void fillRect(int left, int top, int right, int bottom, uint32_t color);
    // Lines drawn from the first to the second coordinate in either
    // direction, the end point excluded.
    void hline(int y, int xFrom, int xTo, uint32_t color);
    void vline(int x, int yFrom, int yTo, uint32_t color);
    // The one-pixel outline of [left, right) x [top, bottom).
    void frameRect(int left, int top, int right, int bottom, uint32_t color);
};

// Copies `glyph` onto `target` with its top-left corner at (x, y), clipped to
// the target. Transparent: pixels of the glyph's colour at (0, 0) are skipped.
void drawGlyph(PixelBuffer& target, const PixelBuffer& glyph, int x, int y, bool transparent);

// The colours of rows 0..height (height + 1 of them) running from face to
// grad; empty for a height of 0 or less.
std::vector<uint32_t> gradientRows(uint32_t face, uint32_t grad, int height);

// The face under the glyph and caption: fill or gradient.
void paintButtonBackground(PixelBuffer& buffer, const GradButtonModel& button);
// How far in the focus rectangle is drawn: three pixels, or one — over the
// bevel — on a button too small to hold the caption, as drawn at
// [left, right) x [top, bottom), inside that, so the rectangle never crosses it.
int focusInset(int width, int height, int captionLeft, int captionTop, int captionRight, int captionBottom);
// What is drawn over the glyph and caption: frame, bevel and focus rectangle.
void paintButtonFrame(PixelBuffer& buffer, const GradButtonModel& button, int focusInset = 3);
// Both, for a button with nothing between them.
void paintButtonFace(PixelBuffer& buffer, const GradButtonModel& button);

}  // namespace vask
