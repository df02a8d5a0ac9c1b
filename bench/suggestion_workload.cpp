#include "suggestion_workload.h"

#include "history/history_rows.h"
#include "typical_history.h"

namespace vask::bench {

SuggestionWorkload suggestionWorkload() {
    SuggestionWorkload workload;
    workload.rows = typicalHistory(HistoryRows::MaxRows);
    for (const HistoryRecord& row : workload.rows)
        workload.searchTexts.push_back(subItemOrEmpty(row, HistoryItem::Search));
    // Typing three earlier searches in full, in another case and script than
    // recorded; the first letters match thousands of texts, the last a few.
    for (const std::string_view typed : {"WEATHER FORECAST LJUBLJANA 4097", "пушкин стихи 3", "東京 天気 12"}) {
        for (std::size_t length = 1; length <= typed.size(); ++length) {
            // Only whole characters: a keystroke adds one.
            if (length < typed.size() && (static_cast<unsigned char>(typed[length]) & 0xC0) == 0x80) continue;
            workload.keystrokes.emplace_back(typed.substr(0, length));
        }
    }
    return workload;
}

}  // namespace vask::bench
