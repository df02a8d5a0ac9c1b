// The bar and the history window as a hand drives them with the mouse:
// SendInput at screen coordinates, so the system's own hit testing finds
// the control, as it does for a user's click.
#include <windows.h>

#include <gtest/gtest.h>

#include "advanced/advanced_window.h"
#include "bar/bar_window.h"
#include "bar/suggestion_list.h"
#include "history/history_window.h"
#include "real_input.h"
#include "test_app.h"

namespace vask::test {
namespace {

constexpr char FullBar[] = "[Velikost]\nLevo=100\nGor=700\n[Options]\nCompact=0\n";

TEST(Mouse, SearchAdvancedTheServicesAndCloseAreClickedOnTheBar) {
    TestApp test(FullBar);
    Tmainform& bar = activeBar(test);
    typeText(L"red apple");
    pumpInput();
    click(bar.GradButton1);
    ASSERT_EQ(test.launcher.launches.size(), 1u);
    EXPECT_EQ(test.launcher.launches[0].url, "http://www.google.com/search?&hl=sl&q=&q=red apple");

    // A service by its radio button and by its label.
    click(bar.cb2);
    EXPECT_EQ(bar.searchEngine(), SearchEngine::Bing);
    click(bar.Label3);
    EXPECT_EQ(bar.searchEngine(), SearchEngine::Wikipedia);
    EXPECT_TRUE(bar.menuChecked(Tmainform::Wikipedia1));
    click(bar.Label1);
    EXPECT_EQ(bar.searchEngine(), SearchEngine::Google);

    // Shift and a click on "Search": the browser's private window.
    clickAt(centreOf(bar.GradButton1.hwnd()), {VK_SHIFT});
    pumpInput();
    ASSERT_EQ(test.launcher.launches.size(), 2u);
    EXPECT_FALSE(test.launcher.launches[1].browserSwitch.empty());

    click(bar.GradButton3);
    ASSERT_TRUE(test.app->advancedChoice().open);
    EXPECT_TRUE(test.app->advanced().eexact.focused());
    click(test.app->advanced().sb100);  // its close button
    EXPECT_FALSE(test.app->advanced().isVisible());
    click(bar.GradButton3);
    EXPECT_TRUE(test.app->advanced().isVisible());
    click(bar.GradButton3);
    EXPECT_FALSE(test.app->advancedChoice().open);

    const HWND window = bar.hwnd();
    click(bar.sbend);
    runLoopUntil([&] { return !IsWindow(window); });
    EXPECT_FALSE(IsWindow(window)) << "the close button closes the bar";
    EXPECT_TRUE(test.folder.exists(L"vask.cfg")) << "and the close saved the settings";
}

TEST(Mouse, TheMenuButtonOpensTheMenuAndAClickChoosesAnItem) {
    TestApp test(FullBar);
    Tmainform& bar = activeBar(test);
    {
        MenuClick menu(bar.hwnd(), Tmainform::sbtransp);
        click(bar.ingpop);
        runLoopUntil([&] { return menu.clicked(); });
    }
    pumpInput();
    EXPECT_TRUE(bar.state().transparent);
    // In a submenu: "Search engine" leads to the services in the compact layout.
    for (const UINT item : {static_cast<UINT>(Tmainform::Compact1), static_cast<UINT>(Tmainform::Bing1)}) {
        MenuClick menu(bar.hwnd(), item);
        click(bar.ingpop);
        runLoopUntil([&] { return menu.clicked(); });
        EXPECT_TRUE(menu.clicked()) << item;
    }
    pumpInput();
    EXPECT_TRUE(bar.state().compact);
    EXPECT_EQ(bar.searchEngine(), SearchEngine::Bing);
}

TEST(Mouse, ASuggestionIsPickedAndAHistoryRowChosenByAClick) {
    TestApp test(FullBar);
    Tmainform& bar = activeBar(test);
    for (const char* text : {"red car", "red apple"}) bar.dodajtabelo(text);
    typeText(L"re");
    runLoopUntil([&] { return bar.suggestionList() && bar.suggestionList()->shown(); });
    ASSERT_TRUE(bar.suggestionList() && bar.suggestionList()->shown());
    const SuggestionList& list = *bar.suggestionList();
    ASSERT_EQ(list.texts(), (std::vector<std::string>{"red apple", "red car"}));
    const RECT shown = list.windowRect();
    clickAt({(shown.left + shown.right) / 2, shown.top + (shown.bottom - shown.top) * 3 / 4});  // the second row
    pumpInput();
    EXPECT_EQ(bar.searchText(), "red car") << "the picked text is in the field";
    EXPECT_TRUE(bar.eurl.focused());
    EXPECT_FALSE(list.shown());

    Tfhist& history = test.app->historyWindow();
    history.Show();
    pumpInput();
    RECT row{LVIR_BOUNDS, 0, 0, 0};
    SendMessageW(history.tabela.hwnd(), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
    MapWindowPoints(history.tabela.hwnd(), nullptr, reinterpret_cast<POINT*>(&row), 2);
    clickAt({row.left + 20, (row.top + row.bottom) / 2});
    pumpInput();
    EXPECT_EQ(history.tabela.selectedRows(), std::vector<size_t>{1});
    EXPECT_EQ(history.e3.text(), "red car") << "the details show the clicked row";
}

}  // namespace
}  // namespace vask::test
