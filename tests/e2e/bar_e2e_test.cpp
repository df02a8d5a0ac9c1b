// The real bar across two runs: the service choice is not kept, the place is.
#include <gtest/gtest.h>

#include "bar/bar_window.h"
#include "e2e_support.h"
#include "temp_folder.h"

namespace vask::e2e {
namespace {

TEST(BarEndToEnd, BingSearchThenRestartComesBackAsGoogleInTheSavedPlace) {
    forgetLaunches();
    test::TempFolder folder;
    RECT placed{};
    {
        VaskProcess vask(folder.path());
        const HWND bar = vask.bar();
        ASSERT_NE(bar, nullptr);
        vask.command(Tmainform::Bing1);
        SetWindowPos(bar, nullptr, 123, 234, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        GetWindowRect(bar, &placed);
        vask.search("red apple");
        const auto launches = waitForLaunches(L"default", 1);
        ASSERT_EQ(launches.size(), 1u);
        EXPECT_EQ(launches[0], LaunchArgs{"http://www.bing.com/search?&q=red+apple"});
        vask.sendCopyData("202");
        ASSERT_TRUE(vask.waitForExit());
        EXPECT_EQ(vask.exitCode(), 0u);
    }
    EXPECT_TRUE(folder.exists(L"vask.cfg"));
    EXPECT_TRUE(folder.exists(L"color.cld"));

    forgetLaunches();
    VaskProcess again(folder.path());
    const HWND bar = again.bar();
    ASSERT_NE(bar, nullptr);
    RECT rect{};
    GetWindowRect(bar, &rect);
    EXPECT_EQ(rect.left, placed.left);
    EXPECT_EQ(rect.top, placed.top);
    again.search("pear");
    const auto launches = waitForLaunches(L"default", 1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0], LaunchArgs{"http://www.google.com/search?&hl=sl&q=&q=pear"});
    again.sendCopyData("202");
    EXPECT_TRUE(again.waitForExit());
}

}  // namespace
}  // namespace vask::e2e
