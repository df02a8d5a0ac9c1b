#include "search/advanced_choice.h"

#include <utility>

namespace vask {

SearchOptions searchOptionsFor(const AdvancedChoice& choice) {
    SearchOptions options;
    options.recompute(choice.interfaceIndex, choice.countryIndex, choice.resultIndex, choice.fileTypeIndex);
    options.dropPlaceholders(choice.interfaceIndex, choice.countryIndex, choice.resultIndex);
    return options;
}

SearchInputs searchInputsFor(const AdvancedChoice& choice, std::string text, SearchEngine engine) {
    SearchInputs in;
    in.text = std::move(text);
    in.engine = engine;
    in.advancedOpen = choice.open;
    in.interfaceIndex = choice.interfaceIndex;
    in.resultIndex = choice.resultIndex;
    in.countryIndex = choice.countryIndex;
    in.timeIndex = choice.timeIndex;
    in.exact = choice.exact;
    in.exclude = choice.exclude;
    in.domain = choice.domain;
    in.browserItem = choice.browserItem;
    return in;
}

}  // namespace vask
