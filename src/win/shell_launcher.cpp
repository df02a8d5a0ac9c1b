#include "win/launcher.h"

#include <shellapi.h>

#include "search/command_line.h"
#include "win/handles.h"
#include "win/text.h"

namespace vask::win {
namespace {

using ShellExecuteFunction = decltype(&ShellExecuteW);

// shell32 is loaded at the first launch, not at start: the bar needs nothing
// else from it, and linked in it brought three DLLs (shell32, shlwapi, shcore)
// to every start that a themed window does without. It is a known DLL, always
// taken from the system folder. Null when it cannot be loaded; the launch then
// does nothing, as a failed one does.
ShellExecuteFunction shellExecute() {
    static const Module shell32(LoadLibraryW(L"shell32.dll"));
    static const auto function = shell32 ? reinterpret_cast<ShellExecuteFunction>(reinterpret_cast<void*>(
                                               GetProcAddress(shell32.get(), "ShellExecuteW")))
                                         : nullptr;
    return function;
}

}  // namespace

void ShellLauncher::open(HWND owner, const std::string& program, const std::string& url) {
    const ShellExecuteFunction execute = shellExecute();
    if (!execute) return;
    if (program.empty()) {
        execute(owner, L"open", toWide(url).c_str(), nullptr, nullptr, SW_SHOW);
    } else {
        execute(owner, L"open", toWide(program).c_str(), toWide(quoteArgument(url)).c_str(), nullptr, SW_SHOW);
    }
}

}  // namespace vask::win
