#pragma once
// The search history held in memory: newest row first, the order in which
// the rows were recorded and in which the history file stores them.
#include <cstddef>
#include <deque>
#include <vector>

#include "history/history_record.h"

namespace vask {

class HistoryRows {
public:
    // The file's row count is 16 bits wide: a longer history cannot be kept.
    static constexpr std::size_t MaxRows = 65535;

    using const_iterator = std::deque<HistoryRecord>::const_iterator;

    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    const HistoryRecord& operator[](std::size_t index) const { return rows_[index]; }
    const_iterator begin() const { return rows_.begin(); }
    const_iterator end() const { return rows_.end(); }

    // Puts a new search on top; at MaxRows rows the oldest one is dropped.
    void recordAtTop(HistoryRecord record);

    // Indices outside the history are ignored.
    void erase(std::size_t index);
    // "Delete record": removes every listed row; the indices may come in any
    // order and repeat, and those outside the history are ignored.
    void eraseRows(const std::vector<std::size_t>& indices);
    void clear() { rows_.clear(); }

    // The rows of a loaded file, top row first; beyond MaxRows the oldest are left out.
    void replaceAll(std::vector<HistoryRecord> rows);

private:
    std::deque<HistoryRecord> rows_;
};

// The row left selected after recording: the previous top row (now row 1),
// or the new row when the history was empty.
std::size_t selectionAfterRecording(std::size_t rowsBefore);

}  // namespace vask
