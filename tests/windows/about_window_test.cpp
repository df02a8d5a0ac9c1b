// The about box: its layout, its modal showing from the bar, and its link.
#include <gtest/gtest.h>

#include <functional>
#include <regex>

#include "app/main_window.h"
#include "controls/about_info.h"
#include "controls/about_window.h"
#include "test_app.h"
#include "win/dpi.h"
#include "win/file_version.h"
#include "win/files.h"
#include "win/text.h"

namespace vask::test {
namespace {

// What a test does once the box's own message loop runs; the box is torn
// down after a few seconds if the step did not close it, so no test hangs.
struct ModalRun {
    std::function<void()> step;
    HWND box = nullptr;
    bool stuck = false;
};
ModalRun* currentRun = nullptr;

void CALLBACK runStep(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (currentRun) currentRun->step();
}

void CALLBACK giveUp(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (!currentRun || !IsWindowVisible(currentRun->box)) return;
    currentRun->stuck = true;
    DestroyWindow(currentRun->box);
}

// Shows the box from the bar's menu and runs `step` while it is up.
bool showFromMenuAnd(TestApp& test, std::function<void()> step) {
    ModalRun run{std::move(step), test.app->about().hwnd()};
    currentRun = &run;
    SetTimer(nullptr, 0, 10, &runStep);
    const UINT_PTR guard = SetTimer(nullptr, 0, 5000, &giveUp);
    SendMessageW(test.app->bar().hwnd(), WM_COMMAND, Tmainform::About1, 0);
    KillTimer(nullptr, guard);
    currentRun = nullptr;
    return !run.stuck;
}

SIZE clientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

TEST(AboutWindow, IsLaidOutHiddenUntilAskedFor) {
    TestApp test;
    TfAbout& about = test.app->about();
    const UINT dpi = win::dpiForWindow(about.hwnd());
    EXPECT_FALSE(about.isVisible());
    wchar_t caption[32] = {};
    GetWindowTextW(about.hwnd(), caption, 32);
    EXPECT_STREQ(caption, L"About");
    const SIZE client = clientSize(about.hwnd());
    EXPECT_EQ(client.cx, win::scale(429, dpi));
    EXPECT_EQ(client.cy, win::scale(172, dpi));
    EXPECT_EQ(GetWindow(about.hwnd(), GW_OWNER), test.app->bar().hwnd());
    EXPECT_EQ(about.Label1.text(), "Vask");
    EXPECT_FALSE(about.Label4.visible());
    EXPECT_EQ(about.Label5.text(), MakerWebAddress);
}

TEST(AboutWindow, ShowsModallyCentredAndClosesWithEscapeOkAndClose) {
    TestApp test;
    TfAbout& about = test.app->about();
    const HWND bar = test.app->bar().hwnd();
    const std::pair<const char*, std::function<void()>> closers[] = {
        {"Escape", [&] { PostMessageW(about.hwnd(), WM_KEYDOWN, VK_ESCAPE, 0); }},
        {"OK", [&] { SendMessageW(about.GradButton1.hwnd(), BM_CLICK, 0, 0); }},
        {"Close sent", [&] { SendMessageW(about.hwnd(), WM_CLOSE, 0, 0); }},
    };
    for (const auto& closer : closers) {
        SCOPED_TRACE(closer.first);
        bool seen = false;
        EXPECT_TRUE(showFromMenuAnd(test, [&] {
            seen = true;
            EXPECT_TRUE(about.isVisible());
            EXPECT_FALSE(IsWindowEnabled(bar)) << "the bar waits while the box is up";
            const RECT frame = about.windowRect();
            EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
            EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
            closer.second();
        })) << "the box did not close";
        EXPECT_TRUE(seen);
        EXPECT_FALSE(about.isVisible());
        EXPECT_TRUE(IsWindowEnabled(bar));
    }
}

TEST(AboutWindow, ActivationShowsTheVersionOnlyWhenTheProgramHasOne) {
    TestApp test;
    TfAbout& about = test.app->about();
    about.FormActivate();
    // The test program carries no version resource (vask.exe's own is checked end to end).
    ASSERT_FALSE(win::fileVersionText(win::programPath()));
    EXPECT_EQ(about.Label2.text(), "");
}

TEST(AboutWindow, TheWebAddressOpensInTheDefaultBrowser) {
    TestApp test;
    TfAbout& about = test.app->about();
    SendMessageW(about.hwnd(), WM_COMMAND, MAKEWPARAM(TfAbout::IdLabel5, STN_CLICKED),
                 reinterpret_cast<LPARAM>(about.Label5.hwnd()));
    ASSERT_EQ(test.launcher.launches.size(), 1u);
    EXPECT_EQ(test.launcher.launches[0].program, "");
    EXPECT_EQ(test.launcher.launches[0].url, MakerWebAddress);
    // The link shows the hand.
    SendMessageW(about.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(about.Label5.hwnd()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
}

TEST(FileVersion, ReadsTheFourPartsOrNothing) {
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    const auto version = win::fileVersionText(std::wstring(system) + L"\\comctl32.dll");
    ASSERT_TRUE(version);
    EXPECT_TRUE(std::regex_match(*version, std::regex(R"(\d+\.\d+\.\d+\.\d+)"))) << *version;
    EXPECT_FALSE(win::fileVersionText(std::wstring(system) + L"\\no such file.dll"));
}

}  // namespace
}  // namespace vask::test
