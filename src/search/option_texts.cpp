#include "search/option_texts.h"

#include <algorithm>

namespace vask {
namespace {

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) { return upper(x) == upper(y); });
}

}  // namespace

int lastEqualEntry(const std::vector<std::string>& items, std::string_view text) {
    for (std::size_t i = items.size(); i-- > 0;)
        if (equalIgnoringAsciiCase(items[i], text)) return static_cast<int>(i);
    return -1;
}

}  // namespace vask
