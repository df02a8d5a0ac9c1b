#pragma once
// The search history held in memory: newest row first, the order in which
// the rows were recorded and in which the history file stores them.
#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "history/history_record.h"

namespace vask {

// The rows of a history at one moment, for a save on another thread: they
// share their texts with the history's rows, whatever becomes of those.
struct HistorySnapshot {
    std::vector<std::shared_ptr<const std::string>> files;  // what rows read in place point into
    std::vector<HistoryRecord> rows;                        // top row first
};

class HistoryRows {
public:
    // The file's row count is 16 bits wide: a longer history cannot be kept.
    static constexpr std::size_t MaxRows = 65535;

    using const_iterator = std::deque<HistoryRecord>::const_iterator;

    HistoryRows() = default;
    // The rows read from a history file, top row first. Rows read in place
    // point into `file`, which is kept until the rows are cleared or replaced.
    HistoryRows(const HistoryFileKey&, std::unique_ptr<const std::string> file, std::deque<HistoryRecord> rows);

    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    const HistoryRecord& operator[](std::size_t index) const { return rows_[index]; }
    const HistoryRecord& front() const { return rows_.front(); }
    const HistoryRecord& back() const { return rows_.back(); }
    const_iterator begin() const { return rows_.begin(); }
    const_iterator end() const { return rows_.end(); }

    // Puts a new search on top; at MaxRows rows the oldest one is dropped.
    void recordAtTop(HistoryRecord record);

    // Indices outside the history are ignored.
    void erase(std::size_t index);
    // "Delete record": removes every listed row; the indices may come in any
    // order and repeat, and those outside the history are ignored.
    void eraseRows(const std::vector<std::size_t>& indices);
    void clear();

    // New rows, top row first; beyond MaxRows the oldest are left out.
    void replaceAll(std::vector<HistoryRecord> rows);
    // Puts `older` under these rows; beyond MaxRows the oldest are left out.
    void appendOlder(HistoryRows older);

    // The rows as they are now, copied without copying their texts, into
    // `into` (whose memory an earlier snapshot may leave for reuse).
    void snapshot(HistorySnapshot& into) const;

private:
    // Declared first, so the rows pointing into them go first.
    std::vector<std::shared_ptr<const std::string>> files_;
    std::deque<HistoryRecord> rows_;
};

// The row left selected after recording: the previous top row (now row 1),
// or the new row when the history was empty.
std::size_t selectionAfterRecording(std::size_t rowsBefore);

// What a report list asks for as the user types into it: the typed text,
// matched against the start of a row's date or against the whole date.
struct DateSearch {
    std::string text;
    bool partial = true;    // the date need only start with the text
    std::size_t start = 0;  // the first row looked at
    bool wrap = false;      // past the last row, go on from row 0 up to `start`
};

// The first row from `start` on whose date matches, ignoring ASCII case;
// none when no row does.
std::optional<std::size_t> findRowByDate(const HistoryRows& rows, const DateSearch& search);

}  // namespace vask
