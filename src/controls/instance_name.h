#pragma once
// The names of the shared objects through which copies of one program file
// count each other.
#include <string>
#include <string_view>

namespace vask {

// The program's full path with every "\" and then every " " removed
// ("C:\Program Files\X\x.exe" -> "C:ProgramFilesXx.exe"), so copies started
// from different paths never see each other. A kernel object name may not
// contain "\" beyond its namespace prefix.
std::string instanceMappingName(std::string_view programPath);

// The mutex that guards the count in the mapping of that name.
std::string instanceLockName(std::string_view mappingName);

}  // namespace vask
