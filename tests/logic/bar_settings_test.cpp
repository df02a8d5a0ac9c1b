#include "bar/bar_settings.h"

#include <gtest/gtest.h>

#include <string>

namespace vask {
namespace {

constexpr ScreenSize kScreen{1920, 1080};
constexpr int kBarWidth = 452;
constexpr int kBarHeight = 64;

BarState load(const std::string& text) {
    return loadBarSettings(IniDocument::parse(text), kScreen, kBarWidth, kBarHeight);
}

Point position(const std::string& levo, const std::string& gor) {
    const BarState bar = load("[Velikost]\r\nLevo=" + levo + "\r\nGor=" + gor + "\r\n");
    return {bar.left, bar.top};
}

TEST(BarSettings, FirstStartTakesTheDefaults) {
    const BarState bar = load("");
    EXPECT_EQ(bar.left, 1920 - 500);
    EXPECT_EQ(bar.top, 1080 - 200);
    EXPECT_EQ(bar.backColor, 11184388u);
    EXPECT_TRUE(bar.compact);
    EXPECT_TRUE(bar.showTaskbarButton);
    EXPECT_TRUE(bar.historyEnabled);
}

TEST(BarSettings, PositionIsPulledBackOntoTheScreen) {
    EXPECT_EQ(position("-6", "-6").x, 5);
    EXPECT_EQ(position("-6", "-6").y, 15);
    EXPECT_EQ(position("-5", "-5").x, -5);
    EXPECT_EQ(position("-5", "-5").y, -5);
    // The bar may touch the right and bottom edges; one pixel more and it
    // comes back with a 30-pixel margin.
    EXPECT_EQ(position("1468", "1016").x, 1468);
    EXPECT_EQ(position("1468", "1016").y, 1016);
    EXPECT_EQ(position("1469", "1017").x, 1920 - 452 - 30);
    EXPECT_EQ(position("1469", "1017").y, 1080 - 64 - 30);
    EXPECT_EQ(position("2147483647", "junk").x, 1438);
    EXPECT_EQ(position("2147483647", "junk").y, 880);
}

TEST(BarSettings, FlagsAreOnOnlyForOne) {
    const BarState twos = load("[Options]\r\nCompact=2\r\nstbar=2\r\nEnahist=2\r\n");
    EXPECT_FALSE(twos.compact);
    EXPECT_FALSE(twos.showTaskbarButton);
    EXPECT_FALSE(twos.historyEnabled);
    const BarState zeros = load("[Options]\r\nCompact=0\r\nstbar=0\r\nEnahist=0\r\n");
    EXPECT_FALSE(zeros.compact || zeros.showTaskbarButton || zeros.historyEnabled);
    // Unreadable values fall back to the default 1.
    const BarState junk = load("[Options]\r\nCompact=\r\nstbar=yes\r\nEnahist=1\r\n");
    EXPECT_TRUE(junk.compact && junk.showTaskbarButton && junk.historyEnabled);
}

TEST(BarSettings, SavedSettingsReadBackAndKeepTheRestOfTheFile) {
    IniDocument doc = IniDocument::parse(
        "[Pin]\r\nBrowser=2\r\n\r\n[Options]\r\nCompact=1\r\nOwn=x\r\n\r\n"
        "[Velikost]\r\nGor=1\r\nLevo=2\r\n\r\n");
    BarState bar;
    bar.left = -3;
    bar.top = 700;
    bar.backColor = 0xFF00000F;  // system button face
    bar.compact = false;
    bar.historyEnabled = false;
    bar.suggest = false;
    bar.engineSuggest = true;
    bar.hotkey = "";  // no hotkey: kept as an empty value, not as a missing key
    saveBarSettings(doc, bar);
    EXPECT_EQ(doc.serialize(),
              "[Pin]\r\nBrowser=2\r\n\r\n"
              "[Options]\r\nCompact=0\r\nOwn=x\r\nBackcolor=-16777201\r\nstbar=1\r\nEnahist=0\r\nSuggest=0\r\n"
              "EngineSuggest=1\r\nHotkey=\r\n\r\n"
              "[Velikost]\r\nGor=700\r\nLevo=-3\r\n\r\n");

    const BarState back = loadBarSettings(doc, kScreen, kBarWidth, kBarHeight);
    EXPECT_EQ(back.left, -3);
    EXPECT_EQ(back.top, 700);
    EXPECT_EQ(back.backColor, 0xFF00000Fu);
    EXPECT_FALSE(back.compact);
    EXPECT_TRUE(back.showTaskbarButton);
    EXPECT_FALSE(back.historyEnabled);
    EXPECT_EQ(back.hotkey, "");
    EXPECT_TRUE(back.engineSuggest);
    const BarState first = loadBarSettings({}, kScreen, kBarWidth, kBarHeight);
    EXPECT_EQ(first.hotkey, "Ctrl+Alt+Space");
    EXPECT_FALSE(first.engineSuggest) << "nothing typed leaves the machine until the user asks";
}

}  // namespace
}  // namespace vask
