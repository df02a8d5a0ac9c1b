#include "history/history_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace vask {
namespace {

HistoryLoadResult load(std::string_view bytes) { return loadHistory(std::string(bytes), latin1ToUtf8); }

std::vector<HistoryRecord> asVector(const HistoryRows& rows) { return {rows.begin(), rows.end()}; }

// A literal's bytes, zero bytes included.
template <std::size_t N>
std::string bytesOf(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

std::vector<HistoryRecord> sampleRows() {
    return {
        HistoryRecord("5.3.2024", {"10:00:00", "čebula in šparglji", "- - -", "", "wiki.example", "", "Firefox",
                                   "Slovenščina", "Slovenija", "- - -", "Past week", "Yes", "- - -", "- - -"}),
        HistoryRecord("", {"", "日本語", "- - -", "- - -", "- - -", "- - -", "- - -", "- - -", "- - -", "- - -",
                           "- - -", "- - -"}),
        HistoryRecord("4.3.2024", {}, -7),
    };
}

TEST(HistoryFile, EmptyHistoryIsSignatureAndZeroCount) {
    const std::string bytes = saveHistory(std::vector<HistoryRecord>{});
    EXPECT_EQ(bytes, bytesOf("LVF\0\0"));
    const auto loaded = load(bytes);
    EXPECT_EQ(loaded.status, HistoryLoadStatus::Ok);
    EXPECT_TRUE(loaded.rows.empty());
}

TEST(HistoryFile, RowLayoutIsLittleEndian) {
    HistoryRows rows;
    rows.recordAtTop(HistoryRecord("D", {"Tx"}, 0x01020304));
    const std::string expected = bytesOf(
        "LVF\x01\x00"
        "\x01\x00"
        "\x04\x03\x02\x01"
        "\x01\x00"
        "D"
        "\x02\x00"
        "Tx");
    EXPECT_EQ(saveHistory(rows), expected);
}

TEST(HistoryFile, RowsSurviveRoundTripInOrder) {
    const auto rows = sampleRows();
    const auto loaded = load(saveHistory(rows));
    EXPECT_EQ(loaded.status, HistoryLoadStatus::Ok);
    ASSERT_EQ(loaded.rows.size(), 3u);
    EXPECT_EQ(asVector(loaded.rows), rows);
    EXPECT_EQ(loaded.rows[0].subItemCount(), 14u);
    EXPECT_EQ(loaded.rows[1].subItemCount(), 12u);
    EXPECT_EQ(loaded.rows[2].imageIndex(), -7);
}

// Rows read in place point into the file's bytes: they must stay readable
// however the rows are moved, and copies taken from them must outlive them.
TEST(HistoryFile, LoadedRowsOutliveMovesAndCopiesOutliveTheRows) {
    // 13 bytes: short enough for a string to keep them inside itself.
    const std::string tiny = bytesOf(
        "LVF\x01\x00"
        "\0\0"
        "\x02\0\0\0"
        "\x01\x00"
        "t");
    std::optional<HistoryLoadResult> loaded = load(tiny);
    HistoryRows moved = std::move(loaded->rows);
    loaded.reset();
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(moved[0], HistoryRecord("t", {}, 2));

    std::vector<HistoryRecord> rows = sampleRows();
    rows.insert(rows.begin() + 1, HistoryRecord("ab", {"é", std::string_view("c\0d", 3)}));  // read as "c"
    std::string bytes = saveHistory(rows);
    rows[1] = HistoryRecord("ab", {"é", "c"});
    std::optional<HistoryRows> kept = load(bytes).rows;
    std::optional<HistoryRecord> copy = (*kept)[2];
    HistoryRecord assigned;
    assigned = (*kept)[0];
    kept->eraseRows({1});
    kept->recordAtTop(HistoryRecord("new", {}));
    EXPECT_EQ(saveHistory(*kept), saveHistory(std::vector{HistoryRecord("new", {}), rows[0], rows[2], rows[3]}));
    kept.reset();
    bytes.assign(bytes.size(), 'x');
    EXPECT_EQ(*copy, rows[2]);
    EXPECT_EQ(assigned, rows[0]);
    EXPECT_EQ(assigned.subItem(HistoryItem::Search), "čebula in šparglji");
}

TEST(HistoryFile, SavingLoadedRowsWritesTheSameBytes) {
    std::vector<HistoryRecord> rows = sampleRows();
    rows.push_back(HistoryRecord("", {}));
    const std::string bytes = saveHistory(rows);
    const HistoryLoadResult loaded = load(bytes);
    EXPECT_EQ(saveHistory(loaded.rows), bytes);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::vector<std::string_view> texts;
        loaded.rows[i].forEachText([&](std::string_view text) { texts.push_back(text); });
        ASSERT_EQ(texts.size(), rows[i].subItemCount() + 1);
        EXPECT_EQ(texts.front(), rows[i].caption());
        for (std::size_t k = 0; k < rows[i].subItemCount(); ++k) EXPECT_EQ(texts[k + 1], rows[i].subItem(k));
    }
}

TEST(HistoryFile, ForeignSignaturesAreRefused) {
    for (const std::string& bytes : {bytesOf("lvf\0\0"), bytesOf("LVX\0\0"), std::string("LV"), std::string()}) {
        const auto loaded = load(bytes);
        EXPECT_EQ(loaded.status, HistoryLoadStatus::NotListViewFile) << bytes;
        EXPECT_TRUE(loaded.rows.empty());
    }
    for (const std::string& bytes : {std::string("LVF"), bytesOf("LVF\x01")}) {
        const auto loaded = load(bytes);
        EXPECT_EQ(loaded.status, HistoryLoadStatus::Truncated);
        EXPECT_TRUE(loaded.rows.empty());
    }
}

TEST(HistoryFile, FileCutAnywhereKeepsOnlyWholeRows) {
    const auto rows = sampleRows();
    const std::string bytes = saveHistory(rows);
    // Where each row ends in the file.
    std::vector<std::size_t> rowEnds;
    for (std::size_t n = 1; n <= rows.size(); ++n) rowEnds.push_back(saveHistory(std::span(rows).first(n)).size());
    ASSERT_EQ(rowEnds.back(), bytes.size());

    for (std::size_t cut = 3; cut < bytes.size(); ++cut) {
        const auto loaded = load(std::string_view(bytes).substr(0, cut));
        std::size_t whole = 0;
        while (whole < rowEnds.size() && rowEnds[whole] <= cut) ++whole;
        EXPECT_EQ(loaded.status, HistoryLoadStatus::Truncated) << "cut at " << cut;
        EXPECT_EQ(asVector(loaded.rows), std::vector<HistoryRecord>(rows.begin(), rows.begin() + whole))
            << "cut at " << cut;
    }
}

TEST(HistoryFile, CountsBeyondTheFileReadNothingMore) {
    // 65535 rows announced, then one row announcing 65535 sub-items and ending.
    const std::string bytes = bytesOf(
        "LVF\xFF\xFF"
        "\xFF\xFF"
        "\0\0\0\0"
        "\0\0");
    const auto loaded = load(bytes);
    EXPECT_EQ(loaded.status, HistoryLoadStatus::Truncated);
    EXPECT_TRUE(loaded.rows.empty());
}

TEST(HistoryFile, AnsiTextsAreDecodedAndZeroBytesEndTexts) {
    const std::string bytes = bytesOf(
        "LVF\x02\x00"
        "\x05\x00"
        "\0\0\0\0"
        "\x04\x00"
        "Caf\xE9"
        "\x05\x00"
        "ab\0cd"
        "\x02\x00"
        "\xC3\xA9"
        "\x05\x00"
        "na\xEFve"
        "\x03\x00"
        "\xE9t\xE9"
        "\x03\x00"
        "\xFC\0\xFF"
        "\x00\x00"
        "\x07\x00\x00\x00"
        "\x01\x00"
        "\xC5");
    const auto loaded = load(bytes);
    EXPECT_EQ(loaded.status, HistoryLoadStatus::Ok);
    ASSERT_EQ(loaded.rows.size(), 2u);
    // The UTF-8 "é" is kept as it is, not decoded a second time; the bytes
    // after a zero byte are not part of the text, valid or not.
    EXPECT_EQ(loaded.rows[0],
              HistoryRecord("Caf\xC3\xA9", {"ab", "\xC3\xA9", "na\xC3\xAFve", "\xC3\xA9t\xC3\xA9", "\xC3\xBC"}));
    EXPECT_EQ(loaded.rows[1], HistoryRecord("\xC3\x85", {}, 7));
}

TEST(HistoryFile, EveryByteOfEveryTextIsChecked) {
    for (std::size_t size = 1; size <= 17; ++size) {
        const std::string plain(size, 'a');
        EXPECT_EQ(load(saveHistory(std::vector{HistoryRecord("c", {plain})})).rows[0], HistoryRecord("c", {plain}));
        for (std::size_t at = 0; at < size; ++at) {
            std::string zero = plain, ansi = plain;
            zero[at] = '\0';
            ansi[at] = '\xE9';
            const std::string decoded = plain.substr(0, at) + "\xC3\xA9" + plain.substr(at + 1);
            // One text out of the plain per row, so that nothing else marks the row.
            const auto loaded = load(saveHistory(std::vector{HistoryRecord("c", {zero}), HistoryRecord("c", {ansi})}));
            ASSERT_EQ(loaded.rows.size(), 2u);
            EXPECT_EQ(loaded.rows[0], HistoryRecord("c", {plain.substr(0, at)})) << size << " " << at;
            EXPECT_EQ(loaded.rows[1], HistoryRecord("c", {decoded})) << size << " " << at;
        }
    }
}

TEST(HistoryFile, LongTextIsCutAtCharacterBoundary) {
    std::string longText;
    for (int i = 0; i < 35000; ++i) longText += "\xC3\xA9";  // 70,000 bytes of "é"
    const std::string longerText = "x" + longText;
    const auto loaded = load(saveHistory(std::vector{HistoryRecord(longText, {longerText})}));
    ASSERT_EQ(loaded.rows.size(), 1u);
    // 65535 would end inside a character: 65534 bytes remain.
    EXPECT_EQ(loaded.rows[0], HistoryRecord(longText.substr(0, 65534), {longerText.substr(0, 65535)}));
}

TEST(HistoryFile, OnlyTheNewest65535RowsAreWritten) {
    std::vector<HistoryRecord> rows(65536);
    rows.front() = HistoryRecord("newest", {});
    rows[65534] = HistoryRecord("last kept", {});
    rows.back() = HistoryRecord("oldest", {});
    const std::string bytes = saveHistory(rows);
    EXPECT_EQ(bytes.substr(3, 2), "\xFF\xFF");
    const auto loaded = load(bytes);
    EXPECT_EQ(loaded.status, HistoryLoadStatus::Ok);
    ASSERT_EQ(loaded.rows.size(), 65535u);
    EXPECT_EQ(loaded.rows.front().caption(), "newest");
    EXPECT_EQ(loaded.rows.back().caption(), "last kept");
}

}  // namespace
}  // namespace vask
