#include "search/copy_data.h"

#include <algorithm>
#include <cstring>

namespace vask {
namespace {

constexpr std::size_t kMaxTextBytes = 99;

}  // namespace

std::string copyDataText(const void* data, std::size_t size) {
    if (data == nullptr || size == 0) return {};
    const auto* bytes = static_cast<const char*>(data);
    const std::size_t limit = std::min(size, kMaxTextBytes);
    const void* zero = std::memchr(bytes, '\0', limit);
    const std::size_t length = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - bytes) : limit;
    return std::string(bytes, length);
}

CopyDataCommand copyDataCommand(std::string_view text) {
    if (text == "201") return CopyDataCommand::Opaque;
    if (text == "202") return CopyDataCommand::Close;
    return CopyDataCommand::None;
}

}  // namespace vask
