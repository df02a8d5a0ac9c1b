#pragma once
// "Start with Windows": the value "Vask" under the user's
// "Software\Microsoft\Windows\CurrentVersion\Run", whose command starts
// vask.exe with --autostart, so that the bar shows without taking the focus
// from what the user opened first.
#include <string>
#include <string_view>

namespace vask {

inline constexpr std::string_view AutostartValueName = "Vask";
inline constexpr std::string_view AutostartArgument = "--autostart";

// The command of the entry for the program at `programPath`: the path in
// quotes (it may hold spaces), then --autostart.
std::string autostartCommand(std::string_view programPath);

// Whether `command`, as the Run key holds it, starts the program at
// `programPath`: quoted or not, in any case, whatever its arguments.
bool startsProgram(std::string_view command, std::string_view programPath);

}  // namespace vask
