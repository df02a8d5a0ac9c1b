#pragma once
// The items of the advanced window's browser list: the display names of the
// browsers registered with Windows, the default one marked " (Default)".
#include <string>
#include <string_view>
#include <vector>

namespace vask {

inline constexpr std::string_view DefaultBrowserMark = " (Default)";

// In the registry's order (the list sorts them itself). A name equal to
// `defaultName` (ignoring ASCII case) gets the mark; other empty names are
// left out, so an empty name shows only as the default browser.
std::vector<std::string> browserListItems(const std::vector<std::string>& registeredNames,
                                          std::string_view defaultName);

}  // namespace vask
