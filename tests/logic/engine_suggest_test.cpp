// Completions from the engine: where they are asked, what a reply gives, how
// their rows join the history's; and own engines' suggestions templates.
#include <gtest/gtest.h>

#include "common/ini_document.h"
#include "search/engine_suggest.h"
#include "search/opensearch.h"

namespace vask {
namespace {

const std::vector<OwnEngine> kOwn{{"loc", "Local", "http://h/s?q={q}", "http://h/c?q=%s"},
                                  {"plain", "Plain", "http://h/p?q={q}"}};

std::string urlFor(std::string_view typed, const ChosenEngine& chosen, std::string_view wikipediaPrefix = "") {
    const auto request = engineSuggestRequest(typed, chosen, kOwn, wikipediaPrefix);
    return request ? request->url : "(none)";
}

TEST(EngineSuggest, TheEngineTheSearchWouldGoToIsAskedAboutTheTextAfterAnyKeyword) {
    EXPECT_EQ(urlFor("a b&é", SearchEngine::Google),
              "https://suggestqueries.google.com/complete/search?client=firefox&q=a%20b%26%C3%A9");
    EXPECT_EQ(urlFor("x", SearchEngine::Bing), "https://api.bing.com/osjson.aspx?query=x");
    EXPECT_EQ(urlFor("x", SearchEngine::Wikipedia),
              "https://en.wikipedia.org/w/api.php?action=opensearch&format=json&search=x");
    EXPECT_EQ(urlFor("x", SearchEngine::Wikipedia, "de."),
              "https://de.wikipedia.org/w/api.php?action=opensearch&format=json&search=x");
    EXPECT_EQ(urlFor("!w  x", SearchEngine::Google, "sl."),
              "https://sl.wikipedia.org/w/api.php?action=opensearch&format=json&search=x");
    EXPECT_EQ(urlFor("re", std::size_t{0}), "http://h/c?q=re") << "the bar's own engine";

    const auto keyword = engineSuggestRequest("!LOC  re x", SearchEngine::Bing, kOwn, "");
    ASSERT_TRUE(keyword);
    EXPECT_EQ(keyword->url, "http://h/c?q=re%20x");
    EXPECT_EQ(keyword->keywordPrefix, "!LOC  ") << "the keyword stays as typed before a completion";

    // Nothing to complete, or an engine without a suggestions template: no question.
    for (const char* typed : {"", "!loc ", "!plain re"}) EXPECT_EQ(urlFor(typed, SearchEngine::Google), "(none)");
    EXPECT_EQ(urlFor("re", std::size_t{1}), "(none)");
    EXPECT_EQ(urlFor("!nokw re", SearchEngine::Bing), "https://api.bing.com/osjson.aspx?query=%21nokw%20re");
}

TEST(EngineSuggest, OnlyTheSuggestionsShapeInUtf8GivesCompletions) {
    EXPECT_EQ(readSuggestReply(R"(["re",["red","réd","","a\u0007b"],["desc"],["urls"]])"),
              (std::vector<std::string>{"red", "réd"}))
        << "further arrays ignored, empty and control-character completions left out";
    EXPECT_EQ(readSuggestReply(R"( ["re", []] )"), std::vector<std::string>{});
    for (const std::string_view bad : {"", "[", "null", R"({"q":["x"]})", R"(["re"])", R"([1,["x"]])", R"(["re","x"])",
                                       R"(["re",["x",1]])", "[\"re\",[\"\xFF\"]]", R"(["re",["x"]] trailing)"})
        EXPECT_TRUE(readSuggestReply(bad).empty()) << bad;
    // The size limit: a reply just under it is read, one just over is not.
    const std::string_view shortest = R"(["q",["x"]])";
    const std::string blanks(MaxSuggestReplyBytes - shortest.size(), ' ');
    const std::string reply = "[" + blanks + std::string(shortest.substr(1));
    ASSERT_EQ(reply.size(), MaxSuggestReplyBytes);
    EXPECT_EQ(readSuggestReply(reply).size(), 1u);
    EXPECT_TRUE(readSuggestReply("[ " + blanks + std::string(shortest.substr(1))).empty());
    // Deep nesting is no reason to fail.
    EXPECT_TRUE(readSuggestReply(std::string(60000, '[')).empty());
}

TEST(EngineSuggest, HistoryRowsComeFirstAndNoTextTwiceUpToTheLimit) {
    const std::vector<std::string> completions{"red", "rex", "red", "rea", "ret"};
    const SuggestionRows rows = mergeSuggestions({"!loc red", "!loc rea"}, completions, "!loc ", 4);
    EXPECT_EQ(rows.texts, (std::vector<std::string>{"!loc red", "!loc rea", "!loc rex", "!loc ret"}));
    EXPECT_EQ(rows.historyRows, 2u);
    EXPECT_EQ(rows.sourceOf(1), SuggestionSource::History);
    EXPECT_EQ(rows.sourceOf(2), SuggestionSource::Engine);
    const SuggestionRows full = mergeSuggestions({"a", "b", "c"}, completions, "", 2);
    EXPECT_EQ(full.texts, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(full.historyRows, 2u);
}

TEST(EngineSuggest, OwnEnginesKeepAnOptionalCheckedSuggestionsTemplate) {
    IniDocument doc = IniDocument::parse(
        "[Engines]\nloc=Local|http://h/s?q={q}|http://h/c?q={searchTerms}\nold=Old|http://h/a|b?q={q}\n"
        "bad=Bad|http://h/s?q={q}|http://h/c\nnone=None|http://h/n?q={q}|\n");
    const EnginesRead read = readOwnEngines(doc);
    ASSERT_EQ(read.engines.size(), 3u);
    EXPECT_EQ(read.engines[0], (OwnEngine{"loc", "Local", "http://h/s?q={q}", "http://h/c?q={searchTerms}"}));
    EXPECT_EQ(read.engines[1], (OwnEngine{"old", "Old", "http://h/a|b?q={q}"})) << "a | inside the URL stays";
    EXPECT_EQ(read.engines[2].suggestTemplate, "");
    ASSERT_EQ(read.invalid.size(), 1u);
    EXPECT_EQ(read.invalid[0].reason, suggestTemplateProblem("http://h/c"));
    EXPECT_NE(suggestTemplateProblem("file:///c?q={q}"), "");
    EXPECT_EQ(engineLine(read.engines[0]), "loc=Local|http://h/s?q={q}|http://h/c?q={searchTerms}");
    EXPECT_EQ(engineLine(read.engines[2]), "none=None|http://h/n?q={q}");

    // An OpenSearch description's suggestions Url fills the template, with the same checks.
    const OpenSearchUrl results{"text/html", "", "https://x/?q={searchTerms}", {}};
    const auto imported = engineFromOpenSearch(
        {"X", {results, {"application/x-suggestions+json", "GET", "https://x/s", {{"q", "{searchTerms}"}}}}});
    EXPECT_TRUE(imported.problems.empty());
    EXPECT_EQ(imported.suggestTemplate, "https://x/s?q={searchTerms}");
    const auto hostile =
        engineFromOpenSearch({"X", {results, {"application/x-suggestions+json", "", "file:///c/{searchTerms}", {}}}});
    EXPECT_EQ(hostile.problems.size(), 1u);
}

}  // namespace
}  // namespace vask
