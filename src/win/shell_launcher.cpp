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

}  // namespace vask::win
