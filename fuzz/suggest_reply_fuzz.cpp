// Reads arbitrary bytes as an engine's suggestions reply, as the bar does
// with what the network brings. Whatever comes, the completions are
// non-empty UTF-8 without control characters, and the rows they make under
// the search field are at most eight, none twice, the history's first.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "common/utf8.h"
#include "search/engine_suggest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view body(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> completions = vask::readSuggestReply(body);
    if (body.size() > vask::MaxSuggestReplyBytes && !completions.empty()) std::abort();
    for (const std::string& text : completions) {
        if (text.empty() || !vask::isValidUtf8(text)) std::abort();
        if (std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
            std::abort();
    }
    const std::vector<std::string> history{"!kw a", "!kw b"};
    const vask::SuggestionRows rows = vask::mergeSuggestions(history, completions, "!kw ", 8);
    if (rows.texts.size() > 8 || rows.historyRows != history.size()) std::abort();
    if (std::set<std::string>(rows.texts.begin(), rows.texts.end()).size() != rows.texts.size()) std::abort();
    return 0;
}
