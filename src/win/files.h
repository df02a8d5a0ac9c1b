#pragma once
// Files next to the program: read whole, saved atomically.
#include <optional>
#include <string>

namespace vask::win {

// The full path of the running program's file.
std::wstring programPath();
// The folder of the running program, with its trailing backslash.
std::wstring programDirectory();

bool fileExists(const std::wstring& path);

// The whole file, or nothing when it is missing or cannot be read.
std::optional<std::string> readWholeFile(const std::wstring& path);
// The whole file; throws Win32Error (with the system's message) when it cannot be read.
std::string readFileOrThrow(const std::wstring& path);

// Writes a temporary file in the same folder, flushes it, then puts it in
// place of `path`; a crash or a full disk never leaves a half-written file.
// Throws Win32Error (with the system's message) and leaves the old file as it was.
void saveFileAtomically(const std::wstring& path, const std::string& bytes);

// The bare file name of a path, for messages.
std::wstring bareFileName(const std::wstring& path);

}  // namespace vask::win
