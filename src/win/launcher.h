#pragma once
// Opening a URL: with the default browser, or with a named browser program
// that receives the URL as exactly one command-line argument.
#include <windows.h>

#include <string>

namespace vask::win {

class Launcher {
public:
    virtual ~Launcher() = default;
    // `program` empty: the default browser; else a program the shell finds by name.
    virtual void open(HWND owner, const std::string& program, const std::string& url) = 0;
};

// The real one: ShellExecuteW with "open", no directory, SW_SHOW. Failures go
// unreported, as the bar stays as it was.
class ShellLauncher : public Launcher {
public:
    void open(HWND owner, const std::string& program, const std::string& url) override;
};

}  // namespace vask::win
