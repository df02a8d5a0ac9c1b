#pragma once
// The file version in a program's version resource.
#include <optional>
#include <string>

namespace vask::win {

// "major.minor.release.build" from the fixed file information of `path`;
// nothing when the file is missing or carries no version resource.
std::optional<std::string> fileVersionText(const std::wstring& path);

}  // namespace vask::win
