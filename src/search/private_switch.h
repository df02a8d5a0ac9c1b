#pragma once
// Private searches: a browser opened with its private switch as the first
// argument and the URL, unchanged, as the second.
#include <string_view>

namespace vask {

// The private switch of a browser program, given as a bare file name
// ("firefox.exe") or a full path (quoted or not), compared without case;
// empty for a browser whose switch is not known (and for the default
// browser, ""): then nothing may be opened.
std::string_view privateSwitchFor(std::string_view program);

}  // namespace vask
