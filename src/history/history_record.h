#pragma once
// One row of the search history and the rules that tie its texts to the
// history's columns: what a search records, which columns the find looks in,
// how rows are coloured, and how a row is put back into the lists.
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vask {

// The history's "none" value; also the first entry of every option list.
inline constexpr std::string_view NoneValue = "- - -";

// One row of the history. The Date column is the caption; every further
// column is a sub-item. A history holds up to 65,535 rows, so a row keeps
// all its texts in one heap block: the end offset of each text, then the
// texts back to back. The offsets are 32 bits wide: a search typed into the
// bar may be longer than the 65,535 bytes the file keeps of it.
class HistoryRecord {
public:
    HistoryRecord() = default;
    HistoryRecord(std::string_view caption, std::span<const std::string_view> subItems, int32_t imageIndex = 0);
    HistoryRecord(std::string_view caption, std::initializer_list<std::string_view> subItems, int32_t imageIndex = 0)
        : HistoryRecord(caption, std::span(subItems.begin(), subItems.size()), imageIndex) {}

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

    bool operator==(const HistoryRecord& other) const;

private:
    // Text 0 is the caption, text i the sub-item i - 1.
    std::string_view text(std::size_t i) const;
    uint32_t textEnd(std::size_t i) const;
    const char* textBytes() const;

    std::unique_ptr<char[]> block_;  // null for an empty caption without sub-items
    uint32_t subItems_ = 0;
    int32_t imageIndex_ = 0;
};

// Positions of the sub-items (column number minus one).
namespace HistoryItem {
inline constexpr std::size_t Time = 0, Search = 1, Exact = 2, Exclude = 3, Domain = 4,
                             FileType = 5, Browser = 6, Interface = 7, Country = 8,
                             Language = 9, TimePeriod = 10, Google = 11, Bing = 12,
                             Wikipedia = 13;
}

// Sub-items of a row recorded with and without the advanced window.
inline constexpr std::size_t FullRowItems = 14;
inline constexpr std::size_t PlainRowItems = 12;

// What dodajtabelo (the bar's "add to the table") reads when a search starts.
struct SearchSnapshot {
    std::string date, time;   // already formatted (user's short date, long time)
    std::string searchText;   // eurl
    bool advancedShown = false;
    std::string exact, exclude, domain;  // eexact, eexclude, edomain
    // Display texts of the selected list entries ("" when none is selected).
    std::string fileType, browser, interfaceLanguage, country, resultLanguage, timePeriod;
    bool google = false, bing = false, wikipedia = false;  // the engine buttons
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
    {"Date", 75}, {"Time", 75}, {"Search", 210}, {"Exact", 80}, {"Exclude", 80},
    {"Site or Domain", 120}, {"File type", 100}, {"Browser", 100}, {"Interface", 100},
    {"Contry", 100}, {"Language", 100}, {"Time Period", 100},
    {"Google", DefaultColumnWidth}, {"Bing", DefaultColumnWidth},
    {"Wikipedia", DefaultColumnWidth},
}};

// True when `findText` occurs, ignoring ASCII case, in Search, Exact,
// Exclude, Site or Domain, File type, Contry or Language. An empty find text
// matches no row.
bool matchesFind(const HistoryRecord& record, std::string_view findText);

// Row background as a COLORREF (0x00BBGGRR): odd rows white, even rows light
// grey, rows matching the find light yellow.
uint32_t rowBackground(std::size_t index, bool highlighted);

// The last entry equal to `text` ignoring ASCII case, or -1 when none is:
// the entry Run selects in a list.
int lastEqualEntry(const std::vector<std::string>& items, std::string_view text);

// A row recorded while the advanced window was hidden: its Browser is "- - -".
bool recordedWithoutOptions(const HistoryRecord& record);

}  // namespace vask
