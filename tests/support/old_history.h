#pragma once
// Histories written before a test runs, for tests that start on one.
#include <cstddef>
#include <vector>

#include "history/history_record.h"

namespace vask::test {

// Row `number` of such a history: a plain search "old <number>".
HistoryRecord oldRow(std::size_t number);

// A history as full as the file holds: 65,535 old rows, newest first.
std::vector<HistoryRecord> fullOldHistory();

}  // namespace vask::test
