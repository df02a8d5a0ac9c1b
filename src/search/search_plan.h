#pragma once
// What one search does, as a pure function: the typed text may name an
// engine by keyword for this one search, and the bar may have one of one's
// own engines chosen; the plan says which URL opens in which program and
// what the history records.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <variant>

#include "search/advanced_choice.h"
#include "search/own_engines.h"
#include "search/query.h"

namespace vask {

// The bar's engine: a built-in one, or one of one's own by its place in the list.
using ChosenEngine = std::variant<SearchEngine, std::size_t>;

struct SearchPlan {
    LaunchRequest request;
    // The search text the history records: as typed, or with the keyword of
    // the own engine chosen in the bar put before it ("!ddg cats"), so that
    // running it again finds the same engine.
    std::string recordedText;
    // The built-in engine the history marks; none for one's own engines.
    std::optional<SearchEngine> recordedEngine;
};

// The bar's text as typed goes to the engine its keyword or `chosen` names,
// with the advanced window's choice. A search with one's own engine takes
// only the browser of the choice. None when an own engine's template cannot
// make a URL (it is then never opened).
std::optional<SearchPlan> planSearch(const AdvancedChoice& advanced, const std::string& typed,
                                     const ChosenEngine& chosen, std::span<const OwnEngine> ownEngines);

}  // namespace vask
