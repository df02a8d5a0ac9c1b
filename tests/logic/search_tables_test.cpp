#include "search/search_tables.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

namespace vask {
namespace {

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

}  // namespace
}  // namespace vask
