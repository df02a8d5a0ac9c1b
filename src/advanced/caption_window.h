#pragma once
// Tfals: a borderless strip as wide as the bar that is never shown; the
// program only keeps it under the bar whenever the advanced window is hidden.
#include "win/window.h"

namespace vask {

class Tfals : public win::Window {
public:
    explicit Tfals(HWND bar);

    static constexpr int LayoutWidth = 452, LayoutHeight = 18;

    // Left with the bar, one pixel below the bar's bottom edge.
    void placeUnder(const RECT& bar);
    // The strip's click handler; attached to nothing, it does nothing.
    void alsClick() {}
};

}  // namespace vask
