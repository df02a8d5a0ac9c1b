// Feeds arbitrary bytes to the settings reader. Whatever it reads must be
// written back byte for byte, and a key written into it must read back with
// every other line as it was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/ini_document.h"
#include "common/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vask::IniDocument document = vask::IniDocument::parse(bytes, vask::latin1ToUtf8);
    if (document.serialize() != bytes) std::abort();

    document.writeString("Fuzz", "Key", "v\r\nalue");
    const std::string written = document.serialize();
    const vask::IniDocument reread = vask::IniDocument::parse(written, vask::latin1ToUtf8);
    if (reread.readString("Fuzz", "Key", "") != "v  alue") std::abort();
    if (reread.serialize() != written) std::abort();
    return 0;
}
