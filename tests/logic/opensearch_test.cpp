// The engine an OpenSearch description makes, or every reason it makes none.
#include <gtest/gtest.h>

#include "search/opensearch.h"

namespace vask {
namespace {

OpenSearchUrl results(std::string urlTemplate, std::string method = "") {
    return {"text/html", std::move(method), std::move(urlTemplate), {}};
}

TEST(OpenSearch, TheResultsUrlBecomesTheTemplateWithItsParamsAndFilledParameters) {
    const OpenSearchUrl suggestions{"application/x-suggestions+json", "", "https://x/s?q={searchTerms}", {}};
    OpenSearchUrl withParams{"text/html; charset=UTF-8", "get", "https://x/find", {{"q", "{searchTerms}"}, {"n", "1"}}};
    const auto imported = engineFromOpenSearch({"  Example \n", {suggestions, withParams}});
    EXPECT_TRUE(imported.problems.empty());
    EXPECT_EQ(imported.name, "Example");
    EXPECT_EQ(imported.urlTemplate, "https://x/find?q={searchTerms}&n=1");

    const auto filled =
        engineFromOpenSearch({"W", {results("https://x/?q={searchTerms}&p={startPage?}&ie={inputEncoding}")}});
    EXPECT_TRUE(filled.problems.empty());
    EXPECT_EQ(filled.urlTemplate, "https://x/?q={searchTerms}&p=&ie=UTF-8");
}

TEST(OpenSearch, EveryReasonAFileMakesNoEngineIsNamed) {
    const auto postOnly = engineFromOpenSearch({"P", {results("https://x/?q={searchTerms}", "POST")}});
    ASSERT_EQ(postOnly.problems.size(), 1u);
    EXPECT_NE(postOnly.problems[0].find("POST"), std::string::npos);

    EXPECT_EQ(engineFromOpenSearch({"N", {}}).problems.size(), 1u) << "no results Url";
    EXPECT_EQ(engineFromOpenSearch({"F", {results("file:///c:/x?{searchTerms}")}}).problems.size(), 1u);
    EXPECT_EQ(engineFromOpenSearch({"J", {results("javascript:alert({searchTerms})")}}).problems.size(), 1u);
    EXPECT_EQ(engineFromOpenSearch({"Q", {results("https://x/?q={q}")}}).problems.size(), 1u)
        << "a description marks the text's place with {searchTerms}";

    // Two reasons at once are both named: a bad name and a parameter nobody fills.
    const auto two = engineFromOpenSearch({"a|b", {results("https://x/?q={searchTerms}&c={count}")}});
    ASSERT_EQ(two.problems.size(), 2u);
    EXPECT_NE(two.problems[1].find("{count}"), std::string::npos);
}

}  // namespace
}  // namespace vask
