#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "search/search_arguments.h"
#include "search/search_request.h"

namespace vask {
namespace {

using Action = CommandLineSearch::Action;

const std::vector<OwnEngine> Own{{"ddg", "DuckDuckGo", "https://duckduckgo.com/?q={q}"}};

CommandLineSearch parse(std::vector<std::string> words) { return parseSearchArguments(words, Own); }

TEST(CommandLineSearch, WordsBecomeOneTextAfterTheOptions) {
    EXPECT_EQ(parse({}).action, Action::Start);

    const CommandLineSearch wiki = parse({"--engine", "WikiPedia", "red", "apple"});
    EXPECT_EQ(wiki.action, Action::Search);
    EXPECT_EQ(wiki.engine, SearchEngine::Wikipedia);
    EXPECT_EQ(wiki.text, "red apple");

    // Options end at the first word of the text or at "--"; words keep their spaces and quotes.
    const CommandLineSearch plain = parse({"red", "-apple", "--engine", "  a \"b\" "});
    EXPECT_EQ(plain.engine, std::nullopt);
    EXPECT_EQ(plain.text, "red -apple --engine   a \"b\" ");
    EXPECT_EQ(parse({"--", "--help", "-h"}).text, "--help -h");
    EXPECT_EQ(parse({"--", ""}).text, "");

    for (const char* help : {"--help", "-h", "/?"}) EXPECT_EQ(parse({help, "ignored"}).action, Action::Help) << help;

    // A keyword names the engine as "!keyword" before the text would; --private asks for a private window.
    const CommandLineSearch own = parse({"--private", "--engine", "DDG", "cats"});
    EXPECT_EQ(own.text, "!DDG cats");
    EXPECT_EQ(own.engine, std::nullopt);
    EXPECT_TRUE(own.privately);
    EXPECT_EQ(parse({"--engine", "w", "x"}).text, "!w x");
    EXPECT_FALSE(parse({"x"}).privately);
}

TEST(CommandLineSearch, StartedWithWindowsTheBarStartsQuietly) {
    const CommandLineSearch started = parse({"--autostart"});
    EXPECT_EQ(started.action, Action::Start);
    EXPECT_TRUE(started.autostart);
    EXPECT_FALSE(parse({}).autostart);
    EXPECT_EQ(parse({"--autostart", "cats"}).text, "cats");
    EXPECT_EQ(parse({"--remove-autostart", "ignored"}).action, Action::RemoveAutostart);
    EXPECT_EQ(parse({"--", "--autostart"}).text, "--autostart");
}

TEST(CommandLineSearch, MistakesSayWhatIsWrongAndSearchNothing) {
    const struct {
        std::vector<std::string> words;
        const char* reason;
    } cases[] = {
        {{"--bogus", "x"}, "\"--bogus\" is not an option"},
        {{"-engine", "bing", "x"}, "\"-engine\" is not an option"},
        {{"x", "--engine"}, nullptr},  // text: no mistake
        {{"--engine"}, "needs the name"},
        {{"--engine", "yahoo", "x"}, "\"yahoo\" is not a search engine"},
        {{"--engine", "g x", "y"}, "\"g x\" is not a search engine"},
        {{"--engine", "bing"}, "no text"},
        {{"--"}, "no text"},
        {{""}, "no text"},
        {{"--private", "--", "", " "}, "no text"},
        {{"--engine", "w", "\t"}, "no text"},
        {{"--engine",
          "g\xC2\xA0"
          "x",
          "y"},
         "is not a search engine"},
        {{"--autostart", "--private"}, "no text"},
    };
    for (const auto& c : cases) {
        const CommandLineSearch result = parse(c.words);
        if (!c.reason) {
            EXPECT_EQ(result.action, Action::Search);
            continue;
        }
        EXPECT_EQ(result.action, Action::Error) << c.reason;
        EXPECT_NE(result.error.find(c.reason), std::string::npos) << result.error;
        EXPECT_TRUE(result.text.empty());
    }
}

// A proportional font: a space is narrow, capitals are wide.
int fakeWidth(std::string_view text) {
    int width = 0;
    for (const char c : text) width += c == ' ' ? 3 : c == '-' ? 4 : (c >= 'A' && c <= 'Z') ? 9 : 6;
    return width;
}

TEST(CommandLineSearch, TheUsageLinesItsOptionsUpInTheFontThatShowsIt) {
    constexpr int LineWidth = 400;
    const std::string usage = searchUsage(fakeWidth, LineWidth);
    EXPECT_EQ(usage.find('\t'), std::string::npos) << "a message box's tab stops line nothing up";
    const std::string table = usage.substr(usage.rfind("\n\n") + 2);
    const int column = fakeWidth("--remove-autostart  ");  // the widest option and two spaces
    std::vector<std::string> options;
    for (std::size_t start = 0; start < table.size();) {
        const std::size_t end = std::min(table.find('\n', start), table.size());
        const std::string line = table.substr(start, end - start);
        start = end + 1;
        SCOPED_TRACE(line);
        // An option, or a description going on under its first line.
        const std::size_t gap = line.front() == ' ' ? 0 : line.find("  ") != std::string::npos ? line.find("  ") : 0;
        if (gap) options.push_back(line.substr(0, gap));
        const std::size_t description = line.find_first_not_of(' ', gap ? gap : 0);
        EXPECT_NEAR(fakeWidth(line.substr(0, description)), column, 1.5);  // within half a space
        EXPECT_LE(fakeWidth(line), LineWidth);
    }
    EXPECT_EQ(options, (std::vector<std::string>{"--engine NAME", "--private", "--autostart", "--remove-autostart",
                                                 "--", "--help, -h, /?"}));
}

TEST(CommandLineSearch, AHandedOverSearchReadsBackOnlyWhenWhole) {
    const SearchRequest sent{SearchEngine::Bing, "東京 \"a\\\" 100%"};
    const std::string bytes = encodeSearchRequest(sent);
    const auto received = decodeSearchRequest(bytes.data(), bytes.size());
    ASSERT_TRUE(received);
    EXPECT_EQ(received->engine, SearchEngine::Bing);
    EXPECT_EQ(received->text, sent.text);
    const std::string ownChoice = encodeSearchRequest({std::nullopt, "x"});
    EXPECT_EQ(decodeSearchRequest(ownChoice.data(), ownChoice.size())->engine, std::nullopt);

    using namespace std::string_literals;
    const std::string big(MaxSearchRequestBytes - 1, 'a'), largest = "\0"s + big;
    EXPECT_TRUE(decodeSearchRequest(largest.data(), largest.size()));
    for (const std::string& bad : {"Bing"s, "yahoo\0x"s, "Bing\0a\0b"s, "Bing\0\xC3"s, "\xFF\0x"s, "\0"s + big + "a"s})
        EXPECT_FALSE(decodeSearchRequest(bad.data(), bad.size())) << bad.substr(0, 12);
    EXPECT_FALSE(decodeSearchRequest(nullptr, 4));
    EXPECT_FALSE(decodeSearchRequest(bytes.data(), 0));
}

}  // namespace
}  // namespace vask
