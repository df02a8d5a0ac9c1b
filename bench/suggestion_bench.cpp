// Suggestions on a full history (65,535 typical rows): one keystroke's query,
// building the index, and recording a search into a full index. The floor of
// a keystroke is copying the texts it suggests; of the build, copying every
// search text into one string; of recording, copying its text.
#include <cstddef>
#include <string>

#include "bench_pairs.h"
#include "history/history_rows.h"
#include "search/suggestions.h"
#include "suggestion_workload.h"

namespace vask::bench {
namespace {

const SuggestionWorkload& workload() {
    static const SuggestionWorkload loaded = suggestionWorkload();
    return loaded;
}

SuggestionIndex fullIndex() {
    SuggestionIndex index(HistoryRows::MaxRows);
    index.rebuild(workload().searchTexts);
    return index;
}

const bool registered = [] {
    registerPair(
        "suggestions/keystroke 65535 rows",
        [](benchmark::State& state) {
            const SuggestionIndex index = fullIndex();
            std::size_t next = 0;
            for (auto _ : state) {
                benchmark::DoNotOptimize(index.suggest(workload().keystrokes[next]));
                next = (next + 1) % workload().keystrokes.size();
            }
        },
        [](benchmark::State& state) {
            const SuggestionIndex index = fullIndex();
            std::vector<std::vector<std::string>> answers;
            for (const std::string& typed : workload().keystrokes) answers.push_back(index.suggest(typed));
            std::size_t next = 0;
            for (auto _ : state) {
                std::vector<std::string> copy = answers[next];
                benchmark::DoNotOptimize(copy);
                next = (next + 1) % answers.size();
            }
        });
    registerPair(
        "suggestions/build 65535 rows",
        [](benchmark::State& state) {
            SuggestionIndex index(HistoryRows::MaxRows);
            for (auto _ : state) index.rebuild(workload().searchTexts);
            state.counters["bytes"] = static_cast<double>(index.memoryBytes());
        },
        [](benchmark::State& state) {
            for (auto _ : state) {
                std::string texts;
                for (const std::string_view text : workload().searchTexts) texts += text;
                benchmark::DoNotOptimize(texts);
            }
        },
        benchmark::kMillisecond);
    registerPair(
        "suggestions/record 65535 rows",
        [](benchmark::State& state) {
            SuggestionIndex index = fullIndex();
            std::size_t n = 0;
            for (auto _ : state) index.recordAtTop("new search " + std::to_string(n++));
            state.counters["bytes"] = static_cast<double>(index.memoryBytes());
        },
        [](benchmark::State& state) {
            std::size_t n = 0;
            for (auto _ : state) benchmark::DoNotOptimize("new search " + std::to_string(n++));
        });
    return true;
}();

}  // namespace
}  // namespace vask::bench
