// Completions from the engine, with the keys a user presses, from a server of
// the test's own on 127.0.0.1 that an own engine's suggestions template
// points at: what is asked, what the list shows, what Enter searches, and
// that late, broken or refused replies change nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "bar/bar_window.h"
#include "bar_menu_keys.h"
#include "http_test_server.h"
#include "test_app.h"
#include "vask_version.h"

namespace vask::test {
namespace {

// The server's reply to each suggestions path; a path not listed gets `[q, []]`.
HttpTestServer serverWith(std::map<std::string, HttpReply> replies) {
    return HttpTestServer([replies = std::move(replies)](const std::string& path) {
        const auto found = replies.find(path);
        return found != replies.end() ? found->second : HttpReply{200, R"(["",[]])"};
    });
}

// "loc" searches and asks the test's server; the searches given are in the history, the last newest.
std::string settingsFor(const HttpTestServer& server, bool engineSuggest = true) {
    return std::string("[Options]\nEngineSuggest=") + (engineSuggest ? "1" : "0") + "\n[Engines]\nloc=Local|" +
           server.address() + "/s?q={q}|" + server.address() + "/c?q={q}\n";
}

Tmainform& barWithSearches(TestApp& test, std::initializer_list<const char*> searches) {
    Tmainform& bar = activeBar(test);
    for (const char* text : searches) bar.dodajtabelo(text);
    runLoopUntil([&] { return bar.eurl.focused(); });
    return bar;
}

std::vector<std::string> shownRows(const Tmainform& bar) {
    const SuggestionList* list = bar.suggestionList();
    return list && list->shown() ? list->texts() : std::vector<std::string>{};
}

bool asked(const HttpTestServer& server, const std::string& path) {
    for (const HttpRequest& request : server.requests())
        if (request.path == path) return true;
    return false;
}

// Runs the message loop for a while: what a reply would do has happened.
void settle(DWORD ms) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        pumpMessages();
        Sleep(10);
    }
}

TEST(EngineSuggestions, AKeywordAsksItsEngineAndDownToACompletionSearchesItWithTheKeyword) {
    const HttpTestServer server = serverWith({{"/c?q=re", {200, R"(["re",["remote","red car"],["d","d"]])"}}});
    TestApp test(settingsFor(server));
    Tmainform& bar = barWithSearches(test, {"!loc red car", "!loc rem", "other"});
    typeText(L"!loc re");
    runLoopUntil([&] { return shownRows(bar).size() == 3; });
    EXPECT_EQ(shownRows(bar), (std::vector<std::string>{"!loc rem", "!loc red car", "!loc remote"}))
        << "the history's first, then the engine's, none twice";
    ASSERT_TRUE(asked(server, "/c?q=re"));
    const HttpRequest request = server.requests().back();
    EXPECT_EQ(request.path, "/c?q=re") << "the last question is for the whole text";
    EXPECT_NE(request.head.find("User-Agent: Vask/" VASK_VERSION_TEXT "\r\n"), std::string::npos) << request.head;
    EXPECT_EQ(request.head.find("Cookie"), std::string::npos);

    // Shift+Delete on the engine's row forgets nothing.
    press(VK_DOWN);
    press(VK_DOWN);
    press(VK_DOWN);
    sendKeys({{VK_SHIFT, true}, {VK_DELETE, true}, {VK_DELETE, false}, {VK_SHIFT, false}});
    runLoopUntil([&] { return bar.searchText() == "!loc remote"; });
    EXPECT_EQ(test.app->history.rows().size(), 3u);
    EXPECT_EQ(bar.searchText(), "!loc remote") << "the field shows the completion with its keyword";
    press(VK_RETURN);
    runLoopUntil([&] { return !test.launcher.launches.empty(); });
    ASSERT_EQ(test.launcher.launches.size(), 1u);
    EXPECT_EQ(test.launcher.launches[0].url, server.address() + "/s?q=remote");

    // Switched off with the menu's access key, typing asks nothing.
    {
        MenuWatch watch(bar.hwnd(), {'F'});  // "Suggestions &from the engine"
        sendKeys({{VK_SHIFT, true}, {VK_F10, true}, {VK_F10, false}, {VK_SHIFT, false}});
        runLoopUntil([&] { return !bar.state().engineSuggest; });
    }
    ASSERT_FALSE(bar.state().engineSuggest);
    const size_t askedBefore = server.requests().size();
    bar.setSearchText("");
    typeText(L"!loc zz");
    settle(400);
    EXPECT_EQ(bar.searchText(), "!loc zz");
    EXPECT_EQ(server.requests().size(), askedBefore);
}

TEST(EngineSuggestions, ALateReplyNeitherHoldsUpTypingNorReplacesTheNewerTextsListNorMovesTheSelection) {
    const HttpTestServer server = serverWith({
        {"/c?q=sl", {200, R"(["sl",["slid"]])", "", 1500}},
        {"/c?q=slow", {200, R"(["slow",["slower"]])", "", 1000}},
        {"/c?q=mo", {200, R"(["mo",["mop","mom"]])", "", 700}},
    });
    TestApp test(settingsFor(server));
    Tmainform& bar = barWithSearches(test, {"!loc mom"});
    typeText(L"!loc sl");
    runLoopUntil([&] { return asked(server, "/c?q=sl"); });
    ASSERT_TRUE(asked(server, "/c?q=sl"));
    // While the server holds its reply, every key arrives at once.
    typeText(L"ow");
    pumpInput();
    EXPECT_EQ(bar.searchText(), "!loc slow");
    // One question at a time: "slow" is asked once the reply to "sl" is in.
    runLoopUntil([&] { return asked(server, "/c?q=slow"); });
    settle(300);
    EXPECT_EQ(shownRows(bar), std::vector<std::string>{}) << "the reply to \"sl\" shows nothing";
    runLoopUntil([&] { return !shownRows(bar).empty(); });
    EXPECT_EQ(shownRows(bar), std::vector<std::string>{"!loc slower"});

    // Moving in the list when the reply comes: the highlight stays where the user put it.
    bar.setSearchText("");
    typeText(L"!loc mo");
    runLoopUntil([&] { return shownRows(bar).size() == 1; });
    press(VK_DOWN);
    runLoopUntil([&] { return bar.searchText() == "!loc mom"; });
    runLoopUntil([&] { return shownRows(bar).size() == 2; });
    EXPECT_EQ(shownRows(bar), (std::vector<std::string>{"!loc mom", "!loc mop"}));
    EXPECT_EQ(bar.suggestionList()->highlighted(), "!loc mom");
    EXPECT_EQ(bar.searchText(), "!loc mom");
}

TEST(EngineSuggestions, MalformedHugeFailedOrRedirectedRepliesShowNothing) {
    const HttpTestServer server = serverWith({
        {"/c?q=bad", {200, R"(["bad",["x")"}},
        {"/c?q=big", {200, R"(["big",[")" + std::string(1 << 20, 'g') + R"("]])"}},
        {"/c?q=err", {500, R"(["err",["x"]])"}},
        {"/c?q=redir", {302, "", "Location: file:///C:/windows/win.ini\r\n"}},
    });
    TestApp test(settingsFor(server));
    Tmainform& bar = barWithSearches(test, {});
    for (const std::string text : {"bad", "big", "err", "redir"}) {
        bar.setSearchText("");
        typeText(L"!loc " + std::wstring(text.begin(), text.end()));
        runLoopUntil([&] { return asked(server, "/c?q=" + text); });
        ASSERT_TRUE(asked(server, "/c?q=" + text)) << text;
        settle(300);
        EXPECT_EQ(shownRows(bar), std::vector<std::string>{}) << text;
        EXPECT_TRUE(test.prompter.prompts.empty()) << text;
    }
}

}  // namespace
}  // namespace vask::test
