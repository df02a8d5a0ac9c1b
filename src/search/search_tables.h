#pragma once
// The fixed item lists of the advanced window's option lists and the URL
// codes that run parallel to them: item i of a list pairs with code i.
// Row 0 of every list is the "none" entry.
#include <array>
#include <string_view>

namespace vask {

struct CodeRow {
    std::string_view item;  // text shown in the list
    std::string_view code;  // full table entry, e.g. "hl=af"
};

extern const std::array<CodeRow, 150> InterfaceLanguages;  // codes "hl=..."
extern const std::array<CodeRow, 47> ResultLanguages;      // codes "lr=lang_..."
extern const std::array<CodeRow, 243> Countries;           // codes "countryXX"
extern const std::array<std::string_view, 9> FileTypes;    // "Name (.ext)"
extern const std::array<std::string_view, 6> TimePeriods;

}  // namespace vask
