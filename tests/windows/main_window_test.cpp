// The search bar as the user meets it: its start, its settings, its menu.
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "test_app.h"

namespace vask::test {
namespace {

TEST(MainWindow, FirstStartWithoutSettingsUsesTheDefaults) {
    TestApp test;
    Tmainform& bar = *test.app->mainform;
    const RECT rect = bar.windowRect();
    EXPECT_EQ(rect.left, GetSystemMetrics(SM_CXSCREEN) - 500);
    EXPECT_EQ(rect.top, GetSystemMetrics(SM_CYSCREEN) - 200);
    EXPECT_EQ(bar.backColor(), 11184388u);
    EXPECT_TRUE(bar.menuChecked(Tmainform::Compact1));
    EXPECT_TRUE(bar.menuChecked(Tmainform::stbar));
    EXPECT_TRUE(bar.menuChecked(Tmainform::enahist));
    EXPECT_EQ(bar.searchEngine(), SearchEngine::Google);
}

TEST(MainWindow, EnterSearchesAndLeavesNoCharacter) {
    TestApp test;
    Tmainform& bar = *test.app->mainform;
    bar.eurl.setText("red apple");
    SendMessageW(bar.eurl.hwnd(), WM_CHAR, L'\r', 0);
    ASSERT_EQ(test.launcher.launches.size(), 1u);
    EXPECT_EQ(test.launcher.launches[0].program, "");
    EXPECT_EQ(test.launcher.launches[0].url, "http://www.google.com/search?&hl=sl&q=&q=red apple");
    EXPECT_EQ(bar.eurl.text(), "red apple");
    SendMessageW(bar.eurl.hwnd(), WM_CHAR, L'x', 0);
    EXPECT_EQ(test.launcher.launches.size(), 1u);
}

}  // namespace
}  // namespace vask::test
