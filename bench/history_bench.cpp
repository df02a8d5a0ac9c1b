// Writing and reading a full history file (65,535 typical rows). The floor
// of writing is gathering the same texts into one string; of reading,
// copying the file's bytes, which the reader takes as its own.
#include <string>
#include <vector>

#include "bench_pairs.h"
#include "common/utf8.h"
#include "history/history_file.h"
#include "typical_history.h"

namespace vask::bench {
namespace {

const std::vector<HistoryRecord>& fullHistory() {
    static const std::vector<HistoryRecord> rows = typicalHistory(HistoryRows::MaxRows);
    return rows;
}

HistoryRows asRows(const std::vector<HistoryRecord>& records) {
    HistoryRows rows;
    rows.replaceAll(records);
    return rows;
}

const bool registered = [] {
    registerPair(
        "history/save 65535 rows",
        [](benchmark::State& state) {
            const HistoryRows rows = asRows(fullHistory());
            for (auto _ : state) benchmark::DoNotOptimize(saveHistory(rows));
        },
        [](benchmark::State& state) {
            const HistoryRows rows = asRows(fullHistory());
            for (auto _ : state) {
                std::string texts;
                for (const HistoryRecord& row : rows) {
                    texts += row.caption();
                    for (std::size_t i = 0; i < row.subItemCount(); ++i) texts += row.subItem(i);
                }
                benchmark::DoNotOptimize(texts);
            }
        },
        benchmark::kMillisecond);
    registerPair(
        "history/load 65535 rows",
        [](benchmark::State& state) {
            const std::string file = saveHistory(fullHistory());
            for (auto _ : state) benchmark::DoNotOptimize(loadHistory(file, latin1ToUtf8));  // a copy of the file
        },
        [](benchmark::State& state) {
            const std::string file = saveHistory(fullHistory());
            for (auto _ : state) {
                std::string copy = file;
                benchmark::DoNotOptimize(copy);
            }
        },
        benchmark::kMillisecond);
    return true;
}();

}  // namespace
}  // namespace vask::bench
