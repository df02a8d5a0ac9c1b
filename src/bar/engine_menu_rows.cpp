#include "bar/engine_menu_rows.h"

namespace vask {

std::vector<EngineMenuRow> engineMenuRows(EngineMenuIds ids, std::span<const OwnEngine> ownEngines, bool compact) {
    std::vector<EngineMenuRow> rows;
    if (compact)
        for (std::size_t i = 0; i < BuiltInEngineCount; ++i)
            rows.push_back(
                {ids.firstBuiltIn + static_cast<unsigned>(i), std::string("&").append(builtInEngines()[i].name)});
    for (std::size_t i = 0; i < ownEngines.size(); ++i)
        rows.push_back({ids.firstOwn + static_cast<unsigned>(i), ownEngines[i].name});
    return rows;
}

std::optional<std::size_t> markedEngineRow(const ChosenEngine& chosen, bool compact) {
    if (const auto* own = std::get_if<std::size_t>(&chosen)) return compact ? BuiltInEngineCount + *own : *own;
    if (!compact) return std::nullopt;
    return engineIndex(std::get<SearchEngine>(chosen));
}

std::optional<ChosenEngine> engineChosenBy(EngineMenuIds ids, std::size_t ownCount, unsigned id) {
    if (id >= ids.firstBuiltIn && id < ids.firstBuiltIn + BuiltInEngineCount)
        return ChosenEngine{static_cast<SearchEngine>(id - ids.firstBuiltIn)};
    if (id >= ids.firstOwn && id < ids.firstOwn + ownCount)
        return ChosenEngine{static_cast<std::size_t>(id - ids.firstOwn)};
    return std::nullopt;
}

}  // namespace vask
