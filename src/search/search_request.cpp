#include "search/search_request.h"

#include <string_view>

#include "common/utf8.h"
#include "search/search_arguments.h"

namespace vask {

std::string encodeSearchRequest(const SearchRequest& request) {
    std::string bytes = request.engine ? std::string(engineRow(*request.engine).name) : std::string{};
    bytes += '\0';
    return bytes + request.text;
}

std::optional<SearchRequest> decodeSearchRequest(const void* data, std::size_t size) {
    if (!data || size == 0 || size > MaxSearchRequestBytes) return std::nullopt;
    const std::string_view bytes(static_cast<const char*>(data), size);
    const std::size_t zero = bytes.find('\0');
    if (zero == std::string_view::npos) return std::nullopt;
    const std::string_view name = bytes.substr(0, zero), text = bytes.substr(zero + 1);
    if (text.find('\0') != std::string_view::npos || !isValidUtf8(name) || !isValidUtf8(text)) return std::nullopt;
    SearchRequest request;
    if (!name.empty()) {
        request.engine = engineNamed(name);
        if (!request.engine) return std::nullopt;
    }
    request.text = std::string(text);
    return request;
}

}  // namespace vask
