#include "common/case_fold.h"

#include <gtest/gtest.h>

namespace vask {
namespace {

TEST(CaseFold, CapitalsOfEveryScriptFoldToTheirSmallLetters) {
    EXPECT_EQ(
        foldCase("ÀÉÎÕÜÞ ČŠŽĐŸ ǄǅƁ ΆΣΩς ЁЖЯѢӀ ԱՖ ႠᲐ ẞ Ω K ＡＺ 𐐀𐐧 Ꭰ ſ µ"),
        "àéîõüþ čšžđÿ ǆǆɓ άσωσ ёжяѣӏ աֆ ⴀა ß ω k ａｚ 𐐨𐑏 Ꭰ s μ");
    EXPECT_EQ(foldCase("ꭰ"), "Ꭰ");  // Cherokee folds to its capitals
    // No simple folding: the Turkish dotted capital I, German ß, ﬁ; text outside letters.
    EXPECT_EQ(foldCase("İßﬁ1+東京 "), "İßﬁ1+東京 ");
    // Bytes that are not UTF-8 are kept, the letters around them folded.
    EXPECT_EQ(foldCase("A\xFF\xC3"
                       "B\xED\xA0\x80Ω"),
              "a\xFF\xC3"
              "b\xED\xA0\x80ω");
}

TEST(CaseFold, FoldingIsStableAndNeverLeavesUnicode) {
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;  // surrogates are not characters
        const char32_t folded = foldCase(c);
        ASSERT_EQ(foldCase(folded), folded) << std::hex << static_cast<uint32_t>(c);
        ASSERT_FALSE(folded > 0x10FFFF || (folded >= 0xD800 && folded <= 0xDFFF)) << static_cast<uint32_t>(c);
    }
}

}  // namespace
}  // namespace vask
