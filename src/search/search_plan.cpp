#include "search/search_plan.h"

#include "search/keyword_search.h"

namespace vask {
namespace {

std::optional<SearchPlan> ownEngineSearch(const OwnEngine& engine, std::string_view text, const SearchInputs& in,
                                          std::string recordedText) {
    std::optional<std::string> url = expandTemplate(engine.urlTemplate, text);
    if (!url) return std::nullopt;
    // The named browser only while the advanced window is open, as for the built-in engines.
    std::string program = in.advancedOpen ? browserProgramFor(in.browserItem) : std::string{};
    return SearchPlan{{std::move(program), std::move(*url)}, std::move(recordedText), std::nullopt};
}

}  // namespace

std::optional<SearchPlan> planSearch(SearchOptions& options, SearchInputs in, const ChosenEngine& chosen,
                                     std::span<const OwnEngine> ownEngines) {
    std::string typed = in.text;
    if (const auto keyword = searchByKeyword(typed, ownEngines)) {
        if (const std::size_t* own = keyword->ownIndex())
            return ownEngineSearch(ownEngines[*own], keyword->text, in, typed);
        in.engine = *keyword->builtIn();
        in.text = std::string(keyword->text);
    } else if (const std::size_t* own = std::get_if<std::size_t>(&chosen); own && *own < ownEngines.size()) {
        const OwnEngine& engine = ownEngines[*own];
        return ownEngineSearch(engine, typed, in, "!" + engine.keyword + " " + typed);
    } else if (const SearchEngine* builtIn = std::get_if<SearchEngine>(&chosen)) {
        in.engine = *builtIn;
    }
    const SearchEngine engine = in.engine;
    return SearchPlan{composeSearch(options, in), std::move(typed), engine};
}

}  // namespace vask
