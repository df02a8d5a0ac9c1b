// Suggestions on a full history (65,535 typical rows) under Windows: each
// keystroke's query timed on its own, and the index's build. The floor of a
// keystroke is copying the texts it suggests; of the build, copying every
// search text into one string.
//   suggestion_wine_bench RUNS
// Prints "keystroke" and "build" lines (label, median ms, floor median ms)
// and "memory" (label, bytes).
#include <windows.h>

#include "wall_clock.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "history/history_rows.h"
#include "search/suggestions.h"
#include "suggestion_workload.h"

namespace {

template <typename Work>
double timeMs(Work work) {
    const double start = nowMs();
    work();
    return nowMs() - start;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    using namespace vask;
    const int runs = std::max(1, argc > 1 ? _wtoi(argv[1]) : 7);
    const bench::SuggestionWorkload workload = bench::suggestionWorkload();
    SuggestionIndex index(HistoryRows::MaxRows);

    std::vector<double> build, buildFloor, keystroke, keystrokeFloor;
    std::size_t suggested = 0;  // keeps the work from being optimised away
    for (int run = 0; run < runs; ++run) {
        build.push_back(timeMs([&] { index.rebuild(workload.searchTexts); }));
        buildFloor.push_back(timeMs([&] {
            std::string texts;
            for (const std::string_view text : workload.searchTexts) texts += text;
            suggested += texts.size();
        }));
        for (const std::string& typed : workload.keystrokes) {
            std::vector<std::string> answer;
            keystroke.push_back(timeMs([&] { answer = index.suggest(typed); }));
            keystrokeFloor.push_back(timeMs([&] {
                std::vector<std::string> copy = answer;
                suggested += copy.size();
            }));
        }
    }
    std::printf("keystroke\t%.4f\t%.4f\n", median(keystroke), median(keystrokeFloor));
    std::printf("build\t%.3f\t%.3f\n", median(build), median(buildFloor));
    std::printf("memory\t%zu\t%zu\n", index.memoryBytes(), suggested % 2);
    return 0;
}
