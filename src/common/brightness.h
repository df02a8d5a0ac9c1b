#pragma once
// How bright a background colour looks, which decides between the light and
// the dark colour scheme. Colour values are laid out 0x00BBGGRR; system
// colours must be resolved to their RGB value before they come here.
#include <cstdint>

namespace vask {

// round(sqrt(0.241·R² + 0.691·G² + 0.068·B²)), 0..255.
int brightness(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
int brightness(std::uint32_t colorValue);

// Above 160 the background counts as bright and takes dark text.
bool isBrightBackground(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
bool isBrightBackground(std::uint32_t colorValue);

// Black on a bright background, white on a dark one.
std::uint32_t contrastTextColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
std::uint32_t contrastTextColor(std::uint32_t colorValue);

}  // namespace vask
