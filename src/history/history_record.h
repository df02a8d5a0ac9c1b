#pragma once
// One row of the search history and the rules that tie its texts to the
// history's columns: what a search records, which columns the find looks in,
// how rows are coloured, and how a row is put back into the lists.
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "search/option_texts.h"
#include "search/query.h"

namespace vask {

// The history's "none" value; also the first entry of every option list.
inline constexpr std::string_view NoneValue = "- - -";

class HistoryFileKey;  // held only by the history file's reader

// The width of a text's length in a row's own block and in a history file.
inline constexpr std::size_t BlockLengthWidth = 4, FileLengthWidth = 2;

// One row of the history. The Date column is the caption; every further
// column is a sub-item. A history holds up to 65,535 rows, so a row keeps
// its texts back to back, each after its length: in a block of its own, with
// 32-bit lengths (a search typed into the bar may be longer than the 65,535
// bytes the file keeps of it), or, for a row read from a history file, where
// they already stand in the file's bytes, with the file's 16-bit lengths.
class HistoryRecord {
public:
    HistoryRecord() = default;
    HistoryRecord(std::string_view caption, std::span<const std::string_view> subItems, int32_t imageIndex = 0);
    HistoryRecord(std::string_view caption, std::initializer_list<std::string_view> subItems, int32_t imageIndex = 0)
        : HistoryRecord(caption, std::span(subItems.begin(), subItems.size()), imageIndex) {}

    // A row whose texts stay in a history file's bytes. The bytes must
    // outlive the row: the HistoryRows that holds it keeps them.
    static HistoryRecord inFile(const HistoryFileKey&, const char* texts, uint32_t subItems, int32_t imageIndex);

    // A copy shares the row's block (its texts never change), or has one of
    // its own for a row read in place.
    HistoryRecord(const HistoryRecord& other);
    HistoryRecord(HistoryRecord&& other) noexcept;
    HistoryRecord& operator=(const HistoryRecord& other);
    HistoryRecord& operator=(HistoryRecord&& other) noexcept;
    ~HistoryRecord() = default;

    std::string_view caption() const { return text(0); }
    std::size_t subItemCount() const { return subItems_; }
    // Needs i < subItemCount(); subItemOrEmpty() takes any column.
    std::string_view subItem(std::size_t i) const { return text(i + 1); }
    int32_t imageIndex() const { return imageIndex_; }

    // Calls `visit` with the caption, then with each sub-item in turn.
    template <class Visit>
    void forEachText(Visit&& visit) const {
        if (!texts_) {
            visit(std::string_view());
            return;
        }
        const char* at = texts_;
        for (std::size_t i = 0; i <= subItems_; ++i) {
            const std::string_view text = textAt(at);
            visit(text);
            at = text.data() + text.size();  // the next length follows the text
        }
    }

    bool operator==(const HistoryRecord& other) const;

private:
    friend class HistoryRows;  // its snapshots share the texts of rows read in place
    // A copy that shares the texts wherever they are: the bytes a row read in
    // place points into must outlive it.
    HistoryRecord sharingTexts() const;

    // Text 0 is the caption, text i the sub-item i - 1.
    std::string_view text(std::size_t i) const;
    // The text whose length stands at `at`. Lengths are little-endian and
    // may sit at any byte.
    std::string_view textAt(const char* at) const {
        const std::size_t width = block_ ? BlockLengthWidth : FileLengthWidth;
        uint32_t length = 0;
        for (std::size_t i = 0; i < width; ++i) length |= uint32_t{static_cast<unsigned char>(at[i])} << (8 * i);
        return {at + width, length};
    }

    std::shared_ptr<const char[]> block_;  // the row's own texts; null for a row read in place
    const char* texts_ = nullptr;          // the first length; null for an empty caption without sub-items
    uint32_t subItems_ = 0;
    int32_t imageIndex_ = 0;
};

// Positions of the sub-items (column number minus one).
namespace HistoryItem {
inline constexpr std::size_t Time = 0, Search = 1, Exact = 2, Exclude = 3, Domain = 4, FileType = 5, Browser = 6,
                             Interface = 7, Country = 8, Language = 9, TimePeriod = 10, Google = 11, Bing = 12,
                             Wikipedia = 13;
// The built-in services' columns follow each other in their table's order.
inline std::size_t engineColumn(SearchEngine engine) { return Google + engineIndex(engine); }
}  // namespace HistoryItem

// Sub-items of a row recorded with and without the advanced window.
inline constexpr std::size_t FullRowItems = 14;
inline constexpr std::size_t PlainRowItems = 12;

// What dodajtabelo (the bar's "add to the table") reads when a search starts.
struct SearchSnapshot {
    std::string date, time;              // already formatted (user's short date, long time)
    std::string searchText;              // eurl
    std::optional<OptionTexts> options;  // while the advanced window is shown
    std::optional<SearchEngine> engine;  // the bar's chosen built-in service
};

// The row a search records: 14 sub-items while the advanced window is shown;
// otherwise Time, Search and ten times "- - -" (no Bing and Wikipedia cells).
HistoryRecord makeHistoryRecord(const SearchSnapshot& search);

// Sub-item `i`, or an empty text for rows that end before it.
std::string_view subItemOrEmpty(const HistoryRecord& record, std::size_t i);

struct HistoryColumn {
    std::string_view caption;
    int width;  // DefaultColumnWidth: the list's own width
};
inline constexpr int DefaultColumnWidth = -1;

inline constexpr std::array<HistoryColumn, 15> HistoryColumns{{
    {"Date", 75},
    {"Time", 75},
    {"Search", 210},
    {"Exact", 80},
    {"Exclude", 80},
    {"Site or Domain", 120},
    {"File type", 100},
    {"Browser", 100},
    {"Interface", 100},
    {"Contry", 100},
    {"Language", 100},
    {"Time Period", 100},
    {"Google", DefaultColumnWidth},
    {"Bing", DefaultColumnWidth},
    {"Wikipedia", DefaultColumnWidth},
}};

// True when `findText` occurs, ignoring ASCII case, in Search, Exact,
// Exclude, Site or Domain, File type, Contry or Language. An empty find text
// matches no row.
bool matchesFind(const HistoryRecord& record, std::string_view findText);

// Row background as a COLORREF (0x00BBGGRR): odd rows white, even rows light
// grey, rows matching the find light yellow.
uint32_t rowBackground(std::size_t index, bool highlighted);

// A row recorded while the advanced window was hidden: its Browser is "- - -".
bool recordedWithoutOptions(const HistoryRecord& record);

// What the history's Run puts back from a row: the bar's text and, for a row
// recorded with the advanced window, its options. A "- - -" of Exact, Exclude
// or Site or Domain comes back empty, and so does the search text of such a
// row; a row recorded without options gives its search text as it stands.
struct RunRestore {
    std::string searchText;
    std::optional<OptionTexts> options;  // none: the advanced window is hidden
};
RunRestore runRestore(const HistoryRecord& record);

}  // namespace vask
