#pragma once
// What the program reads from and writes to the registry: the browsers
// registered with Windows under "SOFTWARE\Clients\StartMenuInternet" (one
// sub-key per browser, whose default value is the browser's display name),
// and the user's entries under "Software\Microsoft\Windows\CurrentVersion\Run",
// the programs Windows starts when the user signs in.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vask::win {

// The display names of the machine's registered browsers, in the registry's
// order (empty when the key does not exist). Throws std::runtime_error with
// "ListRegisteredBrowsers: Could not open registry key." or
// "ListRegisteredBrowsers: Could not obtain registry key information.", and
// Win32Error when a sub-key cannot be enumerated.
std::vector<std::string> ListRegisteredBrowsers();

// The display name of the default browser (the user's choice, else the
// machine's), or the sub-key name when it has no display name, or empty.
std::string DefaultBrowserName();

// The text of the user's Run entry `name`; nothing when there is none (or it is no text).
std::optional<std::string> readRunEntry(std::string_view name);
// Both throw Win32Error with the system's message; removing an entry that
// is not there is no error.
void writeRunEntry(std::string_view name, std::string_view command);
void removeRunEntry(std::string_view name);

}  // namespace vask::win
