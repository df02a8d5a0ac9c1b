#pragma once
// What the bar's engine menus hold, as data: "Search engine" (the compact
// layout's) lists the built-in engines and then one's own; "More engines"
// (the full layout's, whose radio buttons choose the built-in ones) lists
// one's own only.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "search/own_engines.h"
#include "search/search_plan.h"

namespace vask {

// Command ids: the built-in engines from `firstBuiltIn`, one's own from `firstOwn`.
struct EngineMenuIds {
    unsigned firstBuiltIn, firstOwn;
};

struct EngineMenuRow {
    unsigned id;
    std::string text;
    bool operator==(const EngineMenuRow&) const = default;
};

std::vector<EngineMenuRow> engineMenuRows(EngineMenuIds ids, std::span<const OwnEngine> ownEngines, bool compact);

// The row of that menu the radio mark stands on; none when the engine is not in it.
std::optional<std::size_t> markedEngineRow(const ChosenEngine& chosen, bool compact);

// The engine a command chooses; none for other commands.
std::optional<ChosenEngine> engineChosenBy(EngineMenuIds ids, std::size_t ownCount, unsigned id);

}  // namespace vask
