#pragma once
// Host names of the search services; the scheme, paths and query keys are
// fixed by the query composition.
#include <string_view>

namespace vask {

inline constexpr std::string_view GoogleSearchHost = "www.google.com";
inline constexpr std::string_view BingSearchHost = "www.bing.com";
inline constexpr std::string_view WikipediaHost = "wikipedia.org";  // after the "xx." language prefix

}  // namespace vask
