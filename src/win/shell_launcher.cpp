#include "win/launcher.h"

#include <shellapi.h>

#include "search/command_line.h"
#include "win/text.h"

namespace vask::win {

void ShellLauncher::open(HWND owner, const std::string& program, const std::string& url) {
    if (program.empty()) {
        ShellExecuteW(owner, L"open", toWide(url).c_str(), nullptr, nullptr, SW_SHOW);
    } else {
        ShellExecuteW(owner, L"open", toWide(program).c_str(), toWide(quoteArgument(url)).c_str(), nullptr,
                      SW_SHOW);
    }
}

}  // namespace vask::win
