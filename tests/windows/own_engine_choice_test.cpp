// One's own engine chosen in the bar's menu: it takes every search until
// another is chosen, and the history brings it back by its keyword.
#include <windows.h>

#include <gtest/gtest.h>

#include "bar/bar_window.h"
#include "test_app.h"

namespace vask::test {
namespace {

TEST(OwnEngineChoice, AnOwnEngineFromTheMenuSearchesUntilAnotherIsChosenAndIsRecordedByKeyword) {
    TestApp test("[Engines]\r\nddg=DuckDuckGo|https://duckduckgo.com/?q={q}\r\n");
    Tmainform& bar = test.app->bar();
    SendMessageW(bar.hwnd(), WM_COMMAND, Tmainform::FirstOwnEngine, 0);
    EXPECT_FALSE(bar.cb1.checked() || bar.cb2.checked() || bar.cb4.checked());

    bar.setSearchText("a cat");
    bar.sbGoClick();
    ASSERT_EQ(test.launcher.launches.size(), 1u);
    EXPECT_EQ(test.launcher.launches[0].url, "https://duckduckgo.com/?q=a%20cat");
    EXPECT_EQ(test.launcher.launches[0].program, "") << "the default browser";
    const HistoryRecord& row = test.app->history.rows()[0];
    EXPECT_EQ(subItemOrEmpty(row, HistoryItem::Search), "!ddg a cat");
    for (const std::size_t column : {HistoryItem::Google, HistoryItem::Bing, HistoryItem::Wikipedia})
        EXPECT_NE(subItemOrEmpty(row, column), "Yes");

    // The full layout offers it under "More engines"; Google chosen again takes the searches back.
    SendMessageW(bar.hwnd(), WM_COMMAND, Tmainform::Compact1, 0);
    SendMessageW(bar.hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(bar.pop()), 0);
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(bar.pop(), 3)), 1);
    SendMessageW(bar.hwnd(), WM_COMMAND, Tmainform::Google1, 0);
    EXPECT_TRUE(bar.cb1.checked());
    bar.sbGoClick();
    EXPECT_EQ(test.launcher.launches.back().url.rfind("http://www.google.com/", 0), 0u);
}

}  // namespace
}  // namespace vask::test
