#pragma once
// Completions from the engine a search would go to, in the OpenSearch
// suggestions format: where to ask, what the reply says, and how its rows
// join the history's under the search field.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "search/own_engines.h"
#include "search/search_plan.h"

namespace vask {

// A reply bigger than this is no list of completions.
inline constexpr std::size_t MaxSuggestReplyBytes = std::size_t{64} << 10;

struct SuggestRequest {
    std::string url;
    // What comes before a completion in the field: the typed "!kw " when the
    // text names an engine by keyword, else nothing.
    std::string keywordPrefix;
};

// Where the completions of `typed` are asked: the engine its keyword names,
// else the bar's. Wikipedia is asked in the language the search would use
// (`wikipediaPrefix` is the search options' "xx.", empty for English). None
// when there is no text to complete or the engine (one's own without a
// suggestions template) has no completions.
std::optional<SuggestRequest> engineSuggestRequest(std::string_view typed, const ChosenEngine& chosen,
                                                   std::span<const OwnEngine> ownEngines,
                                                   std::string_view wikipediaPrefix);

// The completions of a reply: `["query", ["one", "two", ...], ...]`, further
// elements ignored. A reply over MaxSuggestReplyBytes, not UTF-8 JSON, or of
// any other shape gives none; completions that are empty or hold control
// characters are left out.
std::vector<std::string> readSuggestReply(std::string_view body);

// Where a row under the search field came from: Shift+Delete forgets only
// the history's.
enum class SuggestionSource { History, Engine };

struct SuggestionRows {
    std::vector<std::string> texts;
    std::size_t historyRows = 0;  // the first rows are the history's, the rest the engine's

    SuggestionSource sourceOf(std::size_t row) const {
        return row < historyRows ? SuggestionSource::History : SuggestionSource::Engine;
    }
};

// The history's texts first, then the engine's completions (each after the
// keyword prefix), up to `maxRows` in all, no text twice.
SuggestionRows mergeSuggestions(std::vector<std::string> history, std::span<const std::string> completions,
                                std::string_view keywordPrefix, std::size_t maxRows);

}  // namespace vask
