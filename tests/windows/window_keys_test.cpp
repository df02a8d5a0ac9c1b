// The keys a Windows user expects of every window, sent as the keyboard
// sends them: Enter and Space press the focused button, Escape closes the
// advanced and the history window, Enter in the advanced window's texts
// searches, and the focus is never left where keys go nowhere.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "advanced/advanced_window.h"
#include "bar/bar_window.h"
#include "history/history_window.h"
#include "bar_menu_keys.h"
#include "test_app.h"

namespace vask::test {
namespace {

constexpr char FullBar[] = "[Options]\nCompact=0\n";

// Tab pressed until `control` has the focus; false when it never comes.
bool tabTo(HWND control) {
    for (int i = 0; i < 25 && GetFocus() != control; ++i) {
        const HWND before = GetFocus();
        press(VK_TAB);
        runLoopUntil([&] { return GetFocus() != before; });
    }
    return GetFocus() == control;
}

TEST(WindowKeys, CompactHandsTheFocusOfAHiddenServiceToTheField) {
    TestApp test(FullBar);
    Tmainform& bar = activeBar(test);
    ASSERT_TRUE(tabTo(bar.cb1.hwnd()));
    {
        MenuWatch watch(bar.hwnd(), {'C'});  // "&Compact"
        sendKeys({{VK_SHIFT, true}, {VK_F10, true}, {VK_F10, false}, {VK_SHIFT, false}});
        runLoopUntil([&] { return bar.state().compact; });
    }
    ASSERT_TRUE(bar.state().compact);
    EXPECT_FALSE(IsWindowVisible(bar.cb1.hwnd()));
    EXPECT_TRUE(bar.eurl.focused());
    typeText(L"red");
    runLoopUntil([&] { return bar.searchText() == "red"; });
    EXPECT_EQ(bar.searchText(), "red") << "what is typed next goes into the field";
}

TEST(WindowKeys, EnterSpaceAndDownOpenTheMenuFromItsButtonAndEnterPressesTheClose) {
    TestApp test(FullBar);
    Tmainform& bar = activeBar(test);
    for (const WORD key : {VK_RETURN, VK_SPACE, VK_DOWN}) {
        ASSERT_TRUE(tabTo(bar.ingpop.hwnd()));
        MenuWatch watch(bar.hwnd(), {VK_ESCAPE});
        press(key);
        runLoopUntil([&] { return watch.pressed > 0; });
        ASSERT_FALSE(watch.opened.empty()) << "key " << key << " opened no menu";
        EXPECT_EQ(watch.opened.front(), bar.pop());
        pumpInput();
    }
    EXPECT_TRUE(bar.ingpop.focused()) << "Down opened the menu rather than going on";

    const HWND window = bar.hwnd();
    ASSERT_TRUE(tabTo(bar.sbend.hwnd()));
    press(VK_RETURN);
    runLoopUntil([&] { return !IsWindow(window); });
    EXPECT_FALSE(IsWindow(window)) << "Enter on the close button closes the bar";
}

TEST(WindowKeys, EnterPressesTheAdvancedWindowsButtonsAndEscapeClosesIt) {
    TestApp test;
    Tmainform& bar = activeBar(test);
    Tfext& advanced = openAdvanced(*test.app);
    typeText(L"exact words");
    runLoopUntil([&] { return advanced.eexact.text() == "exact words"; });
    ASSERT_TRUE(tabTo(advanced.sb3.hwnd()));  // "Clear all"
    press(VK_RETURN);
    runLoopUntil([&] { return advanced.eexact.text().empty(); });
    EXPECT_EQ(advanced.eexact.text(), "") << "Enter pressed \"Clear all\"";

    press(VK_ESCAPE);
    runLoopUntil([&] { return !advanced.isVisible(); });
    EXPECT_FALSE(advanced.isVisible());
    EXPECT_FALSE(test.app->advancedChoice().open);
    EXPECT_EQ(GetActiveWindow(), bar.hwnd());
    EXPECT_TRUE(bar.eurl.focused()) << "Escape gives the keys back to the bar's field";
}

TEST(WindowKeys, EnterInTheAdvancedWindowsTextsSearchesAsInTheBarsField) {
    TestApp test;
    Tmainform& bar = activeBar(test);
    typeText(L"apple");
    runLoopUntil([&] { return bar.searchText() == "apple"; });
    Tfext& advanced = openAdvanced(*test.app);
    ASSERT_TRUE(advanced.eexact.focused());
    typeText(L"red");
    press(VK_RETURN);
    runLoopUntil([&] { return test.launcher.launches.size() == 1; });
    ASSERT_EQ(test.launcher.launches.size(), 1u) << "Enter in Exact searched";
    const std::string& url = test.launcher.launches[0].url;
    EXPECT_NE(url.find("apple"), std::string::npos) << url;
    EXPECT_NE(url.find("%22red%22"), std::string::npos) << "with the exact phrase: " << url;
    EXPECT_EQ(advanced.eexact.text(), "red") << "and typed no character";

    press(VK_TAB);  // Exclude
    press(VK_RETURN);
    press(VK_TAB);  // Site
    sendKeys({{VK_SHIFT, true}, {VK_RETURN, true}, {VK_RETURN, false}, {VK_SHIFT, false}});
    runLoopUntil([&] { return test.launcher.launches.size() == 3; });
    ASSERT_EQ(test.launcher.launches.size(), 3u) << "Enter in Exclude and in Site searched";
    EXPECT_TRUE(test.launcher.launches[1].browserSwitch.empty());
    EXPECT_FALSE(test.launcher.launches[2].browserSwitch.empty()) << "Shift+Enter searched privately";
    EXPECT_EQ(test.app->history.rows().size(), 2u) << "the private search is not recorded";
}

TEST(WindowKeys, EnterPressesTheHistoryWindowsButtonsAndEscapeClosesIt) {
    TestApp test;
    Tmainform& bar = activeBar(test);
    for (const char* text : {"first", "second"}) bar.dodajtabelo(text);
    Tfhist& history = test.app->historyWindow();
    history.Show();
    runLoopUntil([&] { return history.hurl.focused(); });
    ASSERT_EQ(history.tabela.firstSelected(), 1);     // the row before the newest
    ASSERT_TRUE(tabTo(history.SpeedButton7.hwnd()));  // "First record"
    press(VK_RETURN);
    runLoopUntil([&] { return history.tabela.firstSelected() == 0; });
    EXPECT_EQ(history.tabela.firstSelected(), 0) << "Enter pressed \"First record\"";

    press(VK_ESCAPE);
    runLoopUntil([&] { return !history.isVisible(); });
    EXPECT_FALSE(history.isVisible());
    EXPECT_EQ(GetActiveWindow(), bar.hwnd());
    EXPECT_TRUE(bar.eurl.focused()) << "Escape gives the keys back to the bar's field";
}

}  // namespace
}  // namespace vask::test
