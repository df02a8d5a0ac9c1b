#pragma once
// UTF-8 (the program's text) to UTF-16 (the W APIs) and back, in one place.
#include <string>
#include <string_view>

#include "common/utf8.h"

namespace vask::win {

std::wstring toWide(std::string_view utf8);
std::string toUtf8(std::wstring_view wide);

// Decodes bytes in the system's ANSI code page, for files of earlier versions.
std::string ansiToUtf8(std::string_view bytes);
AnsiDecoder ansiDecoder();

}  // namespace vask::win
