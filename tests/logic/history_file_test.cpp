#include "history/history_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vask {
namespace {

HistoryLoadResult load(std::string_view bytes) { return loadHistory(bytes, latin1ToUtf8); }

// A literal's bytes, zero bytes included.
template <std::size_t N>
std::string bytesOf(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

std::vector<HistoryRecord> sampleRows() {
    return {
        HistoryRecord("5.3.2024", {"10:00:00", "čebula in šparglji", "- - -", "", "wiki.example", "",
                                   "Firefox", "Slovenščina", "Slovenija", "- - -", "Past week",
                                   "Yes", "- - -", "- - -"}),
        HistoryRecord("", {"", "日本語", "- - -", "- - -", "- - -", "- - -", "- - -", "- - -",
                           "- - -", "- - -", "- - -", "- - -"}),
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
    const std::string expected =
        bytesOf("LVF\x01\x00" "\x01\x00" "\x04\x03\x02\x01" "\x01\x00" "D" "\x02\x00" "Tx");
    EXPECT_EQ(saveHistory(rows), expected);
}

TEST(HistoryFile, RowsSurviveRoundTripInOrder) {
    const auto rows = sampleRows();
    const auto loaded = load(saveHistory(rows));
    EXPECT_EQ(loaded.status, HistoryLoadStatus::Ok);
    ASSERT_EQ(loaded.rows.size(), 3u);
    EXPECT_EQ(loaded.rows, rows);
    EXPECT_EQ(loaded.rows[0].subItemCount(), 14u);
    EXPECT_EQ(loaded.rows[1].subItemCount(), 12u);
    EXPECT_EQ(loaded.rows[2].imageIndex(), -7);
}

TEST(HistoryFile, ForeignSignaturesAreRefused) {
    for (const std::string& bytes : {bytesOf("lvf\0\0"), bytesOf("LVX\0\0"),
                                    std::string("LV"), std::string()}) {
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
    for (std::size_t n = 1; n <= rows.size(); ++n)
        rowEnds.push_back(saveHistory(std::span(rows).first(n)).size());
    ASSERT_EQ(rowEnds.back(), bytes.size());

    for (std::size_t cut = 3; cut < bytes.size(); ++cut) {
        const auto loaded = load(std::string_view(bytes).substr(0, cut));
        std::size_t whole = 0;
        while (whole < rowEnds.size() && rowEnds[whole] <= cut) ++whole;
        EXPECT_EQ(loaded.status, HistoryLoadStatus::Truncated) << "cut at " << cut;
        EXPECT_EQ(loaded.rows, std::vector<HistoryRecord>(rows.begin(), rows.begin() + whole))
            << "cut at " << cut;
    }
}

TEST(HistoryFile, CountsBeyondTheFileReadNothingMore) {
    // 65535 rows announced, then one row announcing 65535 sub-items and ending.
    const std::string bytes = bytesOf("LVF\xFF\xFF" "\xFF\xFF" "\0\0\0\0" "\0\0");
    const auto loaded = load(bytes);
    EXPECT_EQ(loaded.status, HistoryLoadStatus::Truncated);
    EXPECT_TRUE(loaded.rows.empty());
}

TEST(HistoryFile, AnsiTextsAreDecodedAndZeroBytesEndTexts) {
    const std::string bytes = bytesOf("LVF\x02\x00"
                                      "\x05\x00" "\0\0\0\0" "\x04\x00" "Caf\xE9" "\x05\x00" "ab\0cd"
                                      "\x02\x00" "\xC3\xA9" "\x05\x00" "na\xEFve" "\x03\x00" "\xE9t\xE9"
                                      "\x03\x00" "\xFC\0\xFF"
                                      "\x00\x00" "\x07\x00\x00\x00" "\x01\x00" "\xC5");
    const auto loaded = load(bytes);
    EXPECT_EQ(loaded.status, HistoryLoadStatus::Ok);
    ASSERT_EQ(loaded.rows.size(), 2u);
    // The UTF-8 "é" is kept as it is, not decoded a second time; the bytes
    // after a zero byte are not part of the text, valid or not.
    EXPECT_EQ(loaded.rows[0], HistoryRecord("Caf\xC3\xA9", {"ab", "\xC3\xA9", "na\xC3\xAFve",
                                                             "\xC3\xA9t\xC3\xA9", "\xC3\xBC"}));
    EXPECT_EQ(loaded.rows[1], HistoryRecord("\xC3\x85", {}, 7));
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
