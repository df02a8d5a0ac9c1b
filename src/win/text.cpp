#include "win/text.h"

#include <windows.h>

#include <climits>

namespace vask::win {
namespace {

std::wstring decode(UINT codePage, std::string_view bytes) {
    if (bytes.empty() || bytes.size() > INT_MAX) return {};
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring out(static_cast<size_t>(length), L'\0');
    if (length > 0) MultiByteToWideChar(codePage, 0, bytes.data(), size, out.data(), length);
    return out;
}

}  // namespace

std::wstring toWide(std::string_view utf8) { return decode(CP_UTF8, utf8); }

std::string toUtf8(std::wstring_view wide) {
    if (wide.empty() || wide.size() > INT_MAX) return {};
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(length), '\0');
    if (length > 0) WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, out.data(), length, nullptr, nullptr);
    return out;
}

std::string ansiToUtf8(std::string_view bytes) { return toUtf8(decode(CP_ACP, bytes)); }

AnsiDecoder ansiDecoder() {
    return [](std::string_view bytes) { return ansiToUtf8(bytes); };
}

}  // namespace vask::win
