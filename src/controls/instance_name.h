#pragma once
// The names of the shared objects through which copies of one program file
// count each other.
#include <cstdint>
#include <string>
#include <string_view>

namespace vask {

// The block of the program file with this identity: the serial number of its
// volume and its file id, which every path to the file shares (another case,
// a short 8.3 name, a link), and no other file on the volume has.
std::string instanceMappingName(uint32_t volumeSerial, uint64_t fileId);

// The block of the program file at `longPath` when its identity cannot be
// had: the long path folded to one case, each "\" as "/" (a kernel object
// name may not contain "\" beyond its namespace prefix, and no file name
// contains "/"), so that two paths give one name only when they name one file.
std::string instanceMappingName(std::string_view longPath);

// The mutex that guards the count in the mapping of that name.
std::string instanceLockName(std::string_view mappingName);

}  // namespace vask
