#include "common/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace vask {
namespace {

// A literal's bytes, zero bytes included.
template <std::size_t N>
std::string bytesOf(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

TEST(Utf8, ValidationRejectsEveryMalformedSequenceWhereverItStands) {
    for (const std::string& valid :
         {std::string(), std::string("plain ascii"), bytesOf("a\0b"),
          std::string("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), std::string("\xED\x9F\xBF\xF4\x8F\xBF\xBF")})
        EXPECT_TRUE(isValidUtf8(valid)) << valid;
    // Lone continuation, bytes that never lead, overlong forms, a surrogate,
    // beyond U+10FFFF, a sequence cut short by its end or by another lead.
    for (const std::string_view bad :
         {"\x80", "\xC0\xAF", "\xC1\xBF", "\xF5\x80\x80\x80", "\xFF", "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF",
          "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\xC3\xC3\xA9"}) {
        // Behind ASCII runs of every length, so it falls inside and after the word-wide skip.
        for (std::size_t before = 0; before <= 17; ++before) {
            const std::string text = std::string(before, 'a') + std::string(bad) + "tail";
            EXPECT_FALSE(isValidUtf8(text)) << before << " ASCII bytes, then " << bad;
            EXPECT_FALSE(isValidUtf8(std::string(before, 'a') + std::string(bad))) << before;
        }
    }
}

TEST(Utf8, StoredTextEndsAtItsFirstZeroByteAndIsJudgedUpToIt) {
    for (std::size_t before = 0; before <= 17; ++before) {
        const std::string ascii(before, 'x');
        const std::string afterZero = ascii + bytesOf("\0\xFF"), ansi = ascii + bytesOf("\xE9t\xE9\0more"),
                          splitByZero = ascii + bytesOf("\xC3\0\xA9");
        EXPECT_EQ(textBeforeZero(afterZero).text, ascii);
        EXPECT_TRUE(textBeforeZero(afterZero).validUtf8) << before;  // the invalid byte lies behind the zero
        EXPECT_EQ(textBeforeZero(ansi).text, ascii + "\xE9t\xE9");
        EXPECT_FALSE(textBeforeZero(ansi).validUtf8) << before;
        EXPECT_EQ(textBeforeZero(splitByZero).text, ascii + "\xC3");
        EXPECT_FALSE(textBeforeZero(splitByZero).validUtf8) << before;
    }
    const auto whole = textBeforeZero("\xE6\x9D\xB1 abcdefghijklmnop \xC3\xA9");
    EXPECT_EQ(whole.text, "\xE6\x9D\xB1 abcdefghijklmnop \xC3\xA9");
    EXPECT_TRUE(whole.validUtf8);
    EXPECT_EQ(textBeforeZero(bytesOf("\0abc")).text, "");
    EXPECT_EQ(textBeforeZero("na\xEFve").text, "na\xEFve");
    EXPECT_FALSE(textBeforeZero("na\xEFve").validUtf8);
}

TEST(Utf8, QuickPlainCheckSeesEveryByteAndOnlyTheText) {
    // Bytes around the text that would fail the check must not count.
    const std::string buffer = std::string(8, '\0') + std::string(20, 'a') + std::string(8, '\xFF');
    const char* start = buffer.data() + 8;
    for (std::size_t size = 0; size <= 20; ++size) {
        EXPECT_TRUE(surelyPlainAscii(std::string_view(start, size), buffer.data())) << size;
        for (std::size_t at = 0; at < size; ++at)
            for (const char bad : {'\0', '\x80', '\xC3'}) {
                std::string copy = buffer;
                copy[8 + at] = bad;
                EXPECT_FALSE(surelyPlainAscii(std::string_view(copy.data() + 8, size), copy.data())) << size << at;
            }
    }
    // Fewer than eight readable bytes up to the text's end: left to the full check.
    EXPECT_FALSE(surelyPlainAscii(std::string_view(start, 3), start));
    EXPECT_TRUE(surelyPlainAscii(std::string_view(start, 8), start));
}

}  // namespace
}  // namespace vask
