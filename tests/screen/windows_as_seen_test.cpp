// The program's other windows as a user sees them, each opened the way a
// user opens it: every control on top where it stands, and the look of each.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "advanced/advanced_window.h"
#include "bar/bar_window.h"
#include "bar/suggestion_list.h"
#include "about/about_window.h"
#include "engines/engines_window.h"
#include "history/history_file.h"
#include "history/history_window.h"
#include "http_test_server.h"
#include "real_input.h"
#include "screen_check.h"
#include "test_app.h"
#include "win/handles.h"
#include "win/text.h"

namespace vask::test {
namespace {

// The bar low on the test display, the history window above it (its size
// kept at 96 DPI); neither covers the other.
constexpr char Places[] =
    "[Velikost]\nLevo=100\nGor=700\n[Options]\nCompact=0\n"
    "[VelikostH]\nLevo=220\nGor=10\nSirina=700\nVisina=420\nStatus=0\nDpi=96\n"
    "[Engines]\nddg=DuckDuckGo|https://duckduckgo.com/?q={q}\n";

// A history of three searches, the same at every run.
std::string fixedHistory() {
    std::vector<HistoryRecord> rows;
    SearchSnapshot search{
        .date = "9.12.2026", .time = "10:15:00", .searchText = "red apple", .options = {}, .engine = {}};
    rows.push_back(makeHistoryRecord(search));
    search.time = "10:14:00";
    search.searchText = "red car";
    search.options = OptionTexts{.exact = "fast",
                                 .exclude = "- - -",
                                 .domain = "- - -",
                                 .fileType = "- - -",
                                 .browser = "Default",
                                 .interfaceLanguage = "- - -",
                                 .country = "- - -",
                                 .resultLanguage = "English",
                                 .timePeriod = "Any time"};
    search.engine = SearchEngine::Bing;
    rows.push_back(makeHistoryRecord(search));
    search.time = "10:13:00";
    search.searchText = "blue sky";
    search.options.reset();
    search.engine.reset();
    rows.push_back(makeHistoryRecord(search));
    return saveHistory(rows);
}

// The list's column captions that do not fit their column with the heading's
// margins (three edges on each side of the text), each with both widths.
std::vector<std::string> cutColumnCaptions(HWND list) {
    const HWND header = ListView_GetHeader(list);
    const win::WindowDc dc(header);
    const win::SelectedObject font(dc.get(), reinterpret_cast<HFONT>(SendMessageW(header, WM_GETFONT, 0, 0)));
    const int margins = 6 * GetSystemMetrics(SM_CXEDGE);
    std::vector<std::string> cut;
    for (int i = 0; i < Header_GetItemCount(header); ++i) {
        wchar_t caption[64] = {};
        HDITEMW item{};
        item.mask = HDI_TEXT;
        item.pszText = caption;
        item.cchTextMax = 64;
        Header_GetItem(header, i, &item);
        SIZE text{};
        GetTextExtentPoint32W(dc.get(), caption, static_cast<int>(wcslen(caption)), &text);
        RECT shown{};
        Header_GetItemRect(header, i, &shown);
        if (shown.right - shown.left < text.cx + margins)
            cut.push_back(win::toUtf8(caption) + ": " + std::to_string(shown.right - shown.left) + " < " +
                          std::to_string(text.cx) + " + " + std::to_string(margins));
    }
    return cut;
}

struct ShownApp {
    ShownApp() : test(Places) {}
    TestApp test;
    Tmainform& bar = activeBar(test);
};

void chooseFromMenu(Tmainform& bar, UINT item) {
    MenuClick menu(bar.hwnd(), item);
    click(bar.ingpop);
    runLoopUntil([&] { return menu.clicked(); });
    pumpInput();
}

TEST(WindowsAsSeen, TheAdvancedWindowShowsEveryLabelAndList) {
    ShownApp shown;
    click(shown.bar.GradButton3);
    Tfext* advanced = shown.test.app->advancedIfMade();
    ASSERT_TRUE(advanced && advanced->isVisible());
    settleScreen();
    EXPECT_EQ(controlsUnderOthers(advanced->hwnd()), std::vector<std::string>{});
    expectLooksAsItsReference(advanced->hwnd(), "advanced");
}

TEST(WindowsAsSeen, TheHistoryWindowOpensPaintedForItsDpi) {
    TestApp test(Places, fixedHistory());
    Tmainform& bar = activeBar(test);
    chooseFromMenu(bar, Tmainform::History1);
    Tfhist* history = test.app->historyWindowIfMade();
    ASSERT_TRUE(history && history->isVisible());
    settleScreen();  // the first paint, nothing forced
    EXPECT_EQ(controlsUnderOthers(history->hwnd()), std::vector<std::string>{});
    EXPECT_EQ(cutColumnCaptions(history->tabela.hwnd()), std::vector<std::string>{});
    expectLooksAsItsReference(history->hwnd(), "history");
}

// The engine's completions under the history's own searches, set apart.
TEST(WindowsAsSeen, TheEnginesCompletionsStandUnderTheHistorysSuggestions) {
    const HttpTestServer server([](const std::string&) { return HttpReply{200, R"(["re",["red","recipes"]])"}; });
    std::string settings =
        std::string(Places) + "loc=Local|" + server.address() + "/s?q={q}|" + server.address() + "/c?q={q}\n";
    settings.insert(settings.find("Compact=0\n"), "EngineSuggest=1\n");
    TestApp test(settings, fixedHistory());
    Tmainform& bar = activeBar(test);
    bar.selectOwnEngine(1);
    typeText(L"re");
    runLoopUntil([&] { return bar.suggestionList() && bar.suggestionList()->texts().size() == 4; });
    settleScreen();
    const SuggestionList* suggestions = bar.suggestionList();
    ASSERT_TRUE(suggestions && suggestions->isVisible());
    ASSERT_EQ(suggestions->texts(), (std::vector<std::string>{"red apple", "red car", "red", "recipes"}));
    expectLooksAsItsReference(suggestions->hwnd(), "suggestions-engine");
}

TEST(WindowsAsSeen, TheEnginesWindowTheSuggestionsAndTheDialogs) {
    TestApp test(Places, fixedHistory());
    Tmainform& bar = activeBar(test);

    typeText(L"re");
    settleScreen();
    const SuggestionList* suggestions = bar.suggestionList();
    ASSERT_TRUE(suggestions && suggestions->isVisible());
    expectLooksAsItsReference(suggestions->hwnd(), "suggestions");
    press(VK_ESCAPE);
    pumpInput();

    chooseFromMenu(bar, Tmainform::Engines1);
    TfEngines& engines = test.app->enginesWindow();
    ASSERT_TRUE(engines.isVisible());
    settleScreen();
    EXPECT_EQ(controlsUnderOthers(engines.hwnd()), std::vector<std::string>{});
    expectLooksAsItsReference(engines.hwnd(), "engines");
    SendMessageW(engines.hwnd(), WM_CLOSE, 0, 0);
    pumpInput();

    // The modal ones are looked at while their own loop runs, then closed with the mouse.
    const auto lookAt = [](const wchar_t* className, const char* name, int closeId) {
        whenModalShows([=] {
            const HWND dialog = FindWindowW(className, nullptr);
            ASSERT_TRUE(dialog && IsWindowVisible(dialog)) << name;
            settleScreen();
            EXPECT_EQ(controlsUnderOthers(dialog), std::vector<std::string>{}) << name;
            expectLooksAsItsReference(dialog, name);
            clickAt(centreOf(GetDlgItem(dialog, closeId)));
        });
    };
    lookAt(L"TfHotkey", "hotkey", IDCANCEL);
    chooseFromMenu(bar, Tmainform::Hotkey1);
    EXPECT_FALSE(FindWindowW(L"TfHotkey", nullptr) && IsWindowVisible(FindWindowW(L"TfHotkey", nullptr)));
    lookAt(L"TfAbout", "about", TfAbout::IdGradButton1);
    chooseFromMenu(bar, Tmainform::About1);
}

}  // namespace
}  // namespace vask::test
