// The real vask.exe: engines chosen by keyword, engines of one's own from
// "vask.cfg", and private searches, typed as a user types them.
#include <gtest/gtest.h>

#include "advanced/advanced_window.h"
#include "bar/bar_window.h"
#include "e2e_support.h"
#include "temp_folder.h"
#include "win/text.h"

namespace vask::e2e {
namespace {

// Types into whatever has the focus, then Enter (with the keys `held`).
void typeAndEnter(const std::wstring& text, std::initializer_list<WORD> held = {}) {
    typeText(text);
    pressKey(VK_RETURN, held);
}

TEST(EnginesEndToEnd, KeywordsChooseTheEngineForOneSearchAndOwnTemplatesStayWebAddresses) {
    forgetLaunches();
    test::TempFolder folder;
    // The template as a browser writes it: %s marks the text's place as {q} does.
    folder.write(L"vask.cfg",
                 "[Engines]\r\nddg=DuckDuckGo|https://duckduckgo.com/?q=%s\r\n"
                 "calc=Calc|C:\\Windows\\System32\\calc.exe {q}\r\n");
    VaskProcess vask(folder.path(), VaskProcess::Suspended);
    vask.resume();
    HWND bar = nullptr;
    const std::vector<std::string> messages = messagesAtStart(vask, bar);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(messages.size(), 1u) << "one message names the line that is not used";
    EXPECT_NE(messages[0].find("calc=Calc"), std::string::npos) << messages[0];

    typeAndEnter(L"!w red apple");
    EXPECT_EQ(waitForLaunches(L"default", 1),
              std::vector<LaunchArgs>{{"http://wikipedia.org/w/index.php?search=red+apple"}});
    SetWindowTextW(FindWindowExW(bar, nullptr, L"Edit", nullptr), L"");
    typeAndEnter(L"!ddg a b");
    const auto launches = waitForLaunches(L"default", 2);
    ASSERT_EQ(launches.size(), 2u);
    EXPECT_EQ(launches[1], LaunchArgs{"https://duckduckgo.com/?q=a%20b"});

    // The invalid line's keyword is no keyword: the text goes to Google as typed.
    SetWindowTextW(FindWindowExW(bar, nullptr, L"Edit", nullptr), L"");
    typeAndEnter(L"!calc 1");
    const auto third = waitForLaunches(L"default", 3);
    ASSERT_EQ(third.size(), 3u);
    EXPECT_EQ(third[2][0].rfind("http://www.google.com/search?", 0), 0u) << third[2][0];
    vask.sendCopyData("202");
    EXPECT_TRUE(vask.waitForExit());
    EXPECT_NE(folder.read(L"vask.cfg").find("calc=Calc|C:\\Windows\\System32\\calc.exe {q}"), std::string::npos)
        << "an invalid line stays in the file";
}

// Lines added to [Engines] by hand while the bar runs stay through each change
// made in the Engines window, byte for byte, and come into use with it.
TEST(EnginesEndToEnd, TheEnginesWindowChangesOnlyItsOwnLinesOfTheFileAsItStandsNow) {
    forgetLaunches();
    test::TempFolder folder;
    const std::string ddg = "[Engines]\r\nddg=DuckDuckGo|https://duckduckgo.com/?q={q}\r\n";
    folder.write(L"vask.cfg", ddg);
    VaskProcess vask(folder.path());
    const HWND bar = vask.bar();
    ASSERT_NE(bar, nullptr);
    const std::string byHand = "; added while the bar runs\nhand=By hand|https://hand.example/?q={q}\n";
    folder.write(L"vask.cfg", ddg + byHand);

    PostMessageW(bar, WM_COMMAND, Tmainform::Engines1, 0);
    const HWND engines = vask.waitForWindow(L"TfEngines");
    ASSERT_NE(engines, nullptr);
    ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == engines; }));
    pressKey('N', {VK_MENU});  // "&Name:"
    for (const wchar_t* field : {L"GitHub", L"gh", L"https://github.com/search?q={q}"}) {
        typeText(field);
        pressKey(VK_TAB);
    }
    pressKey('A', {VK_MENU});  // "&Add"
    const std::string added = ddg + byHand + "gh=GitHub|https://github.com/search?q={q}\r\n";
    EXPECT_TRUE(waitUntil([&] { return folder.read(L"vask.cfg") == added; })) << folder.read(L"vask.cfg");

    pressKey('N', {VK_MENU});  // the new engine is chosen: its name changed
    typeText(L"Hub");
    pressKey('C', {VK_MENU});  // "&Change"
    const std::string changed = ddg + byHand + "gh=Hub|https://github.com/search?q={q}\r\n";
    EXPECT_TRUE(waitUntil([&] { return folder.read(L"vask.cfg") == changed; })) << folder.read(L"vask.cfg");
    pressKey('R', {VK_MENU});  // "&Remove"
    EXPECT_TRUE(waitUntil([&] { return folder.read(L"vask.cfg") == ddg + byHand; })) << folder.read(L"vask.cfg");

    // The bar knows the engine added by hand now.
    pressKey(VK_ESCAPE);
    vask.search("!hand cats");
    EXPECT_EQ(waitForLaunches(L"default", 1), std::vector<LaunchArgs>{{"https://hand.example/?q=cats"}});
    vask.sendCopyData("202");
    ASSERT_TRUE(vask.waitForExit());
    const std::string closed = folder.read(L"vask.cfg");
    EXPECT_EQ(closed.substr(0, (ddg + byHand).size()), ddg + byHand) << closed;
}

TEST(EnginesEndToEnd, ShiftEnterOpensTheNamedBrowsersPrivateWindowAndLeavesNoTrace) {
    forgetLaunches();
    test::TempFolder folder;
    VaskProcess vask(folder.path());
    const HWND advanced = openAdvanced(vask.bar());
    ASSERT_NE(advanced, nullptr);
    const HWND browsers = GetDlgItem(advanced, Tfext::IdLb);
    const LRESULT firefox =
        SendMessageW(browsers, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"Firefox"));
    ASSERT_NE(firefox, CB_ERR);
    SendMessageW(browsers, CB_SETCURSEL, static_cast<WPARAM>(firefox), 0);
    focusBar(vask.bar());
    typeAndEnter(L"secret plans", {VK_SHIFT});

    // The URL a normal search with these options opens (the empty options leave their "+").
    const LaunchArgs privately{"-private-window", "http://www.google.com/search?q=secret+plans+"};
    EXPECT_EQ(waitForLaunches(L"firefox", 1), std::vector<LaunchArgs>{privately});
    vask.sendCopyData("202");
    ASSERT_TRUE(vask.waitForExit());
    EXPECT_TRUE(launchesOf(L"default").empty());
    for (const wchar_t* file : {L"hist.sdf", L"vask.cfg", L"color.cld"}) {
        const std::string bytes = folder.exists(file) ? folder.read(file) : std::string{};
        EXPECT_EQ(bytes.find("secret"), std::string::npos) << win::toUtf8(file);
    }
}

}  // namespace
}  // namespace vask::e2e
