// Feeds arbitrary bytes as the payload of a WM_COPYDATA message. The bytes
// sit in a heap block of exactly their size, so AddressSanitizer stops any
// read beyond it; the text is a prefix of the payload of at most 99 bytes,
// ending before the first zero byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "search/copy_data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const auto payload = std::make_unique<char[]>(size);
    if (size > 0) std::memcpy(payload.get(), data, size);

    const std::string text = vask::copyDataText(size > 0 ? payload.get() : nullptr, size);
    if (text.size() > 99 || text.size() > size) std::abort();
    if (text.find('\0') != std::string::npos) std::abort();
    if (std::memcmp(text.data(), payload.get(), text.size()) != 0) std::abort();
    // Cut short only by the limit or by a zero byte.
    if (text.size() < size && text.size() < 99 && payload[text.size()] != '\0') std::abort();
    return 0;
}
