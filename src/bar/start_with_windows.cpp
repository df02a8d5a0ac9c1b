#include "bar/start_with_windows.h"

#include "bar/autostart.h"
#include "win/files.h"
#include "win/registry.h"
#include "win/text.h"

namespace vask {

bool startsWithWindows() {
    const std::optional<std::string> command = win::readRunEntry(AutostartValueName);
    return command && startsProgram(*command, win::toUtf8(win::programPath()));
}

void setStartWithWindows(bool start) {
    if (start)
        win::writeRunEntry(AutostartValueName, autostartCommand(win::toUtf8(win::programPath())));
    else
        win::removeRunEntry(AutostartValueName);
}

void forgetStartWithWindows() {
    if (startsWithWindows()) win::removeRunEntry(AutostartValueName);
}

}  // namespace vask
