// Suggestions while typing, with the keys a user presses: earlier searches
// that begin with the typed text, newest first, to move through, search,
// close or forget.
#include <windows.h>

#include <gtest/gtest.h>

#include "advanced/advanced_window.h"
#include "bar/bar_window.h"
#include "test_app.h"

namespace vask::test {
namespace {

// The bar active with the focus in its field, with these searches recorded, the last newest.
Tmainform& barWithSearches(TestApp& test, std::initializer_list<const char*> searches) {
    Tmainform& bar = test.app->bar();
    for (const char* text : searches) bar.dodajtabelo(text);
    ShowWindow(bar.hwnd(), SW_SHOW);
    SetForegroundWindow(bar.hwnd());
    bar.eurl.setFocus();
    runLoopUntil([&] { return bar.eurl.focused(); });
    return bar;
}

bool listShown(const Tmainform& bar) { return bar.suggestionList() && bar.suggestionList()->shown(); }

TEST(Suggestions, TypedTextOffersEarlierSearchesNewestFirstAndDownAndEnterSearchOne) {
    TestApp test;
    Tmainform& bar = barWithSearches(test, {"red car", "Ωmega red", "RED apple", "blue sky", "red car"});
    typeText(L"re");
    runLoopUntil([&] { return listShown(bar); });
    ASSERT_TRUE(listShown(bar));
    EXPECT_EQ(bar.suggestionList()->texts(), (std::vector<std::string>{"red car", "RED apple"}));
    // In any script: "ω" finds "Ω".
    bar.setSearchText("");
    typeText(L"ω");
    runLoopUntil([&] { return listShown(bar) && bar.suggestionList()->texts().size() == 1; });
    EXPECT_EQ(bar.suggestionList()->texts(), (std::vector<std::string>{"Ωmega red"}));

    bar.setSearchText("");
    typeText(L"re");
    runLoopUntil([&] { return listShown(bar); });
    press(VK_DOWN);
    press(VK_DOWN);
    runLoopUntil([&] { return bar.searchText() == "RED apple"; });
    EXPECT_EQ(bar.searchText(), "RED apple") << "the field shows the highlighted text";
    press(VK_RETURN);
    runLoopUntil([&] { return !test.launcher.launches.empty(); });
    ASSERT_EQ(test.launcher.launches.size(), 1u);
    EXPECT_NE(test.launcher.launches[0].url.find("q=RED apple"), std::string::npos) << test.launcher.launches[0].url;
    EXPECT_FALSE(listShown(bar));

    // Switched off in the menu, typing offers nothing.
    SendMessageW(bar.hwnd(), WM_COMMAND, Tmainform::Suggest1, 0);
    bar.setSearchText("");
    typeText(L"re");
    runLoopUntil([&] { return bar.searchText() == "re"; });
    EXPECT_FALSE(listShown(bar));
}

TEST(Suggestions, ShiftDeleteForgetsEveryRowOfTheTextAndEscapeClosesTheList) {
    TestApp test;
    Tmainform& bar = barWithSearches(test, {"cats", "dogs", "cats", "Cats"});
    typeText(L"c");
    runLoopUntil([&] { return listShown(bar); });
    ASSERT_EQ(bar.suggestionList()->texts(), (std::vector<std::string>{"Cats", "cats"}));
    press(VK_DOWN);
    press(VK_DOWN);
    sendKeys({{VK_SHIFT, true}, {VK_DELETE, true}, {VK_DELETE, false}, {VK_SHIFT, false}});
    runLoopUntil([&] { return test.app->history.rows().size() == 2; });
    ASSERT_EQ(test.app->history.rows().size(), 2u) << "both rows of \"cats\" went, \"Cats\" stays";
    EXPECT_EQ(subItemOrEmpty(test.app->history.rows()[0], HistoryItem::Search), "Cats");
    EXPECT_EQ(subItemOrEmpty(test.app->history.rows()[1], HistoryItem::Search), "dogs");
    EXPECT_EQ(bar.searchText(), "c") << "the field goes back to what was typed";
    ASSERT_TRUE(listShown(bar));
    EXPECT_EQ(bar.suggestionList()->texts(), (std::vector<std::string>{"Cats"}));

    press(VK_ESCAPE);
    runLoopUntil([&] { return !listShown(bar); });
    EXPECT_FALSE(listShown(bar));
    EXPECT_EQ(GetForegroundWindow(), bar.hwnd()) << "Escape closed only the list";
    EXPECT_EQ(bar.searchText(), "c");
    press(VK_DOWN);
    runLoopUntil([&] { return listShown(bar); });
    EXPECT_TRUE(listShown(bar)) << "Down opens the list again";
}

RECT rectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// The bar low on the screen: the list goes below it while it fits there,
// clear of the advanced window docked above the bar (the other cases are the
// placing rule's own test).
TEST(Suggestions, TheListOpensBelowTheBarWhenItFitsAndNeverOverTheAdvancedWindow) {
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    TestApp test("[Velikost]\r\nLevo=100\r\nGor=" + std::to_string(screenHeight - 340) +
                 "\r\n[Options]\r\nCompact=0\r\n");
    Tmainform& bar = barWithSearches(test, {"red car", "RED apple"});
    const auto typeAndLook = [&](const char* why) {
        SCOPED_TRACE(why);
        bar.setSearchText("");
        typeText(L"re");
        runLoopUntil([&] { return listShown(bar); });
        EXPECT_TRUE(listShown(bar));
        return listShown(bar) ? rectOf(bar.suggestionList()->hwnd()) : RECT{};
    };

    RECT list = typeAndLook("300 pixels free below");
    const RECT barRect = rectOf(bar.hwnd());
    EXPECT_EQ(list.top, barRect.bottom) << "the list is not under the bar";
    EXPECT_EQ(list.left, barRect.left);
    EXPECT_EQ(list.right, barRect.right);

    click(bar.GradButton3);  // "Advanced Search"
    runLoopUntil([&] { return test.app->advancedIfMade() && test.app->advancedIfMade()->isVisible(); });
    ASSERT_TRUE(test.app->advancedIfMade() && test.app->advancedIfMade()->isVisible());
    const RECT advanced = test.app->advancedIfMade()->windowRect();
    SetForegroundWindow(bar.hwnd());
    bar.eurl.setFocus();
    runLoopUntil([&] { return bar.eurl.focused(); });
    list = typeAndLook("the advanced window open");
    RECT overlap{};
    EXPECT_FALSE(IntersectRect(&overlap, &list, &advanced)) << "the list covers the advanced window";
    EXPECT_EQ(list.top, rectOf(bar.hwnd()).bottom);
}

// The caret's place in the field and what is selected: (start, end).
std::pair<DWORD, DWORD> selectionOf(const win::Edit& field) {
    DWORD start = 0, end = 0;
    SendMessageW(field.hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

TEST(Suggestions, MovingThroughThemOrForgettingOneLosesNothingTyped) {
    TestApp test;
    Tmainform& bar = barWithSearches(test, {"apple", "apricot"});
    typeText(L"ap");
    runLoopUntil([&] { return listShown(bar); });
    press(VK_DOWN);
    runLoopUntil([&] { return bar.searchText() == "apricot"; });
    EXPECT_EQ(selectionOf(bar.eurl), std::make_pair(7UL, 7UL)) << "a suggestion shows with the caret at its end";
    press(VK_UP);
    runLoopUntil([&] { return bar.searchText() == "ap"; });
    EXPECT_EQ(selectionOf(bar.eurl), std::make_pair(2UL, 2UL)) << "back at the typed text, nothing selected";
    typeText(L"p");
    runLoopUntil([&] { return bar.searchText() != "ap"; });
    EXPECT_EQ(bar.searchText(), "app") << "the next key adds to what was typed";

    press(VK_DOWN);
    runLoopUntil([&] { return bar.searchText() == "apple"; });
    sendKeys({{VK_SHIFT, true}, {VK_DELETE, true}, {VK_DELETE, false}, {VK_SHIFT, false}});
    runLoopUntil([&] { return bar.searchText() == "app"; });
    EXPECT_EQ(selectionOf(bar.eurl), std::make_pair(3UL, 3UL)) << "after Shift+Delete too";
    typeText(L"s");
    runLoopUntil([&] { return bar.searchText() != "app"; });
    EXPECT_EQ(bar.searchText(), "apps");
}

}  // namespace
}  // namespace vask::test
