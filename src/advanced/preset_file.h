#pragma once
// ".vsk" preset files on disk. Both throw win::Win32Error with the system's
// message when the file cannot be read or written.
#include <optional>
#include <string>

#include "advanced/pins.h"

namespace vask {

// None when the file is no preset (it has no [Pin] section): opening it
// must change nothing.
std::optional<Preset> loadPresetFile(const std::wstring& path);

// Saved atomically. Saving over an existing file keeps its other sections
// and keys; a file that exists but cannot be read is left alone (and the
// save fails) rather than replaced by one that lost them.
void savePresetFile(const std::wstring& path, const Preset& values);

}  // namespace vask
