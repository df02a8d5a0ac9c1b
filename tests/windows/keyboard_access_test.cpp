// The bar as a screen reader and a keyboard user meet it: what each control
// says it is, the menu on Shift+F10, Tab through the controls, and Enter and
// Space on a focused button — the keys sent as the user's keyboard sends them.
#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "advanced/advanced_window.h"
#include "bar/bar_window.h"
#include "history/history_window.h"
#include "bar_menu_keys.h"
#include "test_app.h"
#include "win/com_ptr.h"

namespace vask::test {
namespace {

struct Identity {
    long role = 0;
    std::wstring name;
    bool operator==(const Identity&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Identity& identity) {
    return out << "role " << identity.role << " \"" << std::string(identity.name.begin(), identity.name.end()) << '"';
}

// What a screen reader hears of a window's client area.
Identity identityOf(HWND window) {
    win::ComPtr<IAccessible> accessible;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          accessible.put())))
        return {};
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    Identity identity;
    VARIANT role{};
    if (SUCCEEDED(accessible->get_accRole(self, &role)) && role.vt == VT_I4) identity.role = role.lVal;
    BSTR name = nullptr;
    if (SUCCEEDED(accessible->get_accName(self, &name)) && name) identity.name = name;
    SysFreeString(name);
    return identity;
}

TEST(Accessibility, TheBarsOwnControlsSayWhatTheyAreAndWhatTheyAreCalled) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    TestApp test;
    Tmainform& bar = test.app->bar();
    EXPECT_EQ(identityOf(bar.GradButton1.hwnd()), (Identity{ROLE_SYSTEM_PUSHBUTTON, L"Search"}));
    EXPECT_EQ(identityOf(bar.GradButton3.hwnd()), (Identity{ROLE_SYSTEM_PUSHBUTTON, L"Advanced Search"}));
    EXPECT_EQ(identityOf(bar.ingpop.hwnd()), (Identity{ROLE_SYSTEM_BUTTONMENU, L"Menu"}));
    EXPECT_EQ(identityOf(bar.sbend.hwnd()), (Identity{ROLE_SYSTEM_PUSHBUTTON, L"Close"}));
    identityOf(bar.hwnd());  // a screen reader starts with the window
    EXPECT_EQ(identityOf(bar.Image1.hwnd()), (Identity{ROLE_SYSTEM_GRAPHIC, L"Vask"}));
    EXPECT_EQ(identityOf(bar.cb2.hwnd()), (Identity{ROLE_SYSTEM_RADIOBUTTON, L"Bing"}));
    // A caption's access key mark is not read.
    bar.GradButton1.setText("&Search");
    EXPECT_EQ(identityOf(bar.GradButton1.hwnd()).name, L"Search");
    CoUninitialize();
}

TEST(Keyboard, ShiftF10OpensTheMenuAtTheArrowButtonAndItsAccessKeysChoose) {
    TestApp test;
    Tmainform& bar = activeBar(test);
    ASSERT_TRUE(bar.state().compact);
    // Where the menu fits under the button, as it does away from the screen's edges.
    SetWindowPos(bar.hwnd(), nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    RECT arrow{};
    GetWindowRect(bar.ingpop.hwnd(), &arrow);
    {
        MenuWatch watch(bar.hwnd(), {'C'});  // "&Compact"
        sendKeys({{VK_SHIFT, true}, {VK_F10, true}, {VK_F10, false}, {VK_SHIFT, false}});
        runLoopUntil([&] { return !bar.state().compact; });
        ASSERT_FALSE(watch.opened.empty()) << "no menu opened";
        EXPECT_EQ(watch.opened.front(), bar.pop());
        EXPECT_EQ(watch.menuRect.left, arrow.left) << "the menu opens under the arrow button";
        EXPECT_EQ(watch.menuRect.top, arrow.bottom);
    }
    EXPECT_FALSE(bar.state().compact) << "C chose \"Compact\"";
    EXPECT_TRUE(bar.eurl.focused());

    // The menu key does the same from a button, and a submenu has access keys of its own.
    SendMessageW(bar.hwnd(), WM_COMMAND, Tmainform::Compact1, 0);  // "Search engine" shows in compact mode
    bar.GradButton1.setFocus();
    {
        MenuWatch watch(bar.hwnd(), {'S', 'B'});  // "&Search engine", "&Bing"
        press(VK_APPS);
        runLoopUntil([&] { return bar.searchEngine() == SearchEngine::Bing; });
        ASSERT_EQ(watch.opened.size(), 2u);
        EXPECT_EQ(watch.opened.front(), bar.pop());
    }
    EXPECT_EQ(bar.searchEngine(), SearchEngine::Bing);
}

TEST(Keyboard, TabVisitsTheBarInOrderAndEnterOrSpaceClicksTheFocusedButton) {
    TestApp test("[Options]\nCompact=0\n");
    Tmainform& bar = activeBar(test);
    bar.selectEngine(SearchEngine::Bing);
    std::vector<HWND> visited{GetFocus()};
    for (int i = 0; i < 6; ++i) {
        press(VK_TAB);
        runLoopUntil([&] { return GetFocus() != visited.back(); });
        visited.push_back(GetFocus());
    }
    EXPECT_EQ(visited, (std::vector<HWND>{bar.eurl.hwnd(), bar.GradButton3.hwnd(), bar.GradButton1.hwnd(),
                                          bar.ingpop.hwnd(), bar.cb2.hwnd(), bar.sbend.hwnd(), bar.eurl.hwnd()}))
        << "Tab enters the services at the chosen one";

    bar.eurl.setText("red apple");
    press(VK_TAB);
    press(VK_TAB);
    runLoopUntil([&] { return bar.GradButton1.focused(); });
    ASSERT_TRUE(bar.GradButton1.focused());
    press(VK_SPACE);
    runLoopUntil([&] { return test.launcher.launches.size() == 1; });
    press(VK_RETURN);
    runLoopUntil([&] { return test.launcher.launches.size() == 2; });
    ASSERT_EQ(test.launcher.launches.size(), 2u) << "Space, then Enter, searched";
    EXPECT_EQ(test.launcher.launches[1].url, test.launcher.launches[0].url);
}

TEST(Keyboard, AdvancedAndHistoryWindowsTakeTabAndAccessKeys) {
    TestApp test;
    Tmainform& bar = activeBar(test);
    press(VK_TAB);  // "Advanced Search", pressed with Space
    press(VK_SPACE);
    runLoopUntil([&] { return test.app->advancedIfMade() && test.app->advanced().eexact.focused(); });
    Tfext& advanced = test.app->advanced();
    ASSERT_TRUE(advanced.eexact.focused());
    std::vector<HWND> visited;
    for (int i = 0; i < 4; ++i) {
        press(VK_TAB);
        runLoopUntil([&] { return GetFocus() != (visited.empty() ? advanced.eexact.hwnd() : visited.back()); });
        visited.push_back(GetFocus());
    }
    EXPECT_EQ(visited, (std::vector<HWND>{advanced.eexclude.hwnd(), advanced.edomain.hwnd(), advanced.sb1.hwnd(),
                                          advanced.sb2.hwnd()}))
        << "the parking field is no stop; the flat buttons are";

    for (const char* text : {"first", "second"}) bar.dodajtabelo(text);
    Tfhist& history = test.app->historyWindow();
    history.Show();
    SetForegroundWindow(history.hwnd());
    history.tabela.setFocus();
    pumpInput();
    const int before = history.tabela.firstSelected();
    pressWithAlt('L');  // "&Last record"
    runLoopUntil([&] { return history.tabela.firstSelected() == 1; });
    EXPECT_EQ(history.tabela.firstSelected(), 1) << "from " << before;
}

}  // namespace
}  // namespace vask::test
