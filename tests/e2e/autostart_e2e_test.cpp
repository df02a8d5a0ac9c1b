// Started by "Start with Windows" (--autostart), the bar shows on top but
// leaves the focus with the program the user opened first; started by the
// user, it takes the focus.
#include <windows.h>

#include <gtest/gtest.h>

#include "e2e_support.h"
#include "temp_folder.h"

namespace vask::e2e {
namespace {

TEST(AutostartEndToEnd, StartedWithWindowsTheBarLeavesTheFocusWhereItWas) {
    // The program the user opened first: a window of this process.
    const HWND first = CreateWindowExW(0, L"EDIT", L"first", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 300, 300, 200,
                                       nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(first, nullptr);
    SetForegroundWindow(first);
    ASSERT_EQ(GetForegroundWindow(), first);
    test::TempFolder folder;
    {
        VaskProcess vask(folder.path(), VaskProcess::WaitUntilIdle, L"--autostart");
        const HWND bar = vask.bar();
        ASSERT_NE(bar, nullptr);
        EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(bar) != FALSE; }));
        settle(bar);
        EXPECT_EQ(GetForegroundWindow(), first);
        vask.sendCopyData("202");
        EXPECT_TRUE(vask.waitForExit());
    }
    {
        VaskProcess vask(folder.path());
        const HWND bar = vask.bar();
        EXPECT_TRUE(waitUntil([&] { return GetForegroundWindow() == bar; }));
        vask.sendCopyData("202");
        EXPECT_TRUE(vask.waitForExit());
    }
    DestroyWindow(first);
}

}  // namespace
}  // namespace vask::e2e
