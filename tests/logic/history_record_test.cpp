#include "history/history_record.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vask {
namespace {

using Items = std::vector<std::string>;
using Views = std::vector<std::string_view>;

SearchSnapshot advancedSearch() {
    SearchSnapshot s;
    s.date = "5.3.2024";
    s.time = "10:15:00";
    s.searchText = "annual report";
    s.options.emplace();
    s.options->exact = "net income";
    s.options->domain = "example.com";
    s.options->fileType = "Adobe Acrobat PDF (.pdf)";
    s.options->browser = "Firefox";
    s.options->interfaceLanguage = "- - -";
    s.options->country = "Slovenia";
    s.options->resultLanguage = "";  // a list without a selected entry
    s.options->timePeriod = "Any time";
    s.engine = SearchEngine::Bing;
    return s;
}

TEST(HistoryRecord, ShownAdvancedWindowRecordsEveryColumn) {
    const HistoryRecord record = makeHistoryRecord(advancedSearch());
    EXPECT_EQ(record, HistoryRecord("5.3.2024", {"10:15:00", "annual report", "net income", "- - -", "example.com",
                                                 "Adobe Acrobat PDF (.pdf)", "Firefox", "- - -", "Slovenia", "",
                                                 "Any time", "- - -", "Yes", "- - -"}));
    EXPECT_FALSE(recordedWithoutOptions(record));
    // Each service's column is captioned with its name.
    for (const SearchEngine engine : {SearchEngine::Google, SearchEngine::Bing, SearchEngine::Wikipedia})
        EXPECT_EQ(HistoryColumns[HistoryItem::engineColumn(engine) + 1].caption, engineRow(engine).name);
}

TEST(HistoryRecord, HiddenAdvancedWindowRecordsOnlyTheSearch) {
    SearchSnapshot s = advancedSearch();
    s.options.reset();
    s.searchText = "";
    s.engine = SearchEngine::Google;
    const HistoryRecord record = makeHistoryRecord(s);
    Views expected{"10:15:00", "- - -"};
    expected.resize(12, "- - -");
    EXPECT_EQ(record, HistoryRecord("5.3.2024", expected));
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

TEST(HistoryRecord, TextsOfAnyLengthComeBackAsTheyWere) {
    std::string cjk;
    for (int i = 0; i < 30000; ++i) cjk += "東";  // 90,000 bytes: longer than a 16-bit offset reaches
    const std::string zeroInside("a\0b", 3);
    const Views items{"", cjk, "x", zeroInside, ""};
    const HistoryRecord record(cjk, items, -3);
    EXPECT_EQ(record.caption(), cjk);
    ASSERT_EQ(record.subItemCount(), items.size());
    for (std::size_t i = 0; i < items.size(); ++i) EXPECT_EQ(record.subItem(i), items[i]) << i;
    EXPECT_EQ(record.imageIndex(), -3);

    const HistoryRecord empty;
    EXPECT_EQ(empty.caption(), "");
    EXPECT_EQ(empty.subItemCount(), 0u);
    EXPECT_EQ(empty, HistoryRecord("", {}));
    EXPECT_EQ(HistoryRecord("", {""}).subItemCount(), 1u);
}

TEST(HistoryRecord, EqualRecordsHaveTheSameTextsInTheSameColumns) {
    const HistoryRecord row("date", {"ab", "c"}, 1);
    EXPECT_EQ(row, HistoryRecord("date", {"ab", "c"}, 1));
    EXPECT_NE(row, HistoryRecord("date", {"a", "bc"}, 1));  // the same bytes, split elsewhere
    EXPECT_NE(row, HistoryRecord("dat", {"eab", "c"}, 1));
    EXPECT_NE(row, HistoryRecord("date", {"ab", "c", ""}, 1));
    EXPECT_NE(row, HistoryRecord("date", {"ab", "d"}, 1));
    EXPECT_NE(row, HistoryRecord("date", {"ab", "c"}, 2));
}

TEST(HistoryRecord, CopiesAndMovesKeepTheTexts) {
    std::optional<HistoryRecord> original = HistoryRecord("date", {"time", "search"}, 5);
    HistoryRecord copy(*original);
    HistoryRecord assigned("other", {"x"});
    assigned = *original;
    original.reset();  // the copies own their texts
    EXPECT_EQ(copy, HistoryRecord("date", {"time", "search"}, 5));
    EXPECT_EQ(assigned, copy);
    assigned = static_cast<const HistoryRecord&>(assigned);
    EXPECT_EQ(assigned, copy);

    HistoryRecord moved(std::move(copy));
    EXPECT_EQ(moved, assigned);
    // What is left behind reads as an empty row, not as the texts it gave away.
    EXPECT_EQ(copy.subItemCount(), 0u);
    EXPECT_EQ(copy.caption(), "");
    EXPECT_EQ(subItemOrEmpty(copy, HistoryItem::Search), "");
    copy = std::move(moved);
    EXPECT_EQ(copy, assigned);
    EXPECT_EQ(moved.subItemCount(), 0u);
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
        Views items(14, "x");
        items[column] = "a Pdf b";
        const HistoryRecord record("pdf date", items);
        const bool searched = column == HistoryItem::Search || column == HistoryItem::Exact ||
                              column == HistoryItem::Exclude || column == HistoryItem::Domain ||
                              column == HistoryItem::FileType || column == HistoryItem::Country ||
                              column == HistoryItem::Language;
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

TEST(HistoryRecord, RunRestoresTheSearchAndOnlyTheOptionsItWasRecordedWith) {
    SearchSnapshot s = advancedSearch();
    RunRestore full = runRestore(makeHistoryRecord(s));
    EXPECT_EQ(full.searchText, "annual report");
    ASSERT_TRUE(full.options);
    EXPECT_EQ(full.options->exact, "net income");
    EXPECT_EQ(full.options->exclude, "") << "a recorded \"- - -\" comes back empty";
    EXPECT_EQ(full.options->interfaceLanguage, "- - -") << "a list takes its \"- - -\" entry";
    EXPECT_EQ(full.options->browser, "Firefox");
    EXPECT_EQ(full.options->country, "Slovenia");

    s.searchText = "";
    EXPECT_EQ(runRestore(makeHistoryRecord(s)).searchText, "");
    s.options.reset();
    const RunRestore plain = runRestore(makeHistoryRecord(s));
    EXPECT_FALSE(plain.options);
    EXPECT_EQ(plain.searchText, "- - -") << "a row without options gives its search as it stands";
}

}  // namespace
}  // namespace vask
