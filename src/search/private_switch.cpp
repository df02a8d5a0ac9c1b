#include "search/private_switch.h"

#include <array>
#include <utility>

#include "common/utf8.h"

namespace vask {
namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kPrivateSwitches{{
    {"FIREFOX.EXE", "-private-window"},
    {"CHROME.EXE", "--incognito"},
    {"MSEDGE.EXE", "--inprivate"},
    {"BRAVE.EXE", "--incognito"},
    {"VIVALDI.EXE", "--incognito"},
    {"OPERA.EXE", "--private"},
    {"IEXPLORE.EXE", "-private"},
}};

}  // namespace

std::string_view privateSwitchFor(std::string_view program) {
    if (program.size() >= 2 && program.front() == '"' && program.back() == '"')
        program = program.substr(1, program.size() - 2);
    const auto separator = program.find_last_of("\\/");
    if (separator != std::string_view::npos) program.remove_prefix(separator + 1);
    const std::string fileName = asciiUpper(program);
    for (const auto& [name, privateSwitch] : kPrivateSwitches) {
        if (fileName == name) return privateSwitch;
    }
    return {};
}

}  // namespace vask
