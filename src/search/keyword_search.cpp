#include "search/keyword_search.h"

#include <algorithm>
#include <array>

#include "common/white_space.h"

namespace vask {
namespace {

// In the order of builtInEngines().
constexpr std::array<std::string_view, BuiltInEngineCount> kBuiltInKeywords{"g", "b", "w"};

}  // namespace

std::string_view builtInKeyword(SearchEngine engine) { return kBuiltInKeywords[engineIndex(engine)]; }

std::optional<KeywordSplit> splitKeyword(std::string_view typed) {
    if (!typed.starts_with('!')) return std::nullopt;
    const std::size_t space = findWhiteSpace(typed);
    if (space == std::string_view::npos || space == 1) return std::nullopt;
    return KeywordSplit{typed.substr(1, space - 1), withoutLeadingWhiteSpace(typed.substr(space))};
}

std::optional<KeywordSearch> searchByKeyword(std::string_view typed, std::span<const OwnEngine> ownEngines) {
    const auto split = splitKeyword(typed);
    if (!split) return std::nullopt;
    for (std::size_t i = 0; i < kBuiltInKeywords.size(); ++i) {
        if (sameKeyword(split->keyword, kBuiltInKeywords[i]))
            return KeywordSearch{static_cast<SearchEngine>(i), split->text};
    }
    const auto own = std::find_if(ownEngines.begin(), ownEngines.end(),
                                  [&](const OwnEngine& e) { return sameKeyword(e.keyword, split->keyword); });
    if (own == ownEngines.end()) return std::nullopt;
    return KeywordSearch{static_cast<std::size_t>(own - ownEngines.begin()), split->text};
}

}  // namespace vask
