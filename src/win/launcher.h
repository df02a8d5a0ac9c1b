#pragma once
// Opening a URL: with the default browser, or with a named browser program
// that receives the URL as exactly one command-line argument (after a switch
// of the browser's own, for a private window).
#include <windows.h>

#include <string>

namespace vask::win {

class Launcher {
public:
    virtual ~Launcher() = default;
    // `program` empty: the default browser; else a program the shell finds by name.
    virtual void open(HWND owner, const std::string& program, const std::string& url) = 0;
    // A browser program with two arguments: a switch of its own, then the URL.
    virtual void openWithSwitch(HWND owner, const std::string& program, const std::string& browserSwitch,
                                const std::string& url) = 0;
    // The program that http URLs open with (the default browser); empty when none is registered.
    virtual std::string defaultBrowserProgram() = 0;
};

// The real one: ShellExecuteW with "open", no directory, SW_SHOW. Failures go
// unreported, as the bar stays as it was.
class ShellLauncher : public Launcher {
public:
    void open(HWND owner, const std::string& program, const std::string& url) override;
    void openWithSwitch(HWND owner, const std::string& program, const std::string& browserSwitch,
                        const std::string& url) override;
    std::string defaultBrowserProgram() override;
};

}  // namespace vask::win
