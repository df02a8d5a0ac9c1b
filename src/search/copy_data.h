#pragma once
// The text another program hands the bar in a WM_COPYDATA message, and the
// two commands it may carry.
#include <cstddef>
#include <string>
#include <string_view>

namespace vask {

// At most 99 bytes, cut at the first zero byte or at `size`, whichever comes
// first; nothing beyond `size` bytes is read. A null pointer or size 0 is "".
std::string copyDataText(const void* data, std::size_t size);

enum class CopyDataCommand {
    None,
    Opaque,  // "201": make the bar fully opaque and focus the search field
    Close,   // "202": close the bar as "Exit" does
};

CopyDataCommand copyDataCommand(std::string_view text);

}  // namespace vask
