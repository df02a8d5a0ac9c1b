// The bar as a user sees it, in both layouts: every control on top where it
// stands, after "Compact", a colour change and a DPI change too, and the
// typed text in the field.
#include <gtest/gtest.h>

#include "bar/bar_window.h"
#include "real_input.h"
#include "screen_check.h"
#include "test_app.h"
#include "win/dpi.h"

namespace vask::test {
namespace {

// A bar on the test display, away from its edges and from the other windows.
constexpr char BarPlace[] = "[Velikost]\nLevo=100\nGor=700\n";

// A menu item chosen with the mouse, through the menu button.
void chooseFromMenu(Tmainform& bar, UINT item) {
    MenuClick menu(bar.hwnd(), item);
    click(bar.ingpop);
    runLoopUntil([&] { return menu.clicked(); });
    pumpInput();
    EXPECT_TRUE(menu.clicked()) << "menu item " << item;
}

TEST(BarAsSeen, EveryControlIsOnTopAndPaintedInBothLayouts) {
    TestApp test(std::string(BarPlace) + "[Options]\nCompact=0\n");
    Tmainform& bar = activeBar(test);
    typeText(L"red apple");
    settleScreen();
    EXPECT_EQ(bar.eurl.text(), "red apple");
    EXPECT_EQ(controlsUnderOthers(bar.hwnd()), std::vector<std::string>{}) << "full layout";
    expectLooksAsItsReference(bar.hwnd(), "bar-full");

    chooseFromMenu(bar, Tmainform::Compact1);
    ASSERT_TRUE(bar.state().compact);
    settleScreen();
    EXPECT_EQ(controlsUnderOthers(bar.hwnd()), std::vector<std::string>{}) << "compact layout";
    expectLooksAsItsReference(bar.hwnd(), "bar-compact");

    chooseFromMenu(bar, Tmainform::Compact1);
    chooseFromMenu(bar, Tmainform::Windowsdefault1);
    settleScreen();
    EXPECT_EQ(controlsUnderOthers(bar.hwnd()), std::vector<std::string>{}) << "back to full, another colour";

    // Moved to a monitor of the other DPI the bar lays itself out again.
    const UINT other = screenDpi() == 96 ? 144 : 96;
    RECT suggested = bar.windowRect();
    suggested.right = suggested.left + win::scale(Tmainform::LayoutWidth, other);
    suggested.bottom = suggested.top + win::scale(Tmainform::layoutHeight, other);
    SendMessageW(bar.hwnd(), WM_DPICHANGED, MAKEWPARAM(other, other), reinterpret_cast<LPARAM>(&suggested));
    settleScreen();
    EXPECT_EQ(controlsUnderOthers(bar.hwnd()), std::vector<std::string>{}) << "at " << other << " DPI";
}

TEST(BarAsSeen, TheStartsCompactBarShowsItsButtons) {
    TestApp test(BarPlace);
    Tmainform& bar = activeBar(test);
    ASSERT_TRUE(bar.state().compact);
    settleScreen();
    EXPECT_EQ(controlsUnderOthers(bar.hwnd()), std::vector<std::string>{});
    expectLooksAsItsReference(bar.hwnd(), "bar-compact-empty");
}

}  // namespace
}  // namespace vask::test
