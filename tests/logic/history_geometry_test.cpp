#include "history/history_geometry.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

namespace vask {
namespace {

constexpr ScreenSize kScreen{1280, 1024};

TEST(HistoryGeometry, FirstUseOpensMaximisedInsideTheScreen) {
    const HistoryGeometry geometry = loadHistoryGeometry(IniDocument{}, kScreen, 96);
    EXPECT_EQ(geometry.left, 10);
    EXPECT_EQ(geometry.top, 10);
    EXPECT_EQ(geometry.width, 1130);
    EXPECT_EQ(geometry.height, 874);
    EXPECT_EQ(geometry.status, 2);
}

TEST(HistoryGeometry, StoredStateNeverStartsMinimised) {
    const std::pair<const char*, int> cases[] = {{"0", 0}, {"1", 0}, {"2", 2}, {"7", 0}, {"x", 2}};
    for (const auto& [stored, state] : cases) {
        const IniDocument settings = IniDocument::parse(std::string("[VelikostH]\r\nStatus=") + stored);
        EXPECT_EQ(loadHistoryGeometry(settings, kScreen, 96).status, state) << stored;
    }
}

TEST(HistoryGeometry, SavedInItsKeyOrderAndReadBack) {
    IniDocument settings = IniDocument::parse("[Velikost]\r\nLevo=1\r\nGor=2\r\n\r\n");
    saveHistoryGeometry(settings, {-4, 30, 640, 480, 0});
    EXPECT_EQ(settings.serialize(),
              "[Velikost]\r\nLevo=1\r\nGor=2\r\n\r\n"
              "[VelikostH]\r\nSirina=640\r\nVisina=480\r\nLevo=-4\r\nGor=30\r\nStatus=0\r\n\r\n");
    const HistoryGeometry back = loadHistoryGeometry(settings, kScreen, 96);
    EXPECT_EQ((std::array{back.left, back.top, back.width, back.height, back.status}),
              (std::array{-4, 30, 640, 480, 0}));

    // Kept at 96 DPI and read at 144: as much shows, at the same place.
    saveHistoryGeometry(settings, {-4, 30, 640, 480, 0, 96});
    EXPECT_NE(settings.serialize().find("Status=0\r\nDpi=96\r\n"), std::string::npos);
    const HistoryGeometry larger = loadHistoryGeometry(settings, kScreen, 144);
    EXPECT_EQ((std::array{larger.left, larger.top, larger.width, larger.height}), (std::array{-4, 30, 960, 720}));
}

TEST(HistoryGeometry, WindowIsKeptReachable) {
    auto corner = [](int left, int top) {
        const Point p = keepHistoryWindowOnScreen(left, top, kScreen);
        return std::pair{p.x, p.y};
    };
    EXPECT_EQ(corner(-1, -5), std::pair(-1, -5));  // slightly off stays
    EXPECT_EQ(corner(-2, -6), std::pair(0, 10));
    EXPECT_EQ(corner(1220, 964), std::pair(1220, 964));  // at width - 60, height - 60
    EXPECT_EQ(corner(1221, 965), std::pair(0, 924));     // top goes to height - 100
}

}  // namespace
}  // namespace vask
