#pragma once
// White space as Unicode counts it (Tab, the line ends, the no-break and
// the typographic spaces, the ideographic space), in UTF-8 texts: what the
// user sees as a gap, whichever key or input method made it.
#include <cstddef>
#include <string_view>

namespace vask {

// The bytes of the white-space character `text` starts with; 0 when it starts with another.
std::size_t whiteSpaceLength(std::string_view text);

// Where the first white-space character of `text` starts; npos when there is none.
std::size_t findWhiteSpace(std::string_view text);

// `text` after the white space it starts with.
std::string_view withoutLeadingWhiteSpace(std::string_view text);

}  // namespace vask
