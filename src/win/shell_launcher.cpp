#include "win/launcher.h"

#include <shellapi.h>

#include "search/command_line.h"
#include "win/shell_api.h"
#include "win/text.h"

namespace vask::win {

void ShellLauncher::open(HWND owner, const std::string& program, const std::string& url) {
    // Without shell32 the launch does nothing, as a failed one does.
    const auto execute = shellApi().shellExecute;
    if (!execute) return;
    if (program.empty()) {
        execute(owner, L"open", toWide(url).c_str(), nullptr, nullptr, SW_SHOW);
    } else {
        execute(owner, L"open", toWide(program).c_str(), toWide(quoteArgument(url)).c_str(), nullptr, SW_SHOW);
    }
}

void ShellLauncher::openWithSwitch(HWND owner, const std::string& program, const std::string& browserSwitch,
                                   const std::string& url) {
    const auto execute = shellApi().shellExecute;
    if (!execute) return;
    const std::wstring arguments = toWide(quoteArgument(browserSwitch) + " " + quoteArgument(url));
    execute(owner, L"open", toWide(program).c_str(), arguments.c_str(), nullptr, SW_SHOW);
}

std::string ShellLauncher::defaultBrowserProgram() {
    const auto query = shellApi().assocQueryString;
    if (!query) return {};
    wchar_t path[MAX_PATH * 2] = {};
    DWORD length = MAX_PATH * 2;
    if (query(ASSOCF_NOTRUNCATE, ASSOCSTR_EXECUTABLE, L"http", L"open", path, &length) != S_OK) return {};
    return toUtf8(path);
}

}  // namespace vask::win
