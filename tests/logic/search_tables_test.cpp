#include "search/search_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

namespace vask {
namespace {

template <std::size_t N>
std::string_view codeOf(const std::array<CodeRow, N>& table, std::string_view item) {
    auto row = std::find_if(table.begin(), table.end(), [&](const CodeRow& r) { return r.item == item; });
    return row == table.end() ? std::string_view("<missing>") : row->code;
}

// Every row after the first: a unique item and the table's prefix before a code.
template <std::size_t N>
void expectWellFormed(const std::array<CodeRow, N>& table, std::string_view prefix) {
    std::set<std::string_view> items;
    for (std::size_t i = 1; i < N; ++i) {
        const CodeRow& row = table[i];
        EXPECT_FALSE(row.item.empty()) << i;
        EXPECT_TRUE(items.insert(row.item).second) << "duplicate " << row.item;
        EXPECT_TRUE(row.code.starts_with(prefix)) << row.code;
        EXPECT_GT(row.code.size(), prefix.size()) << row.code;
        EXPECT_EQ(row.code.find(' '), std::string_view::npos) << row.code;
    }
}

TEST(SearchTables, NoneRowsComeFirst) {
    EXPECT_EQ(InterfaceLanguages[0].item, "- - -");
    EXPECT_EQ(InterfaceLanguages[0].code, "hl= ");
    EXPECT_EQ(ResultLanguages[0].item, "- - -");
    EXPECT_EQ(ResultLanguages[0].code, "lr= ");
    EXPECT_EQ(Countries[0].item, "- - -");
    EXPECT_EQ(Countries[0].code, " ");
    EXPECT_EQ(FileTypes[0], "- - -");
    EXPECT_EQ(TimePeriods[0], "Any time");
}

TEST(SearchTables, RowsAreWellFormed) {
    expectWellFormed(InterfaceLanguages, "hl=");
    expectWellFormed(ResultLanguages, "lr=lang_");
    expectWellFormed(Countries, "country");
    for (std::size_t i = 1; i < Countries.size(); ++i) {
        std::string_view code = Countries[i].code.substr(7);
        ASSERT_EQ(code.size(), 2u) << Countries[i].item;
        EXPECT_TRUE(std::isupper(static_cast<unsigned char>(code[0])) &&
                    std::isupper(static_cast<unsigned char>(code[1])))
            << Countries[i].item;
    }
}

TEST(SearchTables, FirstLastAndNotableRows) {
    EXPECT_EQ(InterfaceLanguages[1].item, "Afrikaans");
    EXPECT_EQ(InterfaceLanguages[1].code, "hl=af");
    EXPECT_EQ(InterfaceLanguages.back().item, "Zulu");
    EXPECT_EQ(InterfaceLanguages.back().code, "hl=zu");
    EXPECT_EQ(codeOf(InterfaceLanguages, "Bork, bork, bork!"), "hl=xx-bork");
    EXPECT_EQ(codeOf(InterfaceLanguages, "Montenegrin"), "hl=sr-ME");
    EXPECT_EQ(codeOf(InterfaceLanguages, "Spanish (Latin American)"), "hl=es-419");
    EXPECT_EQ(codeOf(InterfaceLanguages, "Kurdish (Soranî)"), "hl=ckb");

    EXPECT_EQ(ResultLanguages[1].code, "lr=lang_af");
    EXPECT_EQ(ResultLanguages.back().item, "Vietnamese");
    EXPECT_EQ(ResultLanguages.back().code, "lr=lang_vi");
    EXPECT_EQ(codeOf(ResultLanguages, "Chinese (Traditional)"), "lr=lang_zh-TW");

    EXPECT_EQ(Countries[1].item, "Afghanistan");
    EXPECT_EQ(Countries[1].code, "countryAF");
    EXPECT_EQ(Countries.back().item, "Zimbabwe");
    EXPECT_EQ(Countries.back().code, "countryZW");
    EXPECT_EQ(codeOf(Countries, "United Kingdom"), "countryUK");
    EXPECT_EQ(codeOf(Countries, "Macedonia, the Former Yugosalv Republic of"), "countryMK");
    EXPECT_EQ(codeOf(Countries, "Cote D'ivoire"), "countryCI");

    EXPECT_EQ(FileTypes.back(), "shockwave flash (.swf)");
    EXPECT_EQ(TimePeriods.back(), "Past year");
}

}  // namespace
}  // namespace vask
