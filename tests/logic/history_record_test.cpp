#include "history/history_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vask {
namespace {

using Items = std::vector<std::string>;

SearchSnapshot advancedSearch() {
    SearchSnapshot s;
    s.date = "5.3.2024";
    s.time = "10:15:00";
    s.searchText = "annual report";
    s.advancedShown = true;
    s.exact = "net income";
    s.domain = "example.com";
    s.fileType = "Adobe Acrobat PDF (.pdf)";
    s.browser = "Firefox";
    s.interfaceLanguage = "- - -";
    s.country = "Slovenia";
    s.resultLanguage = "";  // a list without a selected entry
    s.timePeriod = "Any time";
    s.bing = true;
    return s;
}

TEST(HistoryRecord, ShownAdvancedWindowRecordsEveryColumn) {
    const HistoryRecord record = makeHistoryRecord(advancedSearch());
    EXPECT_EQ(record.caption, "5.3.2024");
    EXPECT_EQ(record.imageIndex, 0);
    EXPECT_EQ(record.subItems,
              (Items{"10:15:00", "annual report", "net income", "- - -", "example.com",
                     "Adobe Acrobat PDF (.pdf)", "Firefox", "- - -", "Slovenia", "", "Any time",
                     "- - -", "Yes", "- - -"}));
    EXPECT_FALSE(recordedWithoutOptions(record));
}

TEST(HistoryRecord, HiddenAdvancedWindowRecordsOnlyTheSearch) {
    SearchSnapshot s = advancedSearch();
    s.advancedShown = false;
    s.searchText = "";
    s.google = true;
    const HistoryRecord record = makeHistoryRecord(s);
    Items expected{"10:15:00", "- - -"};
    expected.resize(12, "- - -");
    EXPECT_EQ(record.subItems, expected);
    EXPECT_TRUE(recordedWithoutOptions(record));
    EXPECT_EQ(subItemOrEmpty(record, HistoryItem::Bing), "");
    EXPECT_EQ(subItemOrEmpty(record, HistoryItem::Wikipedia), "");
}

TEST(HistoryRecord, ShortRowsShowEmptyFieldsAndKeepTheirOptions) {
    const HistoryRecord shortRow{"1.1.2020", {"09:00", "cats"}, 0};
    EXPECT_EQ(subItemOrEmpty(shortRow, HistoryItem::Search), "cats");
    EXPECT_EQ(subItemOrEmpty(shortRow, HistoryItem::TimePeriod), "");
    EXPECT_FALSE(recordedWithoutOptions(shortRow));
}

TEST(HistoryRecord, FindLooksInTheSearchableColumnsOnly) {
    HistoryRecord pdfType = makeHistoryRecord(advancedSearch());
    EXPECT_TRUE(matchesFind(pdfType, "pdf"));
    EXPECT_TRUE(matchesFind(pdfType, "NET inc"));
    EXPECT_FALSE(matchesFind(pdfType, "firefox"));  // Browser is not searched
    EXPECT_FALSE(matchesFind(pdfType, ""));

    SearchSnapshot plain;
    plain.searchText = "PDF manuals";
    EXPECT_TRUE(matchesFind(makeHistoryRecord(plain), "pdf"));

    // Every searched column finds the text; none of the others does.
    for (std::size_t column = 0; column < 14; ++column) {
        HistoryRecord record{"pdf date", Items(14, "x"), 0};
        record.subItems[column] = "a Pdf b";
        const bool searched = column == HistoryItem::Search || column == HistoryItem::Exact ||
                              column == HistoryItem::Exclude || column == HistoryItem::Domain ||
                              column == HistoryItem::FileType ||
                              column == HistoryItem::Country || column == HistoryItem::Language;
        EXPECT_EQ(matchesFind(record, "PDF"), searched) << "sub-item " << column;
    }
}

TEST(HistoryRecord, RowsAlternateGreyAndWhiteUnlessHighlighted) {
    EXPECT_EQ(rowBackground(0, false), 0xF5F5F5u);
    EXPECT_EQ(rowBackground(1, false), 0xFFFFFFu);
    EXPECT_EQ(rowBackground(2, false), 0xF5F5F5u);
    EXPECT_EQ(rowBackground(0, true), 0xB9FFFFu);
    EXPECT_EQ(rowBackground(1, true), 0xB9FFFFu);
}

TEST(HistoryRecord, RunSelectsTheLastEqualEntry) {
    const Items entries{"- - -", "English", "French", "ENGLISH", "Éire"};
    EXPECT_EQ(lastEqualEntry(entries, "english"), 3);
    EXPECT_EQ(lastEqualEntry(entries, "- - -"), 0);
    EXPECT_EQ(lastEqualEntry(entries, "Engl"), -1);
    EXPECT_EQ(lastEqualEntry(entries, "éire"), -1);  // only ASCII letters fold
    EXPECT_EQ(lastEqualEntry({}, "English"), -1);
}

}  // namespace
}  // namespace vask
