#pragma once
// The browsers registered with Windows under
// "SOFTWARE\Clients\StartMenuInternet": one sub-key per browser, whose
// default value is the browser's display name.
#include <string>
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

}  // namespace vask::win
