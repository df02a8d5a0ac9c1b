// Expands arbitrary templates with arbitrary search texts (the input's bytes
// before and after its first line break). A template that passes the checks
// must give a URL that starts with its own http:// or https://, reaches the
// browser as one argument (no blank, no double quote) and holds no control
// character; every other template gives no URL at all.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/utf8.h"
#include "search/own_engines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t lineBreak = bytes.find('\n');
    const std::string_view urlTemplate = bytes.substr(0, lineBreak);
    const std::string_view text =
        lineBreak == std::string_view::npos ? std::string_view() : bytes.substr(lineBreak + 1);

    const auto url = vask::expandTemplate(urlTemplate, text);
    if (!url) {
        if (vask::templateProblem(urlTemplate).empty()) std::abort();
        return 0;
    }
    const std::string scheme = vask::asciiUpper(urlTemplate.substr(0, urlTemplate.find("://") + 3));
    if (scheme != "HTTP://" && scheme != "HTTPS://") std::abort();
    if (!url->starts_with(urlTemplate.substr(0, scheme.size()))) std::abort();
    for (const char c : *url) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7F || c == '"') std::abort();
    }
    if (!vask::isValidUtf8(*url)) std::abort();
    return 0;
}
