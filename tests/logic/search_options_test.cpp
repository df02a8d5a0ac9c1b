#include "search/search_options.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "search/search_tables.h"

namespace vask {
namespace {

// The list index of `item`, as the advanced window's list would report it.
template <std::size_t N>
int indexOf(const std::array<CodeRow, N>& table, std::string_view item) {
    auto row = std::find_if(table.begin(), table.end(), [&](const CodeRow& r) { return r.item == item; });
    EXPECT_NE(row, table.end()) << item;
    return static_cast<int>(row - table.begin());
}

SearchOptions allSet() {
    SearchOptions o;
    o.recompute(1, 1, 1, 1);
    return o;
}

TEST(SearchOptions, ResultLanguageFeedsGoogleBingAndWikipedia) {
    SearchOptions o;
    o.resultLanguageChanged(indexOf(ResultLanguages, "Afrikaans"));
    EXPECT_EQ(o.resultLanguage, "&lr=lang_af");
    EXPECT_EQ(o.bingLanguage, "++language%3Aaf");
    EXPECT_EQ(o.wikipediaPrefix, "af.");

    // The last two characters of the entry, whatever they are.
    o.resultLanguageChanged(indexOf(ResultLanguages, "Chinese (Simplified)"));
    EXPECT_EQ(o.resultLanguage, "&lr=lang_zh-CN");
    EXPECT_EQ(o.bingLanguage, "++language%3ACN");
    EXPECT_EQ(o.wikipediaPrefix, "CN.");

    o.resultLanguageChanged(0);
    EXPECT_EQ(o.resultLanguage, "&lr= ");
    EXPECT_EQ(o.bingLanguage, "");
    EXPECT_EQ(o.wikipediaPrefix, "");
}

TEST(SearchOptions, CountryFeedsGoogleAndBing) {
    SearchOptions o;
    o.countryChanged(indexOf(Countries, "United Kingdom"));
    EXPECT_EQ(o.country, "&cr=countryUK");
    EXPECT_EQ(o.bingLocation, "+loc%3AUK");
    o.countryChanged(0);
    EXPECT_EQ(o.country, "");
    EXPECT_EQ(o.bingLocation, "");
}

TEST(SearchOptions, InterfaceLanguageAndFileType) {
    SearchOptions o;
    o.interfaceLanguageChanged(indexOf(InterfaceLanguages, "Montenegrin"));
    EXPECT_EQ(o.interfaceLanguage, "&hl=sr-ME");
    o.interfaceLanguageChanged(indexOf(InterfaceLanguages, "Spanish (Latin American)"));
    EXPECT_EQ(o.interfaceLanguage, "&hl=es-419");
    o.interfaceLanguageChanged(0);
    EXPECT_EQ(o.interfaceLanguage, "&hl= ");  // emptied by the search itself

    const char* expected[] = {"", "pdf", "ps", "dwf", "xls", "ppt", "doc", "rtf", "swf"};
    for (int i = 8; i >= 0; --i) {
        o.fileTypeChanged(i);
        EXPECT_EQ(o.fileType, expected[i]) << i;
    }
}

TEST(SearchOptions, IndicesOutsideTheListsGiveEmptyFragments) {
    for (int bad : {-1, INT_MIN}) {
        SearchOptions o = allSet();
        o.recompute(bad, bad, bad, bad);
        EXPECT_EQ(o, SearchOptions{}) << bad;
    }
    SearchOptions o = allSet();
    o.recompute(150, 243, 47, 9);  // one past the end of each list
    EXPECT_EQ(o, SearchOptions{});

    o.recompute(149, 242, 46, 8);  // the last rows are inside
    EXPECT_EQ(o.interfaceLanguage, "&hl=zu");
    EXPECT_EQ(o.country, "&cr=countryZW");
    EXPECT_EQ(o.resultLanguage, "&lr=lang_vi");
    EXPECT_EQ(o.fileType, "swf");
}

TEST(SearchOptions, RecomputeAndClear) {
    SearchOptions o;
    o.recompute(indexOf(InterfaceLanguages, "English"), indexOf(Countries, "United States"),
                indexOf(ResultLanguages, "English"), 1);
    SearchOptions expected;
    expected.interfaceLanguage = "&hl=en";
    expected.country = "&cr=countryUS";
    expected.bingLocation = "+loc%3AUS";
    expected.resultLanguage = "&lr=lang_en";
    expected.bingLanguage = "++language%3Aen";
    expected.wikipediaPrefix = "en.";
    expected.fileType = "pdf";
    EXPECT_EQ(o, expected);
}

}  // namespace
}  // namespace vask
