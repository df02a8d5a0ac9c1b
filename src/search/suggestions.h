#pragma once
// Suggestions while typing: up to eight distinct earlier search texts from
// the history that begin with what is typed, compared without case in any
// script, newest first.
//
// The index mirrors the history's rows (newest first) by their search texts
// only. The history window and the bar keep it in step by making the same
// change to both: rebuild() after the history is read or replaced,
// recordAtTop() for each recorded search, eraseRows() for deleted rows,
// clear(). A text is stored once however many rows hold it.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vask {

class SuggestionIndex {
public:
    static constexpr std::size_t MaxSuggestions = 8;

    // `maxRows`: the history's own limit (HistoryRows::MaxRows); a row
    // recorded beyond it drops the oldest, as the history does.
    explicit SuggestionIndex(std::size_t maxRows);

    // The search texts of every row, newest first.
    void rebuild(std::span<const std::string_view> searchTextsNewestFirst);
    // A new newest row.
    void recordAtTop(std::string_view searchText);
    // Removes the listed rows: any order, repeats allowed, indices outside
    // the rows ignored (as HistoryRows::eraseRows). Rebuilds what is left.
    void eraseRows(const std::vector<std::size_t>& indices);
    void clear();

    std::size_t rowCount() const { return rows_.size(); }
    // The rows whose search text is exactly `text` (case and all), top
    // first: what Shift+Delete on a suggestion removes from the history.
    std::vector<std::size_t> rowsWithText(std::string_view text) const;

    // Up to MaxSuggestions distinct texts that begin with `typed` without
    // case, the one searched most recently first. A text equal to `typed`
    // is among them; an empty `typed` gives the newest texts.
    std::vector<std::string> suggest(std::string_view typed) const;

    // Bytes held by the index (capacities, not sizes).
    std::size_t memoryBytes() const;

private:
    // texts_ holds each text at its entry's offset: the text's size and its
    // folded size (two bytes each, little-endian), the text, and its folded
    // text unless folding changes nothing. Texts no row refers to any more
    // (repeats left by a build, texts that left the history) stay until the
    // entries in use are packed.
    using Entry = uint32_t;
    static constexpr uint16_t SameAsText = UINT16_MAX;
    // An entry in sorted order with the stamp of its newest row: larger is
    // newer. Row i (from the top) has the stamp top_ - i.
    struct Slot {
        Entry entry;
        uint32_t newest;
    };

    std::string_view textOf(Entry entry) const;
    std::string_view foldedOf(Entry entry) const;
    // Stores a text and its folding at the end of texts_.
    Entry addEntry(std::string_view text);
    std::size_t storedSize(Entry entry) const;
    // Copies the entries in sorted_ into a new texts_, leaving out those no
    // row refers to any more.
    void packTexts();
    // The slot of `text` (folded as `folded`), or where it would go.
    std::vector<Slot>::const_iterator findSlot(std::string_view folded, std::string_view text) const;
    void dropOldestRow();
    // Rebuilds from the rows' own texts, leaving out `dropped` rows.
    void rebuildKeeping(const std::vector<bool>& dropped);

    std::size_t maxRows_;
    std::vector<char> texts_;       // not a string, whose reserve() doubles
    std::string folded_;            // addEntry's folded text
    std::vector<Slot> sorted_;      // every text in the history, by folded text, then by text
    std::deque<Entry> rows_;        // entry of each row, top first
    uint32_t top_ = 0;              // the top row's stamp
    std::size_t droppedBytes_ = 0;  // of texts that left the history
};

}  // namespace vask
