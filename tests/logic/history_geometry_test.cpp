#include "history/history_geometry.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

namespace vask {
namespace {

constexpr ScreenSize kScreen{1280, 1024};

TEST(HistoryGeometry, FirstUseOpensMaximisedInsideTheScreen) {
    const HistoryGeometry geometry = loadHistoryGeometry(IniDocument{}, kScreen);
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
        EXPECT_EQ(loadHistoryGeometry(settings, kScreen).status, state) << stored;
    }
}

TEST(HistoryGeometry, SavedInItsKeyOrderAndReadBack) {
    IniDocument settings = IniDocument::parse("[Velikost]\r\nLevo=1\r\nGor=2\r\n\r\n");
    saveHistoryGeometry(settings, {-4, 30, 640, 480, 0});
    EXPECT_EQ(settings.serialize(),
              "[Velikost]\r\nLevo=1\r\nGor=2\r\n\r\n"
              "[VelikostH]\r\nSirina=640\r\nVisina=480\r\nLevo=-4\r\nGor=30\r\nStatus=0\r\n\r\n");
    const HistoryGeometry back = loadHistoryGeometry(settings, kScreen);
    EXPECT_EQ((std::array{back.left, back.top, back.width, back.height, back.status}),
              (std::array{-4, 30, 640, 480, 0}));
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
