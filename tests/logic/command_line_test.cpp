#include "search/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/query.h"

namespace vask {
namespace {

// How a started program splits its command line (the rules of
// CommandLineToArgvW for the arguments after the program name).
std::vector<std::string> splitArguments(std::string_view line) {
    std::vector<std::string> args;
    std::size_t i = 0;
    for (;;) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i == line.size()) return args;
        std::string arg;
        bool quoted = false;
        while (i < line.size()) {
            const char c = line[i];
            if (c == '\\') {
                std::size_t n = 0;
                for (; i < line.size() && line[i] == '\\'; ++i) ++n;
                if (i < line.size() && line[i] == '"') {
                    arg.append(n / 2, '\\');
                    if (n % 2 == 1) {
                        arg += '"';
                        ++i;
                    }
                } else {
                    arg.append(n, '\\');
                }
            } else if (c == '"') {
                ++i;
                if (quoted && i < line.size() && line[i] == '"') {
                    arg += '"';  // "" inside quotes is a literal quote
                    ++i;
                } else {
                    quoted = !quoted;
                }
            } else if (!quoted && (c == ' ' || c == '\t')) {
                break;
            } else {
                arg += c;
                ++i;
            }
        }
        args.push_back(arg);
    }
}

using Args = std::vector<std::string>;

TEST(CommandLine, ReferenceSplitterFollowsTheDocumentedExamples) {
    EXPECT_EQ(splitArguments(R"("abc" d e)"), (Args{"abc", "d", "e"}));
    EXPECT_EQ(splitArguments(R"(a\\\b d"e f"g h)"), (Args{R"(a\\\b)", "de fg", "h"}));
    EXPECT_EQ(splitArguments(R"(a\\\"b c d)"), (Args{R"(a\"b)", "c", "d"}));
    EXPECT_EQ(splitArguments(R"(a\\\\"b c" d e)"), (Args{R"(a\\b c)", "d", "e"}));
}

TEST(CommandLine, EveryArgumentReadsBackAsOne) {
    const char* hostile[] = {
        R"(a" --incognito "b)", R"(x\)",     R"(x\\)",    "a b", "", R"(\")", R"(\\"\\)", "\t", "\"",
        R"(C:\Program Files\)", "東京 café", R"(a\b\\c)",
    };
    for (std::string_view arg : hostile) {
        const std::string line = "firefox.exe " + quoteArgument(arg);
        EXPECT_EQ(splitArguments(line), (Args{"firefox.exe", std::string(arg)})) << line;
    }
    EXPECT_EQ(quoteArgument(""), R"("")");
    EXPECT_EQ(quoteArgument(R"(x\)"), R"("x\\")");
    EXPECT_EQ(quoteArgument(R"(a\b)"), R"("a\b")");
    EXPECT_EQ(quoteArgument(R"(a\"b)"), R"("a\\\"b")");
}

TEST(CommandLine, ComposedUrlIsOneArgument) {
    SearchOptions options;
    SearchInputs in;
    in.advancedOpen = true;
    in.browserItem = "Firefox";
    in.text = R"(a" --incognito "b\)";
    const LaunchRequest r = composeSearch(options, in);
    const Args args = splitArguments(r.program + " " + quoteArgument(r.url));
    ASSERT_EQ(args.size(), 2u);
    EXPECT_EQ(args[1], r.url);
}

}  // namespace
}  // namespace vask
