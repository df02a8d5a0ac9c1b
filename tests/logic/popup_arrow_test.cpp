#include "controls/popup_arrow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vask {
namespace {

// What the lines colour, end points excluded, as "y:first+length" per row.
std::vector<std::string> visibleRows(const ArrowShape& shape) {
    std::vector<std::string> rows;
    for (const HLine& line : shape.lines)
        if (line.x1 < line.x2)
            rows.push_back(std::to_string(line.y) + ":" + std::to_string(line.x1) + "+" +
                           std::to_string(line.x2 - line.x1));
    return rows;
}

TEST(PopupArrow, DefaultButtonDrawsSevenFiveThreeOne) {
    const ArrowShape shape = popupArrow(75, 25, 13);
    EXPECT_EQ(shape.faceLeft, 62);
    EXPECT_EQ(shape.faceTop, 2);
    EXPECT_EQ(shape.faceRight, 73);
    EXPECT_EQ(shape.faceBottom, 23);
    // The last line runs from 67 to 68: its one pixel is the tip at x = 67.
    EXPECT_EQ(visibleRows(shape), (std::vector<std::string>{"12:64+7", "13:65+5", "14:66+3", "15:67+1"}));
    EXPECT_EQ(shape.lines.size(), 4u);
}

TEST(PopupArrow, LinesThatStartWhereTheyEndColourNothing) {
    // The bar's menu button: one line, from x = 24 to x = 24.
    const ArrowShape menu = popupArrow(26, 20, 2);
    EXPECT_EQ(menu.lines.size(), 1u);
    EXPECT_TRUE(visibleRows(menu).empty());

    // An even strip ends in a two-pixel tip; the fourth line is empty.
    const ArrowShape even = popupArrow(40, 20, 12);
    EXPECT_EQ(visibleRows(even), (std::vector<std::string>{"9:30+6", "10:31+4", "11:32+2"}));
    EXPECT_EQ(even.lines.size(), 4u);

    EXPECT_TRUE(popupArrow(40, 20, 1).lines.empty());
}

}  // namespace
}  // namespace vask
