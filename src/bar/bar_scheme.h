#pragma once
// The search bar's light or dark scheme, chosen by its background's brightness.
#include <cstdint>

namespace vask {

struct BarScheme {
    bool bright = false;       // glyphs and logo for a bright background
    uint32_t labelText = 0;    // the engine labels
    uint32_t borderColor = 0;  // the one-pixel frame of the bar
};

inline constexpr uint32_t Silver = 12632256;

// `background` is a resolved colour 0x00BBGGRR (no system colour).
BarScheme barSchemeFor(uint32_t background);

// Colour values with the top byte 0xFF name a system colour (0xFF00000F is
// the button face); the window layer resolves them.
inline bool isSystemColor(uint32_t color) { return (color >> 24) == 0xFF; }

}  // namespace vask
