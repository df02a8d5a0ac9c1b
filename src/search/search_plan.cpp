#include "search/search_plan.h"

#include "search/keyword_search.h"

namespace vask {
namespace {

std::optional<SearchPlan> ownEngineSearch(const OwnEngine& engine, std::string_view text,
                                          const AdvancedChoice& advanced, std::string recordedText) {
    std::optional<std::string> url = expandTemplate(engine.urlTemplate, text);
    if (!url) return std::nullopt;
    // The named browser only while the advanced window is open, as for the built-in engines.
    std::string program = advanced.open ? browserProgramFor(advanced.browserItem) : std::string{};
    return SearchPlan{{std::move(program), std::move(*url)}, std::move(recordedText), std::nullopt};
}

SearchPlan builtInSearch(const AdvancedChoice& advanced, std::string text, SearchEngine engine,
                         std::string recordedText) {
    LaunchRequest request =
        composeSearch(searchOptionsFor(advanced), searchInputsFor(advanced, std::move(text), engine));
    return SearchPlan{std::move(request), std::move(recordedText), engine};
}

}  // namespace

std::optional<SearchPlan> planSearch(const AdvancedChoice& advanced, const std::string& typed,
                                     const ChosenEngine& chosen, std::span<const OwnEngine> ownEngines) {
    if (const auto keyword = searchByKeyword(typed, ownEngines)) {
        if (const std::size_t* own = keyword->ownIndex())
            return ownEngineSearch(ownEngines[*own], keyword->text, advanced, typed);
        return builtInSearch(advanced, std::string(keyword->text), *keyword->builtIn(), typed);
    }
    if (const std::size_t* own = std::get_if<std::size_t>(&chosen)) {
        // A place beyond the list names no engine: the first built-in one searches.
        if (*own >= ownEngines.size()) return builtInSearch(advanced, typed, SearchEngine::Google, typed);
        const OwnEngine& engine = ownEngines[*own];
        return ownEngineSearch(engine, typed, advanced, "!" + engine.keyword + " " + typed);
    }
    const SearchEngine engine = std::get<SearchEngine>(chosen);
    return builtInSearch(advanced, typed, engine, typed);
}

}  // namespace vask
