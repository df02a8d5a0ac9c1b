// Searches given on the real vask.exe's command line: run by a new bar, or
// handed to the bar already running from the same folder; as one exact
// argument however hostile the text; and the usage instead of a bar for
// help and for mistakes.
#include <gtest/gtest.h>

#include <algorithm>

#include "advanced/advanced_window.h"
#include "bar/bar_window.h"
#include "e2e_support.h"
#include "history/history_file.h"
#include "search/command_line.h"
#include "search/query.h"
#include "temp_folder.h"
#include "win/handles.h"
#include "win/text.h"

namespace vask::e2e {
namespace {

constexpr char RedApple[] = "http://wikipedia.org/w/index.php?search=red+apple";

std::wstring quoted(const std::string& text) { return win::toWide(quoteArgument(text)); }

std::string simpleUrl(const std::string& text) {
    SearchOptions options;
    SearchInputs inputs;
    inputs.text = text;
    return composeSearch(options, inputs).url;
}

std::vector<std::string> historySearches(const test::TempFolder& folder) {
    std::vector<std::string> searches;
    for (const HistoryRecord& row : loadHistory(folder.read(L"hist.sdf"), latin1ToUtf8).rows)
        searches.emplace_back(subItemOrEmpty(row, HistoryItem::Search));
    return searches;
}

// A second copy that hands its search over and ends at once, as it should.
void handOver(const test::TempFolder& folder, const std::wstring& arguments) {
    VaskProcess second(folder.path(), VaskProcess::WaitUntilIdle, arguments);
    ASSERT_TRUE(second.waitForExit());
    EXPECT_EQ(second.exitCode(), 0u);
    EXPECT_TRUE(windowsOf(second.processId(), L"Tmainform").empty());
}

TEST(CommandLineEndToEnd, ASearchRunsOnceWhetherACopyRunsOrNotAndIsRecorded) {
    forgetLaunches();
    test::TempFolder folder;
    VaskProcess first(folder.path(), VaskProcess::WaitUntilIdle, L"--engine wikipedia red apple");
    ASSERT_NE(first.bar(), nullptr);
    EXPECT_EQ(waitForLaunches(L"default", 1), std::vector<LaunchArgs>{{RedApple}});

    handOver(folder, L"--engine WIKIPEDIA red apple");
    EXPECT_EQ(waitForLaunches(L"default", 2), (std::vector<LaunchArgs>{{RedApple}, {RedApple}}));
    Sleep(1000);  // a launch too many would come by now
    EXPECT_EQ(launchesOf(L"default").size(), 2u);
    EXPECT_FALSE(first.waitForExit(0));

    // The field is left as after a typed search: what is typed next follows the text.
    focusBar(first.bar());
    typeText(L" pie");
    const HWND field = GetDlgItem(first.bar(), Tmainform::IdEurl);
    EXPECT_TRUE(waitUntil([&] { return textOf(field) == "red apple pie"; })) << textOf(field);

    first.sendCopyData("202");
    ASSERT_TRUE(first.waitForExit());
    EXPECT_EQ(historySearches(folder), (std::vector<std::string>{"red apple", "red apple"}));
    forgetLaunches();
}

TEST(CommandLineEndToEnd, HostileTextsArriveAsExactlyOneArgument) {
    forgetLaunches();
    const std::vector<std::string> texts{
        "a\"b\\",
        "say \"hello\" --incognito \"x",
        "C:\\Program Files\\ and \\\\server\\share\\",
        "100% %PATH% %1 %% %20 %%22",
        "東京 Москва العربية हिन्दी café 😀",
    };
    test::TempFolder folder;
    {
        // No copy runs: the new bar searches the first text itself.
        VaskProcess first(folder.path(), VaskProcess::WaitUntilIdle, L"-- " + quoted(texts[0]));
        ASSERT_EQ(waitForLaunches(L"default", 1), std::vector<LaunchArgs>{{simpleUrl(texts[0])}});
        first.sendCopyData("202");
        ASSERT_TRUE(first.waitForExit());
    }
    VaskProcess running(folder.path());
    const HWND bar = running.bar();
    ASSERT_NE(bar, nullptr);
    for (size_t i = 1; i < texts.size(); ++i) {
        handOver(folder, L"-- " + quoted(texts[i]));
        const auto launches = waitForLaunches(L"default", i + 1);
        ASSERT_EQ(launches.size(), i + 1) << "no launch for text " << i;
        EXPECT_EQ(launches.back(), LaunchArgs{simpleUrl(texts[i])}) << texts[i];
    }

    // 26,000 characters go to a named browser: Wine's ShellExecuteW ends a
    // program that hands the default browser a URL that long.
    const HWND advanced = openAdvanced(bar);
    ASSERT_NE(advanced, nullptr);
    const HWND browsers = GetDlgItem(advanced, Tfext::IdLb);
    SendMessageW(
        browsers, CB_SETCURSEL,
        SendMessageW(browsers, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"Firefox")), 0);
    // Few quotes: each takes one more character on the command line, which holds 32,767;
    // "&", "#" and "%" take two more each in the URL, which then comes close to that.
    std::wstring longText = L"\"quoted\" ";
    while (longText.size() < 25999) longText += L"lorem & ipsum #tag 50% ž東Ж ";
    longText.resize(25999);
    longText += L"\\";
    handOver(folder, L"--engine bing -- " + quoted(win::toUtf8(longText)));
    SearchOptions options;
    SearchInputs inputs;
    inputs.text = win::toUtf8(longText);
    inputs.engine = SearchEngine::Bing;
    inputs.advancedOpen = true;
    inputs.browserItem = "Firefox";
    const std::string expected = composeSearch(options, inputs).url;
    const auto launches = waitForLaunches(L"firefox", 1);
    ASSERT_EQ(launches.size(), 1u);
    ASSERT_EQ(launches[0].size(), 1u);
    const std::string& got = launches[0][0];
    // Said by where they part: the URLs are too long to print whole.
    const auto parted = std::mismatch(got.begin(), got.end(), expected.begin(), expected.end());
    EXPECT_TRUE(got == expected) << got.size() << " bytes, " << expected.size() << " expected; they part at byte "
                                 << (parted.first - got.begin()) << ": \"" << got.substr(parted.first - got.begin(), 40)
                                 << "\" for \"" << expected.substr(parted.second - expected.begin(), 40) << "\"";
    running.sendCopyData("202");
    EXPECT_TRUE(running.waitForExit());
    forgetLaunches();
}

// The message boxes the process shows until it ends, each answered with OK.
std::vector<std::string> messagesUntilExit(const VaskProcess& vask) {
    std::vector<std::string> texts;
    for (int i = 0; i < 300 && !vask.waitForExit(50); ++i)
        for (const HWND box : windowsOf(vask.processId(), L"#32770")) {
            wchar_t text[2048] = {};
            GetDlgItemTextW(box, 0xFFFF, text, 2048);
            texts.push_back(win::toUtf8(text));
            SendMessageW(box, WM_COMMAND, IDOK, 0);
        }
    return texts;
}

// A copy that only brings the bar forward or hands it a search says nothing
// of the start-up's problems and ends at once, with its answer before the bar
// runs the search (and says here that the browser has no private window).
TEST(CommandLineEndToEnd, ACopyThatHandsOverSaysNothingAndIsAnsweredAtOnce) {
    forgetLaunches();
    test::TempFolder folder;
    folder.write(L"vask.cfg", "[Engines]\r\nnot an engine\r\n");
    VaskProcess running(folder.path());
    HWND bar = nullptr;
    ASSERT_EQ(messagesAtStart(running, bar).size(), 1u);  // the unused line, said once
    for (const wchar_t* arguments : {L"", L"--private kiwi"}) {
        SCOPED_TRACE(win::toUtf8(arguments));
        VaskProcess copy(folder.path(), VaskProcess::Suspended, arguments);
        copy.resume();
        EXPECT_TRUE(copy.waitForExit(5000)) << "the copy shows a message or waits for the bar's";
        EXPECT_EQ(copy.exitCode(), 0u);
    }
    std::vector<HWND> boxes;
    ASSERT_TRUE(waitUntil([&] { return !(boxes = windowsOf(running.processId(), L"#32770")).empty(); }));
    wchar_t text[512] = {};
    GetDlgItemTextW(boxes[0], 0xFFFF, text, 512);
    EXPECT_EQ(std::wstring(text).find(L"The private search was not opened"), 0u) << win::toUtf8(text);
    SendMessageW(boxes[0], WM_COMMAND, IDOK, 0);
    running.sendCopyData("202");
    EXPECT_TRUE(running.waitForExit());
}

TEST(CommandLineEndToEnd, HelpAndMistakesShowTheUsageAndLaunchNothing) {
    forgetLaunches();
    test::TempFolder folder;
    const struct {
        const wchar_t* arguments;
        DWORD exitCode;
        const char* reason;
    } cases[] = {
        {L"--bogus red", 2, "\"--bogus\" is not an option"},
        {L"--engine", 2, "--engine needs the name"},
        {L"--engine yahoo red", 2, "\"yahoo\" is not a search engine"},
        {L"\"\"", 2, "There is no text to search."},
        {L"--", 2, "There is no text to search."},
        {L"/?", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(win::toUtf8(c.arguments));
        VaskProcess vask(folder.path(), VaskProcess::Suspended, c.arguments);
        vask.resume();
        const std::vector<std::string> messages = messagesUntilExit(vask);
        ASSERT_TRUE(vask.waitForExit(0));
        EXPECT_EQ(vask.exitCode(), c.exitCode);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].find(c.reason), 0u) << messages[0];
        EXPECT_NE(messages[0].find("Usage: vask.exe [--engine NAME] [--private] [--] TEXT..."), std::string::npos);
    }
    EXPECT_TRUE(launchesOf(L"default").empty());
    EXPECT_FALSE(folder.exists(L"vask.cfg"));  // no bar ever ran
}

// The usage's option table as the message box shows it: each description
// starts at the same place in the box's own font, without tabs.
TEST(CommandLineEndToEnd, TheHelpLinesItsOptionsUpInTheMessageBoxsFont) {
    test::TempFolder folder;
    VaskProcess vask(folder.path(), VaskProcess::Suspended, L"--help");
    vask.resume();
    std::vector<HWND> boxes;
    ASSERT_TRUE(waitUntil([&] { return !(boxes = windowsOf(vask.processId(), L"#32770")).empty(); }));
    const HWND textControl = GetDlgItem(boxes[0], 0xFFFF);
    wchar_t buffer[2048] = {};
    GetWindowTextW(textControl, buffer, 2048);
    const std::wstring text = buffer;
    EXPECT_EQ(text.find(L'\t'), std::wstring::npos) << "tabs line up at the box's own stops, not the table's";

    // The font Windows gives a message box's text (the box's handle to it is of no use in another process).
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    const win::Font messageFont(CreateFontIndirectW(&metrics.lfMessageFont));
    const win::WindowDc dc(nullptr);
    const win::SelectedObject font(dc.get(), messageFont.get());
    const auto widthOf = [&](std::wstring_view part) {
        SIZE size{};
        GetTextExtentPoint32W(dc.get(), part.data(), static_cast<int>(part.size()), &size);
        return static_cast<int>(size.cx);
    };
    // Each line of the table: an option, or a description going on under its first line.
    std::vector<int> starts;
    const std::wstring table = text.substr(text.rfind(L"\n\n") + 2);
    for (std::size_t start = 0; start < table.size();) {
        const std::size_t end = std::min(table.find(L'\n', start), table.size());
        const std::wstring line = table.substr(start, end - start);
        start = end + 1;
        const std::size_t gap = line.front() == L' ' ? 0 : line.find(L"  ");
        ASSERT_NE(gap, std::wstring::npos) << win::toUtf8(line);
        starts.push_back(widthOf(std::wstring_view(line).substr(0, line.find_first_not_of(L' ', gap))));
    }
    EXPECT_GE(starts.size(), 6u);
    const auto [first, last] = std::minmax_element(starts.begin(), starts.end());
    std::string all;
    for (int x : starts) all += std::to_string(x) + " ";
    EXPECT_LE(*last - *first, widthOf(L" ")) << "the descriptions start " << all << "pixels in";

    SetForegroundWindow(boxes[0]);
    ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == boxes[0]; }));
    pressKey(VK_RETURN);
    ASSERT_TRUE(vask.waitForExit());
    EXPECT_EQ(vask.exitCode(), 0u);
}

}  // namespace
}  // namespace vask::e2e
