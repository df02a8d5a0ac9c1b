#pragma once
// The small down arrow the popup button draws at its right edge: a face
// coloured strip, then horizontal lines that shorten by one pixel on each
// side per row, widest on top.
#include <vector>

namespace vask {

struct HLine {
    int y, x1, x2;  // x2 excluded, as a line drawn from x1 to x2 ends short of x2
};

struct ArrowShape {
    int faceLeft, faceTop, faceRight, faceBottom;  // filled with the button face first
    std::vector<HLine> lines;                      // top line first
};

// For a button of `width` x `height` with an arrow strip `arrowWidth` wide.
ArrowShape popupArrow(int width, int height, int arrowWidth);

}  // namespace vask
