#include "common/brightness.h"

#include <cmath>

namespace vask {
namespace {

constexpr int kBrightnessLimit = 160;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

std::uint8_t redOf(std::uint32_t colorValue) { return colorValue & 0xFF; }
std::uint8_t greenOf(std::uint32_t colorValue) { return (colorValue >> 8) & 0xFF; }
std::uint8_t blueOf(std::uint32_t colorValue) { return (colorValue >> 16) & 0xFF; }

}  // namespace

int brightness(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    const double r = red, g = green, b = blue;
    // nearbyint in the default rounding mode sends halves to the even neighbour.
    return static_cast<int>(std::nearbyint(std::sqrt(0.241 * r * r + 0.691 * g * g + 0.068 * b * b)));
}

int brightness(std::uint32_t colorValue) {
    return brightness(redOf(colorValue), greenOf(colorValue), blueOf(colorValue));
}

bool isBrightBackground(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return brightness(red, green, blue) > kBrightnessLimit;
}

bool isBrightBackground(std::uint32_t colorValue) { return brightness(colorValue) > kBrightnessLimit; }

std::uint32_t contrastTextColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return isBrightBackground(red, green, blue) ? kBlack : kWhite;
}

std::uint32_t contrastTextColor(std::uint32_t colorValue) {
    return contrastTextColor(redOf(colorValue), greenOf(colorValue), blueOf(colorValue));
}

}  // namespace vask
