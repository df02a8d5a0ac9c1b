// The real bar as a new user first meets it: typing goes into the search
// field at once, and switching the layout leaves the same picture a fresh
// start in that layout shows.
#include <gtest/gtest.h>

#include "bar/bar_window.h"
#include "e2e_support.h"
#include "temp_folder.h"

namespace vask::e2e {
namespace {

constexpr char FullLayout[] = "[Options]\r\nCompact=0\r\n";
constexpr char CompactLayout[] = "[Options]\r\nCompact=1\r\n";

std::string googleUrl(const std::string& text) { return "http://www.google.com/search?&hl=sl&q=&q=" + text; }

// Types `text` and Enter from the keyboard, wherever the focus is, and
// returns what the default browser was asked to open.
std::vector<LaunchArgs> typeAndSearch(const std::wstring& text) {
    forgetLaunches();
    typeText(text);
    pressKey(VK_RETURN);
    return waitForLaunches(L"default", 1);
}

HWND shownBar(const VaskProcess& vask) {
    const HWND bar = vask.bar();
    if (bar) waitUntil([&] { return IsWindowVisible(bar) && GetForegroundWindow() == bar; });
    if (bar) settle(bar);
    return bar;
}

TEST(FirstTouchEndToEnd, TypingRightAfterEveryStartGoesIntoTheSearchField) {
    for (const char* settings : {"", FullLayout}) {
        SCOPED_TRACE(*settings ? "with vask.cfg" : "without vask.cfg");
        test::TempFolder folder;
        if (*settings) folder.write(L"vask.cfg", settings);
        VaskProcess vask(folder.path());
        ASSERT_NE(shownBar(vask), nullptr);
        EXPECT_EQ(typeAndSearch(L"apple"), std::vector<LaunchArgs>{{googleUrl("apple")}});
        vask.sendCopyData("202");
        EXPECT_TRUE(vask.waitForExit());
    }
}

TEST(FirstTouchEndToEnd, TypingGoesIntoTheSearchFieldAfterARestore) {
    test::TempFolder folder;
    VaskProcess vask(folder.path());
    const HWND bar = shownBar(vask);
    ASSERT_NE(bar, nullptr);

    // Another program's window is active; "201" brings the bar back to the keyboard.
    const HWND other = CreateWindowExW(0, L"STATIC", L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300,
                                       200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    SetForegroundWindow(other);
    ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == other; }));
    AllowSetForegroundWindow(vask.processId());
    vask.sendCopyData("201");
    settle(bar);
    EXPECT_EQ(typeAndSearch(L"pear"), std::vector<LaunchArgs>{{googleUrl("pear")}});

    // Minimised, then brought back by a second start from the same folder.
    ShowWindow(bar, SW_MINIMIZE);
    SetForegroundWindow(other);
    {
        VaskProcess second(folder.path());
        EXPECT_TRUE(second.waitForExit());
    }
    ASSERT_TRUE(waitUntil([&] { return !IsIconic(bar) && GetForegroundWindow() == bar; }));
    settle(bar);
    // The field keeps its text after a search: the new keys come after it.
    EXPECT_EQ(typeAndSearch(L"plum"), std::vector<LaunchArgs>{{googleUrl("pearplum")}});
    DestroyWindow(other);
    vask.sendCopyData("202");
    EXPECT_TRUE(vask.waitForExit());
}

// The pixels of a bar, the search field's own area left out: its caret blinks.
test::ScreenPicture barPicture(HWND bar) {
    settle(bar);
    test::ScreenPicture picture = captureClient(bar);
    RECT field{};
    const HWND eurl = GetDlgItem(bar, Tmainform::IdEurl);
    GetWindowRect(eurl, &field);
    MapWindowPoints(nullptr, bar, reinterpret_cast<POINT*>(&field), 2);
    for (int y = std::max(0L, field.top); y < std::min<LONG>(picture.height, field.bottom); ++y)
        for (int x = std::max(0L, field.left); x < std::min<LONG>(picture.width, field.right); ++x)
            picture.pixels[static_cast<size_t>(y) * picture.width + x] = 0;
    return picture;
}

test::ScreenPicture freshStartPicture(const char* settings) {
    test::TempFolder folder;
    folder.write(L"vask.cfg", settings);
    VaskProcess vask(folder.path());
    const HWND bar = shownBar(vask);
    test::ScreenPicture picture = bar ? barPicture(bar) : test::ScreenPicture{};
    vask.sendCopyData("202");
    vask.waitForExit();
    return picture;
}

TEST(FirstTouchEndToEnd, SwitchingTheLayoutLeavesTheBarAsAFreshStartDrawsIt) {
    const test::ScreenPicture full = freshStartPicture(FullLayout);
    const test::ScreenPicture compact = freshStartPicture(CompactLayout);
    ASSERT_GT(full.pixels.size(), 0u);
    ASSERT_GT(compact.pixels.size(), 0u);
    ASSERT_NE(full.height, compact.height);

    test::TempFolder folder;
    folder.write(L"vask.cfg", FullLayout);
    VaskProcess vask(folder.path());
    const HWND bar = shownBar(vask);
    ASSERT_NE(bar, nullptr);
    vask.command(Tmainform::Compact1);
    EXPECT_EQ(test::differingPixels(barPicture(bar), compact), 0u) << "full to compact";
    vask.command(Tmainform::Compact1);
    EXPECT_EQ(test::differingPixels(barPicture(bar), full), 0u) << "compact to full";
    vask.command(Tmainform::Compact1);
    vask.command(Tmainform::Compact1);
    EXPECT_EQ(test::differingPixels(barPicture(bar), full), 0u) << "toggled twice";
    vask.sendCopyData("202");
    EXPECT_TRUE(vask.waitForExit());
}

}  // namespace
}  // namespace vask::e2e
