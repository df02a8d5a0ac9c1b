#pragma once
// Comparing texts without case in any script: Unicode's simple case folding,
// which maps each code point to one code point (A -> a, Ё -> ё, Ω -> ω,
// ς -> σ, Ա -> ա, Ᏸ -> ᏸ, 𐐀 -> 𐐨). Texts that fold to the same text are
// equal without case; a folded prefix is a prefix of the folded text.
#include <string>
#include <string_view>

namespace vask {

char32_t foldCase(char32_t c);

// Appends `utf8` folded to `out`. Bytes that are not valid UTF-8 are kept as
// they are, so every text folds.
void appendFolded(std::string_view utf8, std::string& out);

inline std::string foldCase(std::string_view utf8) {
    std::string out;
    appendFolded(utf8, out);
    return out;
}

}  // namespace vask
