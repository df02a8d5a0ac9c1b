#include "history/history_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vask {
namespace {

HistoryRecord named(std::string_view caption) { return HistoryRecord(caption, {}); }

std::vector<std::string> captions(const HistoryRows& rows) {
    std::vector<std::string> out;
    for (const HistoryRecord& row : rows) out.emplace_back(row.caption());
    return out;
}

HistoryRows rowsOf(std::initializer_list<const char*> names) {
    std::vector<HistoryRecord> records;
    for (const char* name : names) records.push_back(named(name));
    HistoryRows rows;
    rows.replaceAll(std::move(records));
    return rows;
}

TEST(HistoryRows, RecordingPutsTheNewRowOnTop) {
    HistoryRows rows;
    EXPECT_EQ(selectionAfterRecording(rows.size()), 0u);
    rows.recordAtTop(named("C"));
    rows.recordAtTop(named("B"));
    rows.recordAtTop(named("A"));
    EXPECT_EQ(selectionAfterRecording(rows.size()), 1u);
    rows.recordAtTop(named("N"));
    EXPECT_EQ(captions(rows), (std::vector<std::string>{"N", "A", "B", "C"}));
    EXPECT_EQ(rows[0].caption(), "N");
}

TEST(HistoryRows, FullHistoryDropsTheOldestRow) {
    HistoryRows rows;
    for (std::size_t i = 0; i <= HistoryRows::MaxRows; ++i) rows.recordAtTop(named(std::to_string(i)));
    ASSERT_EQ(rows.size(), HistoryRows::MaxRows);
    EXPECT_EQ(rows[0].caption(), "65535");
    EXPECT_EQ(rows[rows.size() - 1].caption(), "1");
}

TEST(HistoryRows, DeletingRemovesExactlyTheChosenRows) {
    HistoryRows rows = rowsOf({"a", "b", "c", "d", "e", "f"});
    rows.eraseRows({4, 1, 4, 99});
    EXPECT_EQ(captions(rows), (std::vector<std::string>{"a", "c", "d", "f"}));
    rows.erase(0);
    rows.erase(10);
    EXPECT_EQ(captions(rows), (std::vector<std::string>{"c", "d", "f"}));
    rows.clear();
    EXPECT_TRUE(rows.empty());
}

TEST(HistoryRows, ReplacingKeepsTheNewestRowsThatFit) {
    HistoryRows rows = rowsOf({"old"});
    std::vector<HistoryRecord> loaded(HistoryRows::MaxRows + 1);
    loaded.front() = named("newest");
    loaded.back() = named("dropped");
    rows.replaceAll(std::move(loaded));
    ASSERT_EQ(rows.size(), HistoryRows::MaxRows);
    EXPECT_EQ(rows[0].caption(), "newest");
    EXPECT_EQ(rows[rows.size() - 1].caption(), "");
}

// Typing into the list: the first date from the start row on that begins
// with the typed text, wrapping when the list asks for it.
TEST(HistoryRows, TypedDatesFindTheFirstRowFromTheStart) {
    const HistoryRows rows = rowsOf({"3.1.2024", "15.2.2024", "12.5.2023", "1.12.2022", "15.8.2021", "Jan 5"});
    const auto find = [&](std::string text, std::size_t start, bool wrap = true, bool partial = true) {
        return findRowByDate(rows, {std::move(text), partial, start, wrap});
    };
    EXPECT_EQ(find("1", 0), 1u);
    EXPECT_EQ(find("12", 1), 2u);
    EXPECT_EQ(find("1", 3), 3u) << "the start row itself counts";
    EXPECT_EQ(find("15", 5), 1u) << "wraps to the top";
    EXPECT_EQ(find("15", 5, false), std::nullopt);
    EXPECT_EQ(find("3", 1), 0u);
    EXPECT_EQ(find("jAN", 0), 5u) << "ASCII case is ignored";
    EXPECT_EQ(find("2024", 0), std::nullopt) << "only the start of a date";
    EXPECT_EQ(find("3.1.2024.", 0), std::nullopt) << "longer than every date";
    EXPECT_EQ(find("15", 99), 1u) << "a start past the end wraps at once";
    EXPECT_EQ(find("15", 99, false), std::nullopt);
    EXPECT_EQ(find("1.12.2022", 0, true, false), 3u);
    EXPECT_EQ(find("1.12", 0, true, false), std::nullopt) << "a whole date is wanted";
    EXPECT_EQ(findRowByDate(HistoryRows(), {"1", true, 0, true}), std::nullopt);
}

}  // namespace
}  // namespace vask
