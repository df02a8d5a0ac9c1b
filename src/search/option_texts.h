#pragma once
// The advanced options as the advanced window shows them: what a search
// records of them in the history, and what the history's Run puts back.
#include <string>
#include <string_view>
#include <vector>

namespace vask {

struct OptionTexts {
    std::string exact, exclude, domain;  // the three edits
    // Display texts of the selected list entries ("" when none is selected).
    std::string fileType, browser, interfaceLanguage, country, resultLanguage, timePeriod;
};

// The last entry equal to `text` ignoring ASCII case, or -1 when none is:
// the entry a restored text selects in a list.
int lastEqualEntry(const std::vector<std::string>& items, std::string_view text);

}  // namespace vask
