#include "controls/popup_arrow.h"

namespace vask {

ArrowShape popupArrow(int width, int height, int arrowWidth) {
    ArrowShape shape{width - arrowWidth, 2, width - 2, height - 2, {}};
    const int halfWidth = (shape.faceRight - shape.faceLeft) / 2;
    const int halfHeight = (shape.faceBottom - shape.faceTop) / 2;
    const int inset = halfWidth / 2;
    int left = shape.faceLeft + inset;
    int right = shape.faceRight - inset;
    int y = shape.faceBottom - (inset + halfHeight) + 1;
    for (; left <= right; ++left, --right, ++y) shape.lines.push_back({y, left, right});
    return shape;
}

}  // namespace vask
