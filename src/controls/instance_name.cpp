#include "controls/instance_name.h"

#include <algorithm>

namespace vask {

std::string instanceMappingName(std::string_view programPath) {
    std::string name(programPath);
    std::erase(name, '\\');
    std::erase(name, ' ');
    return name;
}

std::string instanceLockName(std::string_view mappingName) { return std::string(mappingName) + "-lock"; }

}  // namespace vask
