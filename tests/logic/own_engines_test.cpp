#include "search/own_engines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/keyword_search.h"

namespace vask {
namespace {

const OwnEngine kDdg{"ddg", "DuckDuckGo", "https://duckduckgo.com/?q={q}"};

TEST(KeywordSearch, OnlyAKnownKeywordAndASpaceChooseAnEngine) {
    const std::vector<OwnEngine> own{kDdg, {"Gh", "GitHub", "https://github.com/search?q={q}"}};
    const auto wiki = searchByKeyword("!w red apple", own);
    ASSERT_TRUE(wiki && wiki->builtIn());
    EXPECT_EQ(*wiki->builtIn(), SearchEngine::Wikipedia);
    EXPECT_EQ(wiki->text, "red apple");
    EXPECT_EQ(*searchByKeyword("!B x", own)->builtIn(), SearchEngine::Bing);

    const auto github = searchByKeyword("!GH  two  spaces ", own);
    ASSERT_TRUE(github && github->ownIndex());
    EXPECT_EQ(*github->ownIndex(), 1u);
    EXPECT_EQ(github->text, "two  spaces ");  // after the run of white space, as typed
    EXPECT_EQ(searchByKeyword("!ddg ", own)->text, "");

    for (const char* typed : {"!", "! cats", "!\tcats", "!ddg", "!nope cats", "ddg cats", " !ddg cats", "!ddg\xC2", ""})
        EXPECT_FALSE(searchByKeyword(typed, own)) << typed;
}

TEST(KeywordSearch, AnyRunOfWhiteSpaceEndsTheKeywordAndNoneOfItStartsTheText) {
    const std::vector<OwnEngine> own{kDdg};
    // Tab, no-break space, line end, em space, ideographic space, and a mixed run.
    for (const char* gap : {"\t", "\xC2\xA0", "\r\n", "\xE2\x80\x83", "\xE3\x80\x80", " \t\xC2\xA0 "}) {
        const std::string typed = std::string("!ddg") + gap + "cats";
        const auto found = searchByKeyword(typed, own);
        ASSERT_TRUE(found && found->ownIndex()) << typed;
        EXPECT_EQ(found->text, "cats") << typed;
    }
    EXPECT_EQ(*searchByKeyword("!g\tcats", own)->builtIn(), SearchEngine::Google);
    EXPECT_FALSE(searchByKeyword("!ddg\xC3\xA9 cats", own));  // "é" is no gap
}

TEST(OwnEngines, EachFieldIsChecked) {
    EXPECT_EQ(keywordProblem("a-Z_09abcdefghij"), "");
    for (const char* bad : {"", "abcdefghijklmnopq", "d.dg", "d dg", "č", "g", "B", "w"})
        EXPECT_NE(keywordProblem(bad), "") << bad;
    EXPECT_EQ(nameProblem("Duck Duck Go"), "");
    for (const char* bad : {"", "  ", "a|b", "a\tb", "a\xC2\x85"}) EXPECT_NE(nameProblem(bad), "") << bad;
    for (const char* good : {"https://x/?q={q}", "HTTP://x/{q}/{q}", "https://ru.wikipedia.org/w?search={q}&ü=1",
                             "https://x/?q=%s", "https://x/?q={searchTerms}"})
        EXPECT_EQ(templateProblem(good), "") << good;
    for (const char* bad :
         {"ftp://x/{q}", "https://x/", "https://x/?q=%S", "https://x/?q={searchterms}", "https:/x/{q}",
          "file:///c:/{q}", "{q}https://x", "https://x/?q={q} -a", "https://x/?q=\"{q}", "https://x/\x7f{q}",
          "https://x/\n{q}", " https://x/{q}", "https://x/\xFF{q}"})
        EXPECT_NE(templateProblem(bad), "") << bad;
    const std::vector<OwnEngine> engines{kDdg};
    EXPECT_TRUE(keywordTaken("DDG", engines));
    EXPECT_FALSE(keywordTaken("DDG", engines, 0));  // editing that engine itself
    EXPECT_NE(engineProblem({"ddg", "Other", "https://o/{q}"}, engines), "");
}

TEST(OwnEngines, ExpansionEncodesEveryByteButTheUnreserved) {
    EXPECT_EQ(percentEncode("a b"), "a%20b");
    EXPECT_EQ(percentEncode("東京"), "%E6%9D%B1%E4%BA%AC");
    EXPECT_EQ(percentEncode("AZaz09-._~+&/?#%\"\\"), "AZaz09-._~%2B%26%2F%3F%23%25%22%5C");
    EXPECT_EQ(expandTemplate("https://x/{q}?again={q}", "a b"), "https://x/a%20b?again=a%20b");
    EXPECT_EQ(expandTemplate("HTTPS://x/?q={q}{q}", "{q}"), "HTTPS://x/?q=%7Bq%7D%7Bq%7D");
    // Browsers' marks, mixed with Vask's, each the text's place; a mark in the text stays text.
    EXPECT_EQ(expandTemplate("https://x/?a=%s&b={searchTerms}&c={q}", "%s {q}"),
              "https://x/?a=%25s%20%7Bq%7D&b=%25s%20%7Bq%7D&c=%25s%20%7Bq%7D");
    EXPECT_EQ(expandTemplate("https://x/%2F%s", "a"), "https://x/%2Fa");
    EXPECT_FALSE(expandTemplate("javascript:{q}", "x"));
    EXPECT_FALSE(expandTemplate("https://x/ {q}", "x"));
}

TEST(OwnEngines, InvalidLinesAndLaterDuplicatesAreReportedAndKept) {
    const std::string file =
        "[Options]\r\nCompact=1\r\n\r\n"
        "[Engines]\r\n; mine\r\n"
        "ddg = DuckDuckGo | https://duckduckgo.com/?q={q}\r\n"
        "bad=Bad|ftp://x/{q}\r\n"
        "noBar=just text\r\n"
        "DDG=Second|https://other/{q}\r\n"
        "gh=GitHub|https://github.com/search?q={q}\r\n\r\n"
        "[Pin]\r\nBrowser=2\r\n";
    IniDocument doc = IniDocument::parse(file);
    const EnginesRead read = readOwnEngines(doc);
    EXPECT_EQ(read.engines, (std::vector<OwnEngine>{kDdg, {"gh", "GitHub", "https://github.com/search?q={q}"}}));
    ASSERT_EQ(read.invalid.size(), 3u);
    EXPECT_EQ(read.invalid[0].line, "bad=Bad|ftp://x/{q}");
    EXPECT_EQ(read.invalid[2].line, "DDG=Second|https://other/{q}");
    EXPECT_EQ(read.invalid[2].reason, "Another engine has this keyword.");
}

// The Engines window's changes touch only the lines they are about: a line
// added by hand meanwhile stays, and a line that is not used never comes
// into use when the line before it goes or is renamed.
TEST(OwnEngines, ChangesEditOnlyTheirOwnLinesAndNoUnusedLineComesIntoUse) {
    const std::string head = "[Options]\r\nCompact=1\r\n\r\n[Engines]\r\n; mine\r\n";
    const std::string tail = "\r\n[Pin]\r\nEurl=caf\xE9\r\n";
    const std::string tracker = "DDG=Tracker|https://tracker.example/?q={q}\r\n";
    const std::string hand = "hand = By hand | https://hand.example/?q={q}\n";
    IniDocument doc = IniDocument::parse(head + "ddg=DuckDuckGo|https://duckduckgo.com/?q={q}\r\n" + tracker +
                                         "bad=Bad|ftp://x/{q}\r\n" + hand + tail);
    const OwnEngine gh{"gh", "GitHub", "https://github.com/search?q={q}"};
    addOwnEngine(doc, gh);
    const std::string added =
        head + engineLine(kDdg) + "\r\n" + tracker + "bad=Bad|ftp://x/{q}\r\n" + hand + engineLine(gh) + "\r\n" + tail;
    EXPECT_EQ(doc.serialize(), added);

    changeOwnEngine(doc, "ddg", {"ddg", "Duck", "https://d/?q={q}"});  // the unused DDG line stays behind it
    EXPECT_EQ(readOwnEngines(doc).engines.at(0), (OwnEngine{"ddg", "Duck", "https://d/?q={q}"}));
    EXPECT_EQ(readOwnEngines(doc).invalid.size(), 2u);
    changeOwnEngine(doc, "DDG", {"duck", "Duck", "https://d/?q={q}"});  // renamed: so is the unused line
    EXPECT_EQ(doc.serialize(), head + "duck=Duck|https://d/?q={q}\r\n" +
                                   "duck=Tracker|https://tracker.example/?q={q}\r\nbad=Bad|ftp://x/{q}\r\n" + hand +
                                   engineLine(gh) + "\r\n" + tail);
    removeOwnEngine(doc, "Duck");
    EXPECT_EQ(doc.serialize(), head + "bad=Bad|ftp://x/{q}\r\n" + hand + engineLine(gh) + "\r\n" + tail);
    const std::vector<OwnEngine> left{{"hand", "By hand", "https://hand.example/?q={q}"}, gh};
    EXPECT_EQ(readOwnEngines(doc).engines, left);

    changeOwnEngine(doc, "gone", kDdg);  // no longer in the file: added again
    EXPECT_EQ(readOwnEngines(doc).engines.back(), kDdg);
}

TEST(OwnEngines, AddingToAFileWithoutTheSection) {
    IniDocument doc = IniDocument::parse("[Options]\r\nCompact=1\r\n");
    removeOwnEngine(doc, "ddg");
    EXPECT_FALSE(doc.hasSection("Engines"));
    addOwnEngine(doc, kDdg);
    EXPECT_EQ(doc.serialize(), "[Options]\r\nCompact=1\r\n\r\n[Engines]\r\n" + engineLine(kDdg) + "\r\n\r\n");
}

}  // namespace
}  // namespace vask
