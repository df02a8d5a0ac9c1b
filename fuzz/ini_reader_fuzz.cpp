// Feeds arbitrary bytes to the settings reader. Whatever it reads must write
// as UTF-8, and reading what it wrote must give back the very same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/ini_document.h"
#include "common/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string written = vask::IniDocument::parse(bytes, vask::latin1ToUtf8).serialize();
    if (!vask::isValidUtf8(written)) std::abort();
    if (!written.empty() && !written.ends_with("\r\n")) std::abort();

    const std::string again = vask::IniDocument::parse(written, vask::latin1ToUtf8).serialize();
    if (again != written) std::abort();
    return 0;
}
