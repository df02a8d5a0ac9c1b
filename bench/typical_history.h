#pragma once
// A long history of searches as the bar records them: every row with the
// advanced window shown (14 sub-items), with texts of ordinary length in
// several scripts, so the benchmarks time what a heavy user's file holds.
#include <cstddef>
#include <vector>

#include "history/history_record.h"

namespace vask::bench {

std::vector<HistoryRecord> typicalHistory(std::size_t rows);

}  // namespace vask::bench
