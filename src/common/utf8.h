#pragma once
// UTF-8 checks shared by every reader of text files: files are written in
// UTF-8, and a text that is not valid UTF-8 was written by an earlier
// version in the ANSI code page.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>

namespace vask {

bool isValidUtf8(std::string_view text);

// Checking eight bytes at a time for bytes other than 1..0x7F.
namespace plain_words {
inline constexpr uint64_t Ones = 0x0101010101010101, HighBits = 0x8080808080808080;

// Non-zero when a byte of `word` is zero or above 0x7F: a high bit is set
// in `word` for a byte >= 0x80, in `word - Ones` for a zero byte.
inline uint64_t notPlainBits(uint64_t word) { return (word | (word - Ones)) & HighBits; }

inline uint64_t wordAt(const char* at) {
    uint64_t word;
    std::memcpy(&word, at, sizeof(word));
    return word;
}
}  // namespace plain_words

// True when every byte of `text` is in 1..0x7F, which makes it valid UTF-8
// without a zero byte: the quick check for the many plain texts, inline as
// a history file has a million of them. It reads whole words, a short
// text's reaching back before its start, so the bytes from `readableFrom`
// up to the text must be readable; too close to them it answers false, and
// the caller checks the text in full.
inline bool surelyPlainAscii(std::string_view text, const char* readableFrom) {
    using namespace plain_words;
    const std::size_t size = text.size();
    if (size == 0) return true;
    const char* end = text.data() + size;
    if (end - readableFrom < 8) return false;
    // Little-endian: a short text's bytes are the high ones of the word that
    // ends with it. They are moved down and topped up with ones.
    if (size < 8) return !notPlainBits((wordAt(end - 8) >> (8 * (8 - size))) | (Ones << (8 * size)));
    uint64_t bits = notPlainBits(wordAt(end - 8));
    for (const char* at = text.data(); end - at > 8; at += 8) bits |= notPlainBits(wordAt(at));
    return !bits;
}

// A stored text: the bytes up to the first zero byte, and whether they are
// valid UTF-8 — both found in one pass over the bytes.
struct TextBeforeZero {
    std::string_view text;
    bool validUtf8 = true;
};
TextBeforeZero textBeforeZero(std::string_view bytes);

// The longest prefix of `text` of at most `maxBytes` bytes that does not end
// inside a UTF-8 sequence.
std::string_view cutAtCharBoundary(std::string_view text, std::size_t maxBytes);

// Turns bytes in the system's ANSI code page into UTF-8; the Windows layer
// supplies one based on the active code page, tests a Latin-1 one.
using AnsiDecoder = std::function<std::string(std::string_view)>;

// Latin-1 (ISO 8859-1) to UTF-8: the decoder used where no code page is known.
std::string latin1ToUtf8(std::string_view bytes);

// Bytes in the ANSI code page as UTF-8, through `decodeAnsi` or, when there
// is none, as Latin-1.
std::string decodeAnsiText(std::string_view bytes, const AnsiDecoder& decodeAnsi);

// ASCII letters in upper case; other bytes unchanged (so UTF-8 stays valid).
std::string asciiUpper(std::string_view text);

}  // namespace vask
