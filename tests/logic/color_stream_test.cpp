#include "bar/color_stream.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace vask {
namespace {

std::string shortString(std::string_view text) { return static_cast<char>(text.size()) + std::string(text); }

std::string length32(std::uint32_t n) {
    std::string out;
    for (int i = 0; i < 4; ++i) out += static_cast<char>((n >> (8 * i)) & 0xFF);
    return out;
}

std::string wide(std::string_view ascii) {
    std::string units;
    for (char c : ascii) units += std::string{c, '\0'};
    return length32(static_cast<std::uint32_t>(ascii.size())) + units;
}

const std::string kHeader = "TPF0" + shortString("TColorDialog") + shortString("ColorDialog");

// A stream laid out as the form library writes it, with properties this
// program does not know in front of the ones it reads.
std::string delphiStream() {
    using namespace std::string_literals;
    return kHeader + shortString("Ctl3D") + "\x08"s + shortString("Color") + "\x07"s + shortString("clWhite") +
           shortString("Options") + "\x0B"s + shortString("cdFullOpen") + shortString("cdAnyColor") + "\0"s +
           shortString("Tag64") + "\x13"s + std::string(8, '\x7F') + shortString("Data") + "\x0A"s + length32(3) +
           "abc" + shortString("Items") + "\x0E"s + "\x02\x05\x01"s + shortString("X") + "\x03\x34\x12"s + "\0"s +
           "\x01"s + shortString("Y") + "\x01\x06"s + shortString("s") + "\0\0"s + "\0"s + shortString("Ratio") +
           "\x05"s + std::string(10, '\x01') + shortString("Hint") + "\x12"s + wide("hi") +
           shortString("CustomColors.Strings") + "\x01"s + "\x06"s + shortString("ColorA=F0CAA6") + "\x0C"s +
           length32(13) + "colorb=ffffff" + "\x12"s + wide("ColorC=00FF00") + "\x14"s + length32(10) + "ColorP=123" +
           "\x06"s + shortString("ColorQ=111111") +  // no seventeenth colour
           "\x06"s + shortString("ColorD=zz") +      // not hexadecimal
           "\x09"s +                                 // not a string at all
           "\0"s + "\0"s + "\0"s;
}

TEST(ColorStream, ReadsTheFormLibrarysStream) {
    const auto state = readColorStream(delphiStream());
    ASSERT_TRUE(state);
    EXPECT_EQ(state->color, 0xFFFFFFu);
    ColorDialogState expected;
    expected.customColors[0] = 0xF0CAA6;
    expected.customColors[1] = 0xFFFFFF;
    expected.customColors[2] = 0x00FF00;
    expected.customColors[15] = 0x123;
    EXPECT_EQ(state->customColors, expected.customColors);

    // Names without a fixed value keep the default; system colours are known.
    using namespace std::string_literals;
    const std::string noColour = kHeader + shortString("Color") + "\x07"s + shortString("clNone") + "\0\0"s;
    EXPECT_EQ(readColorStream(noColour)->color, 0u);
    const std::string buttonFace = kHeader + shortString("Color") + "\x07"s + shortString("clBtnFace") + "\0\0"s;
    EXPECT_EQ(readColorStream(buttonFace)->color, 0xFF00000Fu);
}

TEST(ColorStream, WrittenStateReadsBackInTheDialogsOwnForm) {
    for (const std::uint32_t color : {0x0u, 0x7Fu, 0xFFFFFF80u, 0x1234u, 11184388u, 0xFF00000Fu}) {
        ColorDialogState state;
        state.color = color;
        state.customColors[0] = 0xF0CAA6;
        state.customColors[1] = 0x1234;
        state.customColors[5] = 0;
        const std::string stream = writeColorStream(state);
        const auto back = readColorStream(stream);
        ASSERT_TRUE(back) << color;
        EXPECT_EQ(back->color, color);
        EXPECT_EQ(back->customColors, state.customColors);

        EXPECT_TRUE(stream.starts_with(kHeader));
        EXPECT_NE(stream.find(shortString("ColorA=F0CAA6")), std::string::npos);
        EXPECT_NE(stream.find(shortString("ColorB=001234")), std::string::npos);
        EXPECT_NE(stream.find(shortString("ColorC=FFFFFFFF")), std::string::npos);
        EXPECT_EQ(stream.find(shortString("Color")) == std::string::npos, color == 0);
    }
    // The smallest integer type that holds the colour.
    ColorDialogState state;
    state.color = 0x7F;
    EXPECT_NE(writeColorStream(state).find(shortString("Color") + "\x02\x7F"), std::string::npos);
    state.color = 0xFFFFFF80;
    EXPECT_NE(writeColorStream(state).find(shortString("Color") + "\x02\x80"), std::string::npos);
    state.color = 0x1234;
    EXPECT_NE(writeColorStream(state).find(shortString("Color") + "\x03\x34\x12"), std::string::npos);
    state.color = 11184388;  // 0x00AAA904
    EXPECT_NE(writeColorStream(state).find(shortString("Color") + "\x04\x04\xA9\xAA" + '\0'), std::string::npos);
}

TEST(ColorStream, DamagedStreamsAreRefusedWithoutReadingPastTheEnd) {
    for (const std::string& full : {delphiStream(), writeColorStream(ColorDialogState{})}) {
        for (std::size_t cut = 0; cut < full.size(); ++cut)
            EXPECT_FALSE(readColorStream(std::string_view(full).substr(0, cut))) << cut;
        // Any byte changed: no crash, and the signature is checked.
        for (std::size_t at = 0; at < full.size(); ++at)
            for (const char changed : {'\x01', '\x0E', '\xFF'}) {
                std::string damaged = full;
                damaged[at] = changed;
                const auto state = readColorStream(damaged);
                if (at < 4) {
                    EXPECT_FALSE(state);
                }
            }
    }
    using namespace std::string_literals;
    EXPECT_FALSE(readColorStream("TPF0" + shortString("TFontDialog") + shortString("F") + "\0\0"s));
    // Well formed but nested too deep to follow.
    const std::size_t depth = 100000;
    EXPECT_FALSE(
        readColorStream(kHeader + shortString("Deep") + std::string(depth, '\x01') + std::string(depth + 2, '\0')));
    EXPECT_FALSE(readColorStream(kHeader + shortString("Odd") + "\x40\0\0"s));
    EXPECT_FALSE(readColorStream(kHeader + shortString("Big") + "\x0A\xFF\xFF\xFF\xFF\0\0"s));
    EXPECT_FALSE(readColorStream(kHeader + shortString("Wide") + "\x12\xFF\xFF\xFF\xFF\0\0"s));
}

}  // namespace
}  // namespace vask

namespace vask {
namespace {

TEST(ColorStream, TheDialogShowsUnsetCustomColoursWhiteAndOnlyChangesComeBack) {
    ColorDialogState state;
    state.customColors[1] = 0x123456;
    std::array<std::uint32_t, 16> shown = dialogCustomColors(state);
    EXPECT_EQ(shown[0], 0xFFFFFFu);
    EXPECT_EQ(shown[1], 0x123456u);
    shown[2] = 0x00FF00;  // the user defined one
    takeDialogCustomColors(state, shown);
    EXPECT_EQ(state.customColors[0], kUnsetCustomColor) << "shown white, left alone: still unset";
    EXPECT_EQ(state.customColors[1], 0x123456u);
    EXPECT_EQ(state.customColors[2], 0x00FF00u);
}

}  // namespace
}  // namespace vask
