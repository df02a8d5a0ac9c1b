#include "bar/autostart.h"

#include "common/case_fold.h"

namespace vask {

std::string autostartCommand(std::string_view programPath) {
    std::string command;
    command.append(1, '"').append(programPath).append("\" ").append(AutostartArgument);
    return command;
}

bool startsProgram(std::string_view command, std::string_view programPath) {
    while (!command.empty() && command.front() == ' ') command.remove_prefix(1);
    if (programPath.empty() || command.empty()) return false;
    const std::string program = foldCase(programPath);
    if (command.front() == '"') {
        // File names hold no quotes: the program ends at the next one.
        command.remove_prefix(1);
        return foldCase(command.substr(0, command.find('"'))) == program;
    }
    // Without quotes Windows tries the words up to each space in turn; the
    // program is this one when its path is followed by the end or a space.
    const std::string folded = foldCase(command);
    return folded.starts_with(program) && (folded.size() == program.size() || folded[program.size()] == ' ');
}

}  // namespace vask
