// Where the suggestion list goes against the bar: below when it fits on the
// monitor, above when not, and never over the advanced window.
#include <gtest/gtest.h>

#include "bar/suggestion_place.h"

namespace vask {
namespace {

constexpr Rect Work{0, 0, 1000, 800};
constexpr int Height = 150;

Rect barAt(int top) { return {100, top, 600, top + 40}; }

TEST(SuggestionPlace, BelowWhenItFitsOnTheMonitorAboveWhenNot) {
    // Low on the monitor with room below: below, whatever half the bar is in.
    EXPECT_EQ(placeSuggestions({barAt(600), Work, {}}, Height), (Rect{100, 640, 600, 790}));
    EXPECT_EQ(placeSuggestions({barAt(610), Work, {}}, Height), (Rect{100, 650, 600, 800})) << "exactly fits";
    EXPECT_EQ(placeSuggestions({barAt(611), Work, {}}, Height), (Rect{100, 461, 600, 611}));
    // A monitor whose work area starts lower (a taskbar on top, a second monitor).
    EXPECT_EQ(placeSuggestions({barAt(700), {0, 500, 1000, 800}, {}}, Height), (Rect{100, 550, 600, 700}));
}

TEST(SuggestionPlace, NeverOverTheAdvancedWindow) {
    // Docked under the bar: the list goes above, though it would fit below.
    const Rect under{100, 340, 600, 700};
    EXPECT_EQ(placeSuggestions({barAt(300), Work, under}, Height), (Rect{100, 150, 600, 300}));
    // Docked above a low bar: below, and touching it is not covering it.
    const Rect over{100, 200, 600, 600};
    EXPECT_EQ(placeSuggestions({barAt(600), Work, over}, Height), (Rect{100, 640, 600, 790}));
    // Above a bar that is too low for the list below: still below, off the
    // monitor's end rather than over the advanced window.
    EXPECT_EQ(placeSuggestions({barAt(700), Work, over}, Height).top, 740);
    // Fits on neither side and both are clear: the side with more room.
    EXPECT_EQ(placeSuggestions({barAt(60), {0, 0, 1000, 200}, {}}, Height).top, 100);
    EXPECT_EQ(placeSuggestions({barAt(100), {0, 0, 1000, 200}, {}}, Height).top, -50);
}

}  // namespace
}  // namespace vask
