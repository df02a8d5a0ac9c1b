// The windows wear the program's icon in the sizes of their DPI: the bar
// (its taskbar button), and the about box, which shows it beside the name.
#include <windows.h>

#include <gtest/gtest.h>

#include "bar/bar_window.h"
#include "about/about_window.h"
#include "test_app.h"
#include "win/handles.h"
#include "win/program_icon.h"

namespace vask::test {
namespace {

// The side of an icon, as its colour bitmap has it.
int sideOf(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return 0;
    const win::Bitmap colour(info.hbmColor), mask(info.hbmMask);
    BITMAP bitmap{};
    GetObjectW(colour ? colour.get() : mask.get(), sizeof(bitmap), &bitmap);
    return bitmap.bmWidth;
}

TEST(ProgramIcon, TheBarAndTheAboutBoxWearTheSizesOfTheirDpi) {
    TestApp test;
    const HWND bar = test.app->bar().hwnd();
    const UINT dpi = test.app->bar().dpi();
    EXPECT_EQ(sideOf(reinterpret_cast<HICON>(SendMessageW(bar, WM_GETICON, ICON_BIG, 0))),
              win::iconSize(SM_CXICON, dpi));
    EXPECT_EQ(sideOf(reinterpret_cast<HICON>(SendMessageW(bar, WM_GETICON, ICON_SMALL, 0))),
              win::iconSize(SM_CXSMICON, dpi));

    TfAbout& about = test.app->about();
    EXPECT_EQ(sideOf(reinterpret_cast<HICON>(SendMessageW(about.Icon1.hwnd(), STM_GETICON, 0, 0))),
              win::iconSize(SM_CXICON, about.dpi()));
    RECT shown{};
    GetClientRect(about.Icon1.hwnd(), &shown);
    EXPECT_EQ(shown.right, win::iconSize(SM_CXICON, about.dpi()));
}

}  // namespace
}  // namespace vask::test
