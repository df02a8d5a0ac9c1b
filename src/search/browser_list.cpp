#include "search/browser_list.h"

#include "common/utf8.h"

namespace vask {

std::vector<std::string> browserListItems(const std::vector<std::string>& registeredNames,
                                          std::string_view defaultName) {
    const std::string defaultUpper = asciiUpper(defaultName);
    std::vector<std::string> items;
    for (const std::string& name : registeredNames) {
        if (asciiUpper(name) == defaultUpper)
            items.push_back(name + std::string(DefaultBrowserMark));
        else if (!name.empty())
            items.push_back(name);
    }
    return items;
}

}  // namespace vask
