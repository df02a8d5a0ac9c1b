#pragma once
// What the suggestion benchmarks time, natively and under Wine: a full
// history of typical searches (newest first) and the keystrokes of a user
// typing some of them again, one prefix per keystroke.
#include <string>
#include <string_view>
#include <vector>

#include "history/history_record.h"

namespace vask::bench {

struct SuggestionWorkload {
    std::vector<HistoryRecord> rows;
    std::vector<std::string_view> searchTexts;  // of `rows`, newest first
    std::vector<std::string> keystrokes;        // the field's text after each keystroke
};

SuggestionWorkload suggestionWorkload();

}  // namespace vask::bench
