// The about box: its layout and its modal showing from the bar.
#include <gtest/gtest.h>

#include <functional>
#include <regex>

#include "bar/bar_window.h"
#include "about/about_window.h"
#include "real_input.h"
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

std::string textOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return win::toUtf8(text);
}

// The project has no public home page: the box names no address, a click
// on its text opens nothing, and OK lies clear of every other control.
TEST(AboutWindow, NamesNoWebAddressAndItsOkIsClearOfTheRest) {
    TestApp test;
    TfAbout& about = test.app->about();
    EXPECT_TRUE(showFromMenuAnd(test, [&] {
        RECT ok{};
        GetWindowRect(about.GradButton1.hwnd(), &ok);
        for (HWND child = GetWindow(about.hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (!IsWindowVisible(child) || child == about.GradButton1.hwnd() || child == about.Panel1.hwnd()) continue;
            const std::string text = textOf(child);
            SCOPED_TRACE(describe(child) + " \"" + text + "\"");
            EXPECT_EQ(text.find("www"), std::string::npos);
            EXPECT_EQ(text.find("http"), std::string::npos);
            RECT shown{}, overlap{};
            GetWindowRect(child, &shown);
            EXPECT_FALSE(IntersectRect(&overlap, &shown, &ok)) << "OK lies over it";
        }
        // Where the old box showed its link, under the version, a click does nothing.
        RECT client{};
        GetClientRect(about.hwnd(), &client);
        POINT under{win::scale(120, win::dpiForWindow(about.hwnd())), client.bottom * 3 / 4};
        ClientToScreen(about.hwnd(), &under);
        clickAt(under);
        pumpInput();
        EXPECT_TRUE(about.isVisible());
        click(about.GradButton1);
    })) << "OK did not close the box";
    EXPECT_FALSE(about.isVisible());
    EXPECT_TRUE(test.launcher.launches.empty());
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
