#include "old_history.h"

#include <string>

#include "history/history_rows.h"

namespace vask::test {

HistoryRecord oldRow(std::size_t number) {
    SearchSnapshot snapshot;
    snapshot.date = "1.1.2020";
    snapshot.time = "12:00:00";
    snapshot.searchText = "old " + std::to_string(number);
    return makeHistoryRecord(snapshot);
}

std::vector<HistoryRecord> fullOldHistory() {
    std::vector<HistoryRecord> rows;
    rows.reserve(HistoryRows::MaxRows);
    for (std::size_t i = 0; i < HistoryRows::MaxRows; ++i) rows.push_back(oldRow(i));
    return rows;
}

}  // namespace vask::test
