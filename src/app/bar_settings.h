#pragma once
// The search bar's own settings in "vask.cfg": its position (section
// "Velikost") and its look and switches (section "Options").
#include <cstdint>

#include "common/geometry.h"
#include "common/ini_document.h"

namespace vask {

struct BarSettings {
    int left = 0;
    int top = 0;
    std::uint32_t backColor = 11184388;  // Windows colour value 0x00BBGGRR, or a system colour
    bool compact = true;
    bool showTaskbarButton = true;
    bool historyEnabled = true;
};

// Missing keys take their defaults; a position off the screen is pulled back.
BarSettings loadBarSettings(const IniDocument& settings, ScreenSize screen, int barWidth,
                            int barHeight);

// Writes the bar's keys; every other section and key stays as it was.
void saveBarSettings(IniDocument& settings, const BarSettings& bar);

}  // namespace vask
