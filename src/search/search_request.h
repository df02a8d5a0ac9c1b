#pragma once
// A search that a second copy of the program hands the running bar in a
// WM_COPYDATA message tagged SearchRequestTag: the service's name (empty for
// the bar's own choice), a zero byte, then the text, both in UTF-8. The
// untagged texts "201" and "202" keep their own meaning.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "search/query.h"

namespace vask {

inline constexpr std::uintptr_t SearchRequestTag = 0x56534B53;         // "VSKS"
inline constexpr std::uintptr_t PrivateSearchRequestTag = 0x56534B50;  // "VSKP": the same, in a private window
// A command line holds at most 32,767 UTF-16 units: under 100 KB in UTF-8.
inline constexpr std::size_t MaxSearchRequestBytes = std::size_t{128} * 1024;

struct SearchRequest {
    std::optional<SearchEngine> engine;  // none: the service the bar has chosen
    std::string text;
    bool privately = false;  // carried by the message's tag
};

std::string encodeSearchRequest(const SearchRequest& request);
inline std::uintptr_t searchRequestTag(const SearchRequest& request) {
    return request.privately ? PrivateSearchRequestTag : SearchRequestTag;
}

// Nothing unless the bytes are exactly what encodeSearchRequest makes: at
// most MaxSearchRequestBytes, one zero byte, valid UTF-8, a known service.
std::optional<SearchRequest> decodeSearchRequest(const void* data, std::size_t size);

}  // namespace vask
