// The about box of the real vask.exe: opened modally from the bar's menu, it
// shows the program's own version.
#include <gtest/gtest.h>

#include "bar/bar_window.h"
#include "about/about_window.h"
#include "e2e_support.h"
#include "temp_folder.h"
#include "vask_version.h"
#include "win/file_version.h"
#include "win/text.h"

namespace vask::e2e {
namespace {

TEST(AboutEndToEnd, ShowsTheProgramVersionModally) {
    EXPECT_EQ(win::fileVersionText(vaskExe()), VASK_VERSION_TEXT);
    test::TempFolder folder;
    VaskProcess vask(folder.path());
    const HWND bar = vask.bar();
    ASSERT_NE(bar, nullptr);
    // Posted: the menu command runs the box's own loop until it closes.
    PostMessageW(bar, WM_COMMAND, Tmainform::About1, 0);
    const HWND about = vask.waitForWindow(L"TfAbout");
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(about) != FALSE; }));
    EXPECT_FALSE(IsWindowEnabled(bar));
    EXPECT_TRUE(waitUntil([&] { return textOf(GetDlgItem(about, TfAbout::IdLabel2)) == "Version " VASK_VERSION_TEXT; }))
        << textOf(GetDlgItem(about, TfAbout::IdLabel2));

    PostMessageW(about, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(about); }));
    EXPECT_TRUE(IsWindowEnabled(bar));
    vask.sendCopyData("202");
    EXPECT_TRUE(vask.waitForExit());
}

}  // namespace
}  // namespace vask::e2e
