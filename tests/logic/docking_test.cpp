#include "advanced/docking.h"

#include <gtest/gtest.h>

#include <utility>

namespace vask {
namespace {

constexpr int AdvancedHeight = 434, BarHeight = 30;

DockGeometry bar(int left, int top, int advancedLeft = 0, int advancedTop = 0, int screenHeight = 1080) {
    return {left, top, BarHeight, advancedLeft, advancedTop, AdvancedHeight, screenHeight};
}

TEST(Docking, PlacesAboveWithRoomBelowWithoutAndKeepsTheTopAtOnePixel) {
    EXPECT_EQ(placeAdvanced(bar(100, 600, 5, 5)).left, 100);
    EXPECT_EQ(placeAdvanced(bar(100, 600, 5, 5)).top, 600 - AdvancedHeight);
    EXPECT_EQ(placeAdvanced(bar(40, 200, 5, 5)).top, 200 + BarHeight);  // bar near the top
    EXPECT_EQ(placeAdvanced(bar(0, AdvancedHeight)).top, AdvancedHeight + BarHeight);
    EXPECT_EQ(placeAdvanced(bar(0, AdvancedHeight + 2)).top, 2);
    EXPECT_EQ(placeAdvanced(bar(0, AdvancedHeight + 1, 3, 123)).top, 123);
}

TEST(Docking, BarReachingPastTheLastScreenRowPutsTheWindowAbove) {
    EXPECT_EQ(placeAdvanced(bar(10, 750, 0, 0, 768)).top, 750 - AdvancedHeight);
    // The bar's bottom on the last row is still on screen.
    EXPECT_EQ(placeAdvanced(bar(10, 300, 0, 0, 764)).top, 300 + BarHeight);
    // Without room above either, the window stays on the screen, over the bar.
    EXPECT_EQ(placeAdvanced(bar(10, 300, 0, 0, 320)).top, 0);
}

TEST(Docking, AWindowThatFitsOnNeitherSideGoesWhereThereIsMoreRoomWhollyOnTheMonitor) {
    // 651 pixels tall at 144 DPI, on an 800-pixel screen.
    const auto tall = [](int barTop, int advancedTop = 0) {
        return DockGeometry{0, barTop, 96, 0, advancedTop, 651, 800, 0};
    };
    EXPECT_EQ(placeAdvanced(tall(500)).top, 0) << "more room above";
    EXPECT_EQ(placeAdvanced(tall(100)).top, 800 - 651) << "more room below";
    EXPECT_EQ(placeAdvanced(tall(700)).top, 49) << "fits above: as before";
    EXPECT_TRUE(snapAdvanced(tall(500, 10)).docked);
    EXPECT_EQ(snapAdvanced(tall(500, 10)).top, 0);
    EXPECT_FALSE(snapAdvanced(tall(500, 15)).docked);
    // A monitor above the primary one.
    EXPECT_EQ(placeAdvanced(DockGeometry{0, -300, 30, 0, 0, 434, 0, -768}).top, -300 - 434);
    EXPECT_EQ(placeAdvanced(DockGeometry{0, -700, 30, 0, 0, 434, 0, -768}).top, -700 + 30);
}

// Drops the window dx, dy pixels away from its docked place and checks the snap.
void expectSnap(int barTop, int placeTop, int dx, int dy, bool docked) {
    const SnapResult s = snapAdvanced(bar(100, barTop, 100 + dx, placeTop + dy));
    EXPECT_EQ(s.docked, docked) << dx << "," << dy;
    EXPECT_EQ(s.left, docked ? 100 : 100 + dx);
    EXPECT_EQ(s.top, docked ? placeTop : placeTop + dy);
}

TEST(Docking, SnapsBackWithinFifteenPixelsBelowAndAbove) {
    const int placeBelow = 200 + BarHeight, placeAbove = 600 - AdvancedHeight;
    for (auto [barTop, placeTop] : {std::pair{200, placeBelow}, {600, placeAbove}}) {
        expectSnap(barTop, placeTop, 14, 14, true);
        expectSnap(barTop, placeTop, -14, -14, true);
        expectSnap(barTop, placeTop, 0, 0, true);  // the move that put it there
        expectSnap(barTop, placeTop, 15, 0, false);
        expectSnap(barTop, placeTop, 0, 15, false);
        expectSnap(barTop, placeTop, -15, 0, false);
        expectSnap(barTop, placeTop, 0, -15, false);
    }
    // One pixel of room counts as room above.
    expectSnap(AdvancedHeight + 1, 1, 3, 10, true);
}

}  // namespace
}  // namespace vask
