// Feeds arbitrary bytes to the "color.cld" reader. A stream it accepts must
// write and read back to the same colours.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "bar/color_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto first = vask::readColorStream(bytes);
    if (!first) return 0;

    const auto again = vask::readColorStream(vask::writeColorStream(*first));
    if (!again || again->color != first->color || again->customColors != first->customColors) std::abort();
    return 0;
}
