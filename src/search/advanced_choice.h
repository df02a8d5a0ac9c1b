#pragma once
// What the advanced window holds, as one value: its lists' positions, its
// three texts, the chosen browser, and whether it is open and docked. A
// search reads it whole; the URL fragments follow from it.
#include <string>

#include "search/query.h"
#include "search/search_options.h"

namespace vask {

struct AdvancedChoice {
    // Positions in the lists; -1 when none is selected. A window never made
    // has every list at its first entry.
    int interfaceIndex = 0, resultIndex = 0, countryIndex = 0, fileTypeIndex = 0, timeIndex = 0;
    std::string exact, exclude, domain;  // eexact, eexclude, edomain
    std::string browserItem;             // the browser list's selected text; empty when none
    bool open = false;                   // shown from the bar
    bool docked = true;                  // attached to the bar
    int pinnedBrowserIndex = 0;          // the browser selected each time it is shown
};

// The URL fragments of the lists' positions, as a search puts them in.
SearchOptions searchOptionsFor(const AdvancedChoice& choice);

// The choice's search fields, with the bar's text and engine.
SearchInputs searchInputsFor(const AdvancedChoice& choice, std::string text, SearchEngine engine);

}  // namespace vask
