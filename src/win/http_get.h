#pragma once
// One GET of an http:// or https:// address through WinHTTP, which is loaded
// from the system folder the first time it is needed: the program's start
// and its imported DLLs stay as they are. The system's proxy settings, no
// cookies, the user agent "Vask/<version>", 3 s for the whole request.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vask::win {

// The body of a 200 reply, or none: another scheme, a failure of any kind,
// another status, or a body longer than `maxBytes`. Blocks: call it on a
// worker thread.
std::optional<std::string> httpGet(std::string_view url, std::size_t maxBytes);

}  // namespace vask::win
