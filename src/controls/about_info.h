#pragma once
// The maker's web page: shown in the about box and opened from it.
#include <string_view>

namespace vask {

inline constexpr std::string_view MakerWebAddress = "https://www.vask.example";

}  // namespace vask
