#include "common/brightness.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace vask {
namespace {

// Exact test in integers: round(sqrt(s / 1000)) == n with s the weighted sum
// in thousandths (no 8-bit colour lands exactly on a half).
bool roundsTo(int red, int green, int blue, int n) {
    const std::int64_t fourS = 4 * (241LL * red * red + 691LL * green * green + 68LL * blue * blue);
    return (n == 0 || 1000LL * (2 * n - 1) * (2 * n - 1) < fourS) && fourS < 1000LL * (2 * n + 1) * (2 * n + 1);
}

TEST(Brightness, DefaultBarColourIsDarkAndWhiteIsBright) {
    EXPECT_EQ(brightness(4, 169, 170), 147);
    EXPECT_EQ(brightness(std::uint32_t{11184388}), 147);
    EXPECT_FALSE(isBrightBackground(std::uint32_t{11184388}));
    EXPECT_EQ(contrastTextColor(std::uint32_t{11184388}), 0xFFFFFFu);

    EXPECT_EQ(brightness(std::uint32_t{0xFFFFFF}), 255);
    EXPECT_TRUE(isBrightBackground(255, 255, 255));
    EXPECT_EQ(contrastTextColor(255, 255, 255), 0u);
    // Components are read from 0x00BBGGRR: pure blue is far darker than pure red.
    EXPECT_EQ(brightness(std::uint32_t{0xFF0000}), brightness(0, 0, 255));
    EXPECT_LT(brightness(0, 0, 255), brightness(255, 0, 0));
}

TEST(Brightness, ExactlyOneHundredSixtyIsDark) {
    // The weights add up to 1, so a grey's brightness is its level.
    for (int level = 0; level <= 255; ++level) {
        const auto v = static_cast<std::uint8_t>(level);
        ASSERT_EQ(brightness(v, v, v), level);
    }
    EXPECT_FALSE(isBrightBackground(160, 160, 160));
    EXPECT_TRUE(isBrightBackground(161, 161, 161));

    // Coloured backgrounds on both sides of the limit.
    int found160 = 0, found161 = 0;
    for (int r = 0; r < 256; r += 3)
        for (int g = 0; g < 256; g += 3)
            for (int b = 0; b < 256; b += 17) {
                const int n = brightness(r, g, b);
                ASSERT_TRUE(roundsTo(r, g, b, n)) << r << ' ' << g << ' ' << b;
                if (r == g) continue;
                if (n == 160) {
                    ++found160;
                    EXPECT_EQ(contrastTextColor(r, g, b), 0xFFFFFFu);
                } else if (n == 161) {
                    ++found161;
                    EXPECT_EQ(contrastTextColor(r, g, b), 0u);
                }
            }
    EXPECT_GT(found160, 0);
    EXPECT_GT(found161, 0);
}

TEST(Brightness, ValuesNextToAHalfRoundToTheNearerNeighbour) {
    EXPECT_EQ(brightness(11, 134, 237), 127);  // 127.499996
    EXPECT_EQ(brightness(0, 213, 248), 189);   // 188.5000027
}

}  // namespace
}  // namespace vask
