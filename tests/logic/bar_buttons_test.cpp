#include "bar/bar_buttons.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "common/brightness.h"

namespace vask {
namespace {

TEST(BarButtons, CaptionsStayReadableOnEveryBackground) {
    // The default teal, white, black, the classic and the modern button face, pure blue and yellow.
    for (uint32_t background : {11184388u, 0xFFFFFFu, 0x000000u, 0xC0C0C0u, 0xF0F0F0u, 0xFF0000u, 0x00FFFFu}) {
        const auto colors = barButtonColors(background);
        for (int set : {ColorFace, OverColorFace, DownColorFace}) {
            const int text = brightness(colors[set + ColorText]);
            for (int part : {ColorFace, ColorGrad})
                EXPECT_GE(std::abs(brightness(colors[set + part]) - text), 90)
                    << std::hex << background << " set " << set << " part " << part;
        }
    }
}

TEST(BarButtons, FollowTheBackgroundAndStandOutFromTheWhiteStrip) {
    const auto teal = barButtonColors(11184388);                       // red 4, green 169, blue 170
    EXPECT_GT((teal[ColorGrad] >> 8) & 0xFF, teal[ColorGrad] & 0xFF);  // still a green-blue tint
    const auto white = barButtonColors(0xFFFFFF);
    EXPECT_NE(white[ColorGrad], 0xFFFFFFu);
    EXPECT_LT(brightness(white[ColorBorder]), 200);
    EXPECT_EQ(white[DisabledColorText], 0x808080u);
}

}  // namespace
}  // namespace vask
