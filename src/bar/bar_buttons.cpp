#include "bar/bar_buttons.h"

#include <cmath>

#include "common/brightness.h"

namespace vask {
namespace {

constexpr uint32_t Black = 0x000000, White = 0xFFFFFF;

// `color` moved toward `target` by `share` (0 keeps it, 1 reaches the target).
uint32_t mix(uint32_t color, uint32_t target, double share) {
    uint32_t result = 0;
    for (int shift : {0, 8, 16}) {
        const double from = (color >> shift) & 0xFF, to = (target >> shift) & 0xFF;
        result |= static_cast<uint32_t>(std::lround(from + (to - from) * share)) << shift;
    }
    return result;
}

}  // namespace

std::array<uint32_t, ColorCount> barButtonColors(uint32_t background) {
    const uint32_t tone = isBrightBackground(background) ? mix(background, Black, 0.3) : background;
    const uint32_t text = mix(tone, Black, 0.7);
    const uint32_t border = mix(tone, Black, 0.35);
    const uint32_t light = mix(tone, White, 0.9), dark = mix(tone, White, 0.3);
    return {
        // face, grad, dark, light, border, text: normal, over, then pressed (bevel inverted)
        mix(tone, White, 0.85),
        mix(tone, White, 0.5),
        dark,
        light,
        border,
        text,
        mix(tone, White, 0.92),
        mix(tone, White, 0.6),
        dark,
        light,
        border,
        text,
        mix(tone, White, 0.5),
        mix(tone, White, 0.8),
        light,
        dark,
        border,
        text,
        // disabled: the grey every built-in scheme uses
        0xEEEEEE,
        0xFFFFFF,
        0xD2D2D2,
        0xFFFFFF,
        0x808080,
        0x808080,
        border,
    };
}

}  // namespace vask
