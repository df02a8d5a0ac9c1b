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
// A folder stands at `path` (where a file may be expected).
bool isFolder(const std::wstring& path);

// Whether a new file can be made in `folder` (tried with a file of its own,
// gone again at once); the folder's attributes say nothing reliable about it.
bool canCreateFileIn(const std::wstring& folder);
// Whether the files of `folder` can be listed.
bool canListFolder(const std::wstring& folder);
// The user's roaming application-data folder ("%APPDATA%") with its trailing
// backslash; empty when the system names none.
std::wstring userAppDataFolder();

// Reads share the file with every other program (reading, writing,
// deleting), and a file another program holds without sharing is tried
// again for a moment (backup, sync and antivirus tools hold files briefly)
// unless the caller cannot wait.
enum class SharingWait { Briefly, None };

// The whole file, or nothing when it is missing or cannot be read.
std::optional<std::string> readWholeFile(const std::wstring& path);
// The whole file; throws Win32Error (with the system's message) when it cannot be read.
std::string readFileOrThrow(const std::wstring& path, SharingWait wait = SharingWait::Briefly);
// Another program holds the file without sharing it (the code of a Win32Error).
bool isSharingViolation(unsigned long errorCode);

// Writes a temporary file in the same folder, flushes it, then puts it in
// place of `path`; a crash or a full disk never leaves a half-written file.
// Throws Win32Error (with the system's message) and leaves the old file as it was.
void saveFileAtomically(const std::wstring& path, const std::string& bytes);

// The bare file name of a path, for messages.
std::wstring bareFileName(const std::wstring& path);
// The same in UTF-8 and in double quotes: "hist.sdf".
std::string quotedName(const std::wstring& path);

// `path` when nothing is there, else the first of "path-2", "path-3", ...
// that is free: a name for a copy that must not replace an earlier one.
std::wstring unusedName(const std::wstring& path);

// Copies a damaged file beside itself, as "<name><suffix>" (or "-2", ...
// after it), never over another file; returns the copy's path. Throws
// Win32Error with the system's message when it cannot.
std::wstring copyAside(const std::wstring& path, const std::wstring& suffix);

}  // namespace vask::win
