// The real vask.exe with text typed to break the command line: quotes,
// backslashes (also at the end), '%', '&', '#', several scripts and 26,000
// characters. Every search reaches the browser as exactly one argument equal
// to the URL the search composes — in the simple form for the default
// browser and in the advanced form for Firefox.
#include <gtest/gtest.h>

#include "advanced/advanced_window.h"
#include "bar/bar_window.h"
#include "e2e_support.h"
#include "search/query.h"
#include "temp_folder.h"
#include "win/text.h"

namespace vask::e2e {
namespace {

// `length` characters of words, '&', '#', '%', non-Latin letters and a trailing backslash.
std::string longText(size_t length) {
    const std::wstring piece = L"lorem & ipsum #tag 50% ž東Ж ";
    std::wstring text;
    while (text.size() < length - 1) text += piece;
    text.resize(length - 1);
    return win::toUtf8(text + L"\\");
}

const std::vector<std::string>& hostileTexts() {
    static const std::vector<std::string> texts{
        "a\"b\\",
        "say \"hello\" --incognito \"x",
        "C:\\Program Files\\ and \\\\server\\share\\",
        "\\\"escaped\\\" quote\\\\",
        "100% %PATH% %1 %% %20 %%22",
        "fish & chips && a=b&c | d ^ e < f > g",
        "#hash c# #!/bin/sh ?x=1",
        "東京 Москва العربية हिन्दी Ελληνικά café 😀",
        longText(600),
    };
    return texts;
}

// Wine's ShellExecuteW copies the file name it is given into a fixed buffer
// while it looks for it on the path: a URL of about a thousand characters or
// more overruns it and ends the calling program. The longest search for the
// default browser therefore runs on Windows only.
bool underWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

LRESULT selectedIndex(HWND window, int id) { return SendMessageW(GetDlgItem(window, id), CB_GETCURSEL, 0, 0); }

// Each text searched in turn; each launch of `browser` must be the one URL of `expected`.
void expectOneArgumentPerSearch(const VaskProcess& vask, const std::wstring& browser,
                                const std::vector<std::string>& texts,
                                const std::function<std::string(const std::string&)>& expected) {
    const size_t before = launchesOf(browser).size();
    for (size_t i = 0; i < texts.size(); ++i) {
        vask.search(texts[i]);
        const auto launches = waitForLaunches(browser, before + i + 1);
        ASSERT_EQ(launches.size(), before + i + 1) << "no launch for text " << i;
        EXPECT_EQ(launches.back(), LaunchArgs{expected(texts[i])})
            << "text " << i << " (" << texts[i].size() << " bytes)";
    }
}

std::string simpleUrl(const std::string& text) {
    SearchOptions options;
    SearchInputs inputs;
    inputs.text = text;
    return composeSearch(options, inputs).url;
}

// A bar that has finished starting.
HWND shownBar(const VaskProcess& vask) {
    const HWND bar = vask.bar();
    return bar && waitUntil([bar] { return IsWindowVisible(bar) != FALSE; }) ? bar : nullptr;
}

TEST(HostileInputEndToEnd, SimpleSearchesReachTheDefaultBrowserAsOneExactArgument) {
    forgetLaunches();
    test::TempFolder folder;
    VaskProcess vask(folder.path());
    ASSERT_NE(shownBar(vask), nullptr);
    expectOneArgumentPerSearch(vask, L"default", hostileTexts(), simpleUrl);
    // Nothing that could end the quoted argument survives, written out once by hand.
    EXPECT_EQ(launchesOf(L"default").at(0), LaunchArgs{"http://www.google.com/search?&hl=sl&q=&q=a%22b%5C"});
    vask.sendCopyData("202");
    EXPECT_TRUE(vask.waitForExit());
}

TEST(HostileInputEndToEnd, TwentySixThousandCharactersReachTheDefaultBrowserWhole) {
    if (underWine()) GTEST_SKIP() << "skipped: Wine's ShellExecuteW cannot take a URL this long (see underWine)";
    forgetLaunches();
    test::TempFolder folder;
    VaskProcess vask(folder.path());
    ASSERT_NE(shownBar(vask), nullptr);
    expectOneArgumentPerSearch(vask, L"default", {longText(26000)}, simpleUrl);
    vask.sendCopyData("202");
    EXPECT_TRUE(vask.waitForExit());
}

TEST(HostileInputEndToEnd, AdvancedSearchesReachFirefoxAsOneExactArgument) {
    forgetLaunches();
    test::TempFolder folder;
    VaskProcess vask(folder.path());
    const HWND advanced = openAdvanced(shownBar(vask));
    ASSERT_NE(advanced, nullptr);
    const HWND browsers = GetDlgItem(advanced, Tfext::IdLb);
    const LRESULT firefox =
        SendMessageW(browsers, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"Firefox"));
    ASSERT_NE(firefox, CB_ERR);
    SendMessageW(browsers, CB_SETCURSEL, static_cast<WPARAM>(firefox), 0);  // read at search time
    // A fresh folder pins nothing: every option list stands at its first item.
    for (const int list : {Tfext::IdCb1, Tfext::IdCb2, Tfext::IdCb3, Tfext::IdCb5, Tfext::IdCb6})
        ASSERT_EQ(selectedIndex(advanced, list), 0) << list;

    std::vector<std::string> texts = hostileTexts();
    texts.push_back(longText(26000));  // a named browser takes it as its one argument
    expectOneArgumentPerSearch(vask, L"firefox", texts, [](const std::string& text) {
        SearchOptions options;
        SearchInputs inputs;
        inputs.text = text;
        inputs.advancedOpen = true;
        inputs.browserItem = "Firefox";
        const LaunchRequest request = composeSearch(options, inputs);
        EXPECT_EQ(request.program, "firefox.exe");
        return request.url;
    });
    // A backslash that no longer ends the URL stays as it is.
    EXPECT_EQ(launchesOf(L"firefox").at(0), LaunchArgs{"http://www.google.com/search?q=a%22b\\+"});
    EXPECT_TRUE(launchesOf(L"default").empty());
    vask.sendCopyData("202");
    EXPECT_TRUE(vask.waitForExit());
}

TEST(HostileInputEndToEnd, AnotherProgramsMessageCarriesNoPointerTheBarFollows) {
    test::TempFolder folder;
    VaskProcess vask(folder.path());
    const HWND bar = shownBar(vask);
    ASSERT_NE(bar, nullptr);
    DWORD_PTR answer = 0;
    for (const LPARAM junk : {LPARAM{1}, LPARAM{0x0BADF00D}})
        SendMessageTimeoutW(bar, RegisterWindowMessageW(L"Vask.ControlError"), 0, junk, SMTO_ABORTIFHUNG, 5000,
                            &answer);
    EXPECT_TRUE(SendMessageTimeoutW(bar, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer)) << "the bar ended or hangs";
    EXPECT_TRUE(windowsOf(vask.processId(), L"#32770").empty()) << "the bar showed a message";
    vask.sendCopyData("202");
    EXPECT_TRUE(vask.waitForExit());
}

}  // namespace
}  // namespace vask::e2e
