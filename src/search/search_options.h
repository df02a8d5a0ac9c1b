#pragma once
// The advanced search parameters, each as the ready piece of URL text that
// the query composition splices in, made from the lists' selected indices.
#include <string>

namespace vask {

struct SearchOptions {
    std::string interfaceLanguage;  // "&hl=xx" (Google)
    std::string resultLanguage;     // "&lr=lang_xx" (Google)
    std::string country;            // "&cr=countryXX" (Google)
    std::string bingLocation;       // "+loc%3AXX"
    std::string bingLanguage;       // "++language%3Axx"
    std::string wikipediaPrefix;    // "xx." (language sub-domain)
    std::string fileType;           // bare extension, e.g. "pdf"

    // Each takes the list's selected index; -1 is no selection. An index
    // outside the list leaves its fragments empty, as for "- - -".
    void interfaceLanguageChanged(int index);
    void resultLanguageChanged(int index);
    void countryChanged(int index);  // also runs when the time period changes
    void fileTypeChanged(int index);

    bool operator==(const SearchOptions&) const = default;

    // All four lists at once: the change operations in their fixed order
    // interface language, country, result language, file type.
    void recompute(int interfaceIndex, int countryIndex, int resultIndex, int fileTypeIndex);
    // A list at "- - -" may hold its placeholder ("&hl= "); a search leaves it out.
    void dropPlaceholders(int interfaceIndex, int countryIndex, int resultIndex);
};

}  // namespace vask
