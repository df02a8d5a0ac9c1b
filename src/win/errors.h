#pragma once
// Errors of the Windows layer carry the system's own message, and reach the
// user in a message box at the window procedure's boundary.
#include <windows.h>

#include <stdexcept>
#include <string>

#include "win/prompter.h"

namespace vask::win {

// The system's text for an error code ("Access is denied.").
std::string systemMessage(DWORD code);

class Win32Error : public std::runtime_error {
public:
    explicit Win32Error(DWORD code, const std::string& context = {});
    DWORD code() const { return code_; }

private:
    DWORD code_;
};

// Throws Win32Error for GetLastError(); `context` (a file name, say) leads the message.
[[noreturn]] void throwLastError(const std::string& context = {});

// The top-level error handler: shows the message of whatever was thrown.
void showError(Prompter& prompter, HWND owner, const std::exception& error);

}  // namespace vask::win
