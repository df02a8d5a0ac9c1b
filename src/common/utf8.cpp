#include "common/utf8.h"

#include <cstdint>
#include <cstring>

namespace vask {
namespace {

// Length of the sequence a lead byte starts, or 0 for a byte that cannot lead.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Length of the valid UTF-8 sequence at text[i], or 0 when none starts there.
std::size_t validSequenceLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = sequenceLength(lead);
    if (length == 0 || length > text.size() - i) return 0;
    for (std::size_t k = 1; k < length; ++k)
        if (!isContinuation(static_cast<unsigned char>(text[i + k]))) return 0;
    if (length >= 3) {
        const auto second = static_cast<unsigned char>(text[i + 1]);
        // Overlong forms, surrogates and code points above U+10FFFF.
        if (lead == 0xE0 && second < 0xA0) return 0;
        if (lead == 0xED && second > 0x9F) return 0;
        if (lead == 0xF0 && second < 0x90) return 0;
        if (lead == 0xF4 && second > 0x8F) return 0;
    }
    return length;
}

// Where the ASCII bytes other than zero that start at text[i] end. Most
// texts are mostly such bytes: they are skipped eight at a time.
std::size_t plainAsciiEnd(std::string_view text, std::size_t i) {
    for (; text.size() - i >= 8; i += 8)
        if (plain_words::notPlainBits(plain_words::wordAt(text.data() + i))) break;
    while (i < text.size() && static_cast<unsigned char>(text[i]) - 1u < 0x7Fu) ++i;
    return i;
}

}  // namespace

bool isValidUtf8(std::string_view text) {
    for (std::size_t i = plainAsciiEnd(text, 0); i < text.size(); i = plainAsciiEnd(text, i)) {
        const std::size_t length = validSequenceLength(text, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

TextBeforeZero textBeforeZero(std::string_view bytes) {
    for (std::size_t i = plainAsciiEnd(bytes, 0); i < bytes.size(); i = plainAsciiEnd(bytes, i)) {
        if (bytes[i] == '\0') return {bytes.substr(0, i), true};
        const std::size_t length = validSequenceLength(bytes, i);
        if (length == 0) return {bytes.substr(0, bytes.find('\0', i)), false};
        i += length;
    }
    return {bytes, true};
}

std::string_view cutAtCharBoundary(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    std::size_t end = maxBytes;
    while (end > 0 && isContinuation(static_cast<unsigned char>(text[end]))) --end;
    return text.substr(0, end);
}

std::string latin1ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

std::string decodeAnsiText(std::string_view bytes, const AnsiDecoder& decodeAnsi) {
    return decodeAnsi ? decodeAnsi(bytes) : latin1ToUtf8(bytes);
}

std::string asciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

}  // namespace vask
