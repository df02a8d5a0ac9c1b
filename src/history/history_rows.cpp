#include "history/history_rows.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "common/utf8.h"

namespace vask {

HistoryRows::HistoryRows(const HistoryFileKey&, std::unique_ptr<const std::string> file, std::deque<HistoryRecord> rows)
    : rows_(std::move(rows)) {
    files_.push_back(std::move(file));
    if (rows_.size() > MaxRows) rows_.resize(MaxRows);
}

void HistoryRows::recordAtTop(HistoryRecord record) {
    if (rows_.size() >= MaxRows) rows_.pop_back();
    rows_.push_front(std::move(record));
}

void HistoryRows::erase(std::size_t index) {
    if (index < rows_.size()) rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
}

void HistoryRows::eraseRows(const std::vector<std::size_t>& indices) {
    // One pass that closes the gaps, however many rows go.
    std::vector<bool> doomed(rows_.size());
    for (const std::size_t index : indices)
        if (index < doomed.size()) doomed[index] = true;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (doomed[i]) continue;
        if (kept != i) rows_[kept] = std::move(rows_[i]);
        ++kept;
    }
    rows_.resize(kept);
}

void HistoryRows::clear() {
    rows_.clear();
    files_.clear();
}

// The new rows have their own blocks: no file is needed any more.
void HistoryRows::replaceAll(std::vector<HistoryRecord> rows) {
    if (rows.size() > MaxRows) rows.resize(MaxRows);
    rows_.assign(std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    files_.clear();
}

void HistoryRows::appendOlder(HistoryRows older) {
    const std::size_t room = MaxRows - std::min(rows_.size(), MaxRows);
    if (older.rows_.size() > room) older.rows_.resize(room);
    std::move(older.rows_.begin(), older.rows_.end(), std::back_inserter(rows_));
    std::move(older.files_.begin(), older.files_.end(), std::back_inserter(files_));
}

void HistoryRows::snapshot(HistorySnapshot& into) const {
    into.files = files_;
    into.rows.clear();
    into.rows.reserve(rows_.size());
    for (const HistoryRecord& row : rows_) into.rows.push_back(row.sharingTexts());
}

std::size_t selectionAfterRecording(std::size_t rowsBefore) { return rowsBefore > 0 ? 1 : 0; }

std::optional<std::size_t> findRowByDate(const HistoryRows& rows, const DateSearch& search) {
    const std::string wanted = asciiUpper(search.text);
    const auto sameLetter = [](char upper, char c) { return upper == (c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c); };
    const auto matches = [&](std::size_t row) {
        const std::string_view date = rows[row].caption();
        if (search.partial ? date.size() < wanted.size() : date.size() != wanted.size()) return false;
        return std::equal(wanted.begin(), wanted.end(), date.begin(), sameLetter);
    };
    const std::size_t start = search.start < rows.size() ? search.start : (search.wrap ? 0 : rows.size());
    for (std::size_t row = start; row < rows.size(); ++row)
        if (matches(row)) return row;
    if (search.wrap)
        for (std::size_t row = 0; row < start; ++row)
            if (matches(row)) return row;
    return std::nullopt;
}

}  // namespace vask
