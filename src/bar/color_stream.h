#pragma once
// "color.cld": the colour dialog's last colour and its sixteen custom
// colours, kept between runs in the binary component stream of the Delphi
// form library ("TPF0"), so files written by earlier versions still load.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vask {

inline constexpr std::uint32_t kUnsetCustomColor = 0xFFFFFFFF;

constexpr std::array<std::uint32_t, 16> unsetCustomColors() {
    std::array<std::uint32_t, 16> colors{};
    colors.fill(kUnsetCustomColor);
    return colors;
}

struct ColorDialogState {
    std::uint32_t color = 0;  // 0x00BBGGRR, or a system colour
    std::array<std::uint32_t, 16> customColors = unsetCustomColors();
};

// The custom colours as the colour dialog shows them: an unset one is white.
std::array<std::uint32_t, 16> dialogCustomColors(const ColorDialogState& state);
// Takes back what the user changed in the dialog's custom colours; a colour
// left as shown stays as it was stored (an unset one stays unset).
void takeDialogCustomColors(ColorDialogState& state, const std::array<std::uint32_t, 16>& shown);

std::string writeColorStream(const ColorDialogState& state);

// nullopt when the bytes are not a colour dialog's stream or end too early.
// Properties it does not know are skipped; so are custom colour lines and
// colour names it cannot read, which keep their defaults.
std::optional<ColorDialogState> readColorStream(std::string_view bytes);

}  // namespace vask
