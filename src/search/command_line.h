#pragma once
// Quoting for a Windows command line, where the started program splits its
// arguments by the rules of CommandLineToArgvW.
#include <string>
#include <string_view>

namespace vask {

// `arg` in double quotes so that it reads back as exactly one argument equal
// to `arg`, whatever it holds: spaces, quotes, backslashes, nothing at all.
std::string quoteArgument(std::string_view arg);

}  // namespace vask
