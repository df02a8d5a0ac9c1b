#pragma once
// The history window's size, position and state in "vask.cfg", section
// "VelikostH", and the rule that keeps the window reachable on the screen.
#include "common/geometry.h"
#include "common/ini_document.h"

namespace vask {

struct HistoryGeometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int status = 0;  // 0 normal, 1 minimised, 2 maximised
    int dpi = 0;     // the DPI the size was kept at; 0 when not known
};

// First use: at (10, 10), 150 pixels narrower and lower than the screen,
// maximised. The window never starts minimised: only 2 is kept, any other
// state reads as normal. A size kept at another DPI is scaled to `dpi`, so
// the window shows as much as it did; a size without its DPI stays as it is.
HistoryGeometry loadHistoryGeometry(const IniDocument& settings, ScreenSize screen, int dpi);

// The normal (restored) rectangle and the state.
void saveHistoryGeometry(IniDocument& settings, const HistoryGeometry& geometry);

// The top left corner moved back onto the screen when it lies too far off.
Point keepHistoryWindowOnScreen(int left, int top, ScreenSize screen);

}  // namespace vask
