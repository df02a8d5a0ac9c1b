#pragma once
// Where each of the bar's controls stands, in the full or the compact
// layout, in 96-DPI units of the bar's client area. The bar makes its
// controls at these places and moves them here when the layout changes.
#include <windows.h>

#include <array>

#include "search/query.h"

namespace vask {

struct BarLayout {
    static constexpr int Width = 452, FullHeight = 64, CompactReduction = 29;
    int height;          // of the whole bar
    bool servicesShown;  // the logo, the services' radio buttons and labels, the close button
    RECT Panel1;         // the white field around eurl and the two buttons
    RECT eurl, GradButton3, GradButton1, ingpop, sbend, Image1;
    std::array<RECT, BuiltInEngineCount> radios, labels;  // in the services' order
};

BarLayout barLayout(bool compact);

}  // namespace vask
