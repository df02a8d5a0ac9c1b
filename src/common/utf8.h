#pragma once
// UTF-8 checks shared by every reader of text files: files are written in
// UTF-8, and a text that is not valid UTF-8 was written by an earlier
// version in the ANSI code page.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace vask {

bool isValidUtf8(std::string_view text);

// True when every byte of `text` is in 1..0x7F, which makes it valid UTF-8
// without a zero byte: the quick check for the many plain texts. It reads
// whole words, a short text's reaching back before its start, so the bytes
// from `readableFrom` up to the text must be readable; too close to them it
// answers false, and the caller checks the text in full.
bool surelyPlainAscii(std::string_view text, const char* readableFrom);

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

// `bytes` as UTF-8: unchanged when valid, else decoded with `decodeAnsi`.
std::string textFromFile(std::string_view bytes, const AnsiDecoder& decodeAnsi);

// ASCII letters in upper case; other bytes unchanged (so UTF-8 stays valid).
std::string asciiUpper(std::string_view text);

}  // namespace vask
