#include "search/command_line.h"

#include <cstddef>

namespace vask {

// Backslashes are literal except in front of a double quote, where each pair
// stands for one backslash and an odd one escapes the quote. So a run before
// a quote, or before the closing quote, is doubled; other runs stay as they are.
std::string quoteArgument(std::string_view arg) {
    std::string out = "\"";
    std::size_t backslashes = 0;
    for (char c : arg) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') {
            out.append(2 * backslashes + 1, '\\');
        } else {
            out.append(backslashes, '\\');
        }
        out += c;
        backslashes = 0;
    }
    out.append(2 * backslashes, '\\');
    out += '"';
    return out;
}

}  // namespace vask
