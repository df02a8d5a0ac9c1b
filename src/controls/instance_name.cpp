#include "controls/instance_name.h"

#include <algorithm>
#include <cstdio>

#include "common/case_fold.h"

namespace vask {

std::string instanceMappingName(uint32_t volumeSerial, uint64_t fileId) {
    char name[48];
    std::snprintf(name, sizeof(name), "Vask.Instances.%08X.%016llX", static_cast<unsigned>(volumeSerial),
                  static_cast<unsigned long long>(fileId));
    return name;
}

std::string instanceMappingName(std::string_view longPath) {
    std::string name = "Vask.Instances." + foldCase(longPath);
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

std::string instanceLockName(std::string_view mappingName) { return std::string(mappingName) + "-lock"; }

}  // namespace vask
