#include "common/white_space.h"

#include <array>

namespace vask {
namespace {

// The UTF-8 forms of the characters above U+007F that Unicode calls white space.
constexpr std::array<std::string_view, 18> WideSpaces{
    "\xC2\x85",     "\xC2\xA0",     "\xE1\x9A\x80", "\xE2\x80\x80", "\xE2\x80\x81", "\xE2\x80\x82",
    "\xE2\x80\x83", "\xE2\x80\x84", "\xE2\x80\x85", "\xE2\x80\x86", "\xE2\x80\x87", "\xE2\x80\x88",
    "\xE2\x80\x89", "\xE2\x80\x8A", "\xE2\x80\xA8", "\xE2\x80\xA9", "\xE2\x80\xAF", "\xE2\x81\x9F",
};
constexpr std::string_view IdeographicSpace = "\xE3\x80\x80";

}  // namespace

std::size_t whiteSpaceLength(std::string_view text) {
    if (text.empty()) return 0;
    const char first = text.front();
    if (first == ' ' || (first >= '\t' && first <= '\r')) return 1;
    if (static_cast<unsigned char>(first) < 0x80) return 0;
    for (const std::string_view space : WideSpaces)
        if (text.starts_with(space)) return space.size();
    return text.starts_with(IdeographicSpace) ? IdeographicSpace.size() : 0;
}

std::size_t findWhiteSpace(std::string_view text) {
    for (std::size_t at = 0; at < text.size(); ++at)
        if (whiteSpaceLength(text.substr(at))) return at;
    return std::string_view::npos;
}

std::string_view withoutLeadingWhiteSpace(std::string_view text) {
    while (const std::size_t length = whiteSpaceLength(text)) text.remove_prefix(length);
    return text;
}

}  // namespace vask
