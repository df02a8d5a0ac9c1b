#include "controls/grad_button_model.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace vask {
namespace {

using Key = GradButtonModel::Key;

TEST(GradButton, NewButtonIsNeoDesertWithGradient) {
    GradButtonModel b;
    EXPECT_EQ(b.colorScheme(), TColorScheme::csNeoDesert);
    EXPECT_TRUE(b.gradient);
    EXPECT_EQ(b.colors[ColorGrad], 0x37BEFFu);
    for (int i : {OverColorGrad, DownColorGrad, DisabledColorGrad}) EXPECT_EQ(b.colors[i], 0xFFFFFFu);

    const std::vector<uint32_t> rows = gradientRows(0xC6ECFF, 0x37BEFF, 25);
    ASSERT_EQ(rows.size(), 26u);
    EXPECT_EQ(rows.front(), 0xC6ECFFu);
    EXPECT_EQ(rows.back(), 0x37BEFFu);

    PixelBuffer face(75, 25);
    paintButtonFace(face, b);
    // Inside frame and bevel: face + y * (grad - face) / 25 per channel.
    EXPECT_EQ(face.at(37, 12), 0x81D6FFu);
    EXPECT_EQ(face.at(37, 22), 0x48C4FFu);
    EXPECT_EQ(face.at(37, 0), 0x005680u);  // border
}

TEST(GradButton, GradientRoundsHalvesToEvenPerChannel) {
    using Rows = std::vector<uint32_t>;
    EXPECT_EQ(gradientRows(0x000000, 0x010101, 2), (Rows{0x000000, 0x000000, 0x010101}));
    EXPECT_EQ(gradientRows(0x000000, 0x030303, 2), (Rows{0x000000, 0x020202, 0x030303}));
    EXPECT_EQ(gradientRows(0xFF0000, 0x0000FF, 1), (Rows{0xFF0000, 0x0000FF}));
}

TEST(GradButton, ColoursAndSchemes) {
    GradButtonModel b;
    b.setColor(DownColorText, 0x123456);
    EXPECT_EQ(b.colors[DownColorText], 0x123456u);
    EXPECT_EQ(b.colorScheme(), TColorScheme::csCustom);

    // Indices outside 0..24 store nothing but still make the scheme custom.
    b.setColorScheme(TColorScheme::csNeoSky);
    const auto sky = b.colors;
    b.setColor(25, 0x111111);
    b.setColor(-1, 0x111111);
    EXPECT_EQ(b.colors, sky);
    EXPECT_EQ(b.colorScheme(), TColorScheme::csCustom);

    // A plain scheme turns the gradient off and keeps the four grad colours.
    const int grads[] = {ColorGrad, OverColorGrad, DownColorGrad, DisabledColorGrad};
    for (int i : grads) b.setColor(i, 0x010203 + i);
    b.setColorScheme(TColorScheme::csDesert);
    EXPECT_EQ(b.colorScheme(), TColorScheme::csDesert);
    EXPECT_FALSE(b.gradient);
    EXPECT_EQ(b.colors[ColorFace], 0x95DDFFu);
    EXPECT_EQ(b.colors[ColorFocusRect], 0x4080FFu);
    for (int i : grads) EXPECT_EQ(b.colors[i], 0x010203u + i);

    // A Neo scheme turns it back on; csCustom changes no colour.
    b.setColorScheme(TColorScheme::csNeoSilver);
    EXPECT_TRUE(b.gradient);
    EXPECT_EQ(b.colors[ColorGrad], 0xBCBCBCu);
    const auto silver = b.colors;
    b.setColorScheme(TColorScheme::csCustom);
    EXPECT_EQ(b.colors, silver);
}

TEST(GradButton, DisabledSetWinsWhilePressed) {
    GradButtonModel b;
    b.state = ButtonState::Down;
    EXPECT_EQ(colorSetFor(b).face, 0x2BBAFFu);
    EXPECT_EQ(colorSetFor(b).light, 0x0077B7u);  // the pressed bevel is inverted
    b.enabled = false;
    const ColorSet set = colorSetFor(b);
    EXPECT_EQ(set.face, 0xEEEEEEu);
    EXPECT_EQ(set.dark, 0xD2D2D2u);
    EXPECT_EQ(set.text, 0x808080u);
}

// Pixels between glyph and caption; negative when they overlap.
int gap(TButtonLayout layout, int glyph, int spacing) {
    const ContentPlacement p = placeContent(layout, 75, 60, 30, 13, glyph, glyph, spacing, true, true, false);
    return layout == TButtonLayout::blGlyphLeft ? p.tx - (p.gx + glyph) : p.ty - (p.gy + glyph);
}

TEST(GradButton, OddGlyphOnTheLeftOverlapsOnePixelMoreThanOnTop) {
    const auto left = TButtonLayout::blGlyphLeft, top = TButtonLayout::blGlyphTop;
    EXPECT_EQ(gap(left, 15, 0), -1);
    EXPECT_EQ(gap(top, 15, 0), 0);
    EXPECT_EQ(gap(left, 15, 4), 3);
    EXPECT_EQ(gap(top, 15, 4), 4);
    EXPECT_EQ(gap(left, 16, 4), 4);
    EXPECT_EQ(gap(left, 15, 5), 4);
}

TEST(GradButton, ContentPlacementTruncatesTowardZero) {
    // A caption wider than the button: (20 - 23) / 2 is -1.
    EXPECT_EQ(placeContent(TButtonLayout::blGlyphLeft, 20, 25, 23, 13, 0, 0, 4, true, false, false).tx, -1);
    // Glyph 15 x 11 right of a 40 wide caption, spacing 5: (-15) / 2 and (-5) / 2 are -7 and -2.
    ContentPlacement p = placeContent(TButtonLayout::blGlyphRight, 75, 25, 40, 13, 15, 11, 5, true, true, false);
    EXPECT_EQ(p.gx, 17 + 40 - 7 + 3);
    EXPECT_EQ(p.tx, 17 - 7 - 2);
    // Glyph below without caption, pressed: no spacing, both moved by one.
    p = placeContent(TButtonLayout::blGlyphBottom, 75, 25, 0, 0, 15, 11, 5, false, true, true);
    EXPECT_EQ(p.gx, 30 + 1);
    EXPECT_EQ(p.gy, 12 - 5 + 1);
    EXPECT_EQ(p.ty, 12 - 5 + 1);
}

TEST(GradButton, MouseRules) {
    GradButtonModel b;
    b.mouseEnter();
    EXPECT_EQ(b.state, ButtonState::Over);
    // Released past an edge: no click, the state stays.
    for (auto [x, y] : {std::pair{-1, 10}, {10, -1}, {75, 10}, {10, 25}}) {
        EXPECT_TRUE(b.leftButtonDown());
        EXPECT_FALSE(b.buttonUp(x, y, 75, 25));
        EXPECT_EQ(b.state, ButtonState::Down);
        EXPECT_FALSE(b.mouseHeld);
    }
    // Anywhere inside clicks, the first and last column and row included.
    for (auto [x, y] : {std::pair{0, 10}, {10, 0}, {0, 0}, {74, 24}}) {
        b.leftButtonDown();
        EXPECT_TRUE(b.buttonUp(x, y, 75, 25)) << x << "," << y;
        EXPECT_EQ(b.state, ButtonState::Over);
    }
    b.clickDone();
    EXPECT_EQ(b.state, ButtonState::Normal);

    // A right release never clicks; without hot tracking inside means normal.
    b.hotTrack = false;
    b.state = ButtonState::Down;
    EXPECT_FALSE(b.buttonUp(5, 5, 75, 25, false));
    EXPECT_EQ(b.state, ButtonState::Normal);
    b.hotTrack = true;

    // Coming back with the button held shows it pressed again.
    b.leftButtonDown();
    b.mouseLeave();
    EXPECT_EQ(b.state, ButtonState::Normal);
    b.mouseEnter();
    EXPECT_EQ(b.state, ButtonState::Down);
    b.focusLost();
    EXPECT_EQ(b.state, ButtonState::Normal);
}

TEST(GradButton, KeysClick) {
    GradButtonModel b;
    EXPECT_FALSE(b.keyDown(Key::Space));
    EXPECT_EQ(b.state, ButtonState::Down);
    EXPECT_TRUE(b.keyUp(Key::Space));
    EXPECT_EQ(b.state, ButtonState::Normal);
    EXPECT_TRUE(b.keyDown(Key::Enter));
    EXPECT_FALSE(b.keyUp(Key::Enter));

    EXPECT_FALSE(b.dialogKey(Key::Enter, false, true));
    b.focused = true;
    EXPECT_TRUE(b.dialogKey(Key::Enter, false, true));
    EXPECT_FALSE(b.dialogKey(Key::Enter, true, true));
    EXPECT_FALSE(b.dialogKey(Key::Escape, false, true));
    b.cancel = true;
    EXPECT_TRUE(b.dialogKey(Key::Escape, false, true));
    EXPECT_FALSE(b.dialogKey(Key::Escape, false, false));
    // The Default button takes Enter even with a modifier held.
    b.isDefault = true;
    EXPECT_TRUE(b.dialogKey(Key::Enter, true, true));
}

TEST(GradButton, FrameBevelAndFocusRectangleLeaveOutLineEnds) {
    GradButtonModel b;
    b.setColorScheme(TColorScheme::csSilver);  // no gradient
    b.focused = true;
    PixelBuffer buffer(12, 10);
    paintButtonFace(buffer, b);
    const std::map<uint32_t, char> names{
        {0xE0E0E0, '.'}, {0x626262, 'B'}, {0xF7F7F7, 'L'}, {0xAEAEAE, 'D'}, {0x8A8A8A, 'F'}};
    std::vector<std::string> picture(buffer.height);
    for (int y = 0; y < buffer.height; ++y)
        for (int x = 0; x < buffer.width; ++x) {
            const auto name = names.find(buffer.at(x, y));
            picture[y] += name == names.end() ? '?' : name->second;
        }
    EXPECT_EQ(picture, (std::vector<std::string>{
                           "BBBBBBBBBBBB",
                           "BLLLLLLLLLDB",
                           "BL........DB",
                           "BL.FFFFFF.DB",
                           "BL.F....F.DB",
                           "BL.F....F.DB",
                           "BL.FFFFFF.DB",
                           "BL........DB",
                           "BLDDDDDDDDDB",
                           "BBBBBBBBBBBB",
                       }));
}

TEST(GradButton, FocusRectangleNeverCrossesTheCaption) {
    // The about box's OK: the pressed caption sits inside the usual rectangle.
    EXPECT_EQ(focusInset(75, 25, 31, 7, 45, 20), 3);
    EXPECT_EQ(focusInset(75, 25, 0, 0, 0, 0), 3) << "no caption";
    // The bar's Search, 45 x 18, pressed: the caption reaches rows 3 to 15.
    EXPECT_EQ(focusInset(45, 18, 5, 3, 41, 16), 1);
    // The usual rectangle's lines are columns 3 and 41, rows 3 and 14.
    EXPECT_EQ(focusInset(45, 18, 4, 4, 41, 14), 3);
    EXPECT_EQ(focusInset(45, 18, 4, 4, 42, 14), 1) << "on its right line";
    EXPECT_EQ(focusInset(45, 18, 4, 4, 41, 15), 1) << "on its bottom line";
    EXPECT_EQ(focusInset(45, 18, 3, 4, 41, 14), 1) << "on its left line";

    GradButtonModel b;
    b.setColorScheme(TColorScheme::csSilver);
    b.focused = true;
    PixelBuffer buffer(8, 6);
    paintButtonFrame(buffer, b, 1);
    EXPECT_EQ(buffer.at(1, 1), 0x8A8A8Au) << "over the bevel";
    EXPECT_EQ(buffer.at(6, 4), 0x8A8A8Au);
    EXPECT_EQ(buffer.at(0, 0), 0x626262u) << "the border stays";
}

TEST(GradButton, GlyphSkipsItsCornerColourAndClipsAtTheEdges) {
    PixelBuffer glyph(3, 2, 0xFF00FF);  // the corner colour marks what stays clear
    glyph.pixels[1] = 0x111111;
    glyph.pixels[5] = 0x222222;
    PixelBuffer target(4, 3, 0xAAAAAA);
    drawGlyph(target, glyph, 2, 2, true);  // only its top row, first two columns, fit
    EXPECT_EQ(target.at(2, 2), 0xAAAAAAu);
    EXPECT_EQ(target.at(3, 2), 0x111111u);
    drawGlyph(target, glyph, -2, -1, true);  // only its bottom-right pixel lands, at (0, 0)
    EXPECT_EQ(target.at(0, 0), 0x222222u);
    EXPECT_EQ(target.at(1, 0), 0xAAAAAAu);
    drawGlyph(target, glyph, 0, 1, false);  // opaque: the corner colour is painted too
    EXPECT_EQ(target.at(0, 1), 0xFF00FFu);
    EXPECT_EQ(target.at(2, 2), 0x222222u);
}

TEST(GradButton, EmptyButtonPaintsNothing) {
    GradButtonModel b;
    b.focused = true;
    for (auto [w, h] : {std::pair{75, 0}, {0, 25}, {-3, -3}}) {
        PixelBuffer buffer(w, h);
        paintButtonFace(buffer, b);
        EXPECT_TRUE(buffer.pixels.empty());
    }
    EXPECT_TRUE(gradientRows(0xC6ECFF, 0x37BEFF, 0).empty());
}

}  // namespace
}  // namespace vask
