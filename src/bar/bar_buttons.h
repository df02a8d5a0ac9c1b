#pragma once
// The colours of the bar's Search and Advanced Search buttons: tints of the
// bar's own colour, so the buttons follow the background the user chose.
#include <array>
#include <cstdint>

#include "controls/grad_button_model.h"

namespace vask {

// All 25 button colours (normal, over, down, disabled, focus rectangle) for
// a resolved background colour 0x00BBGGRR. A bright background is toned
// down first, so the buttons still stand out from the bar's white edit strip.
std::array<uint32_t, ColorCount> barButtonColors(uint32_t background);

}  // namespace vask
