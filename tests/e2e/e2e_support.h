#pragma once
// Drives the real vask.exe from outside: starts it in a folder of its own,
// finds its windows by class name, talks to them with messages, and reads
// what the browser loggers of the test prefix received.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "win/handles.h"

namespace vask::e2e {

// The vask.exe under test, as given on the command line.
const std::wstring& vaskExe();
void setVaskExe(const std::wstring& path);

// One start of a logger: its arguments as Windows split them.
using LaunchArgs = std::vector<std::string>;

// The loggers of the prefix: "default" (the http handler), "firefox", "chrome".
std::vector<LaunchArgs> launchesOf(const std::wstring& browser);
void forgetLaunches();
// Waits until the browser has logged `count` launches (or ~10 s passed).
std::vector<LaunchArgs> waitForLaunches(const std::wstring& browser, size_t count);

class VaskProcess {
public:
    // Copies vask.exe into `folder` and starts it there.
    explicit VaskProcess(const std::wstring& folder);
    ~VaskProcess();  // ends the process if it still runs
    VaskProcess(const VaskProcess&) = delete;
    VaskProcess& operator=(const VaskProcess&) = delete;

    // The process's top-level window of a class, once it exists (~10 s).
    HWND waitForWindow(const wchar_t* className) const;
    HWND bar() const { return waitForWindow(L"Tmainform"); }
    bool waitForExit(DWORD milliseconds = 15000) const;
    DWORD exitCode() const;

    // Types `text` into the bar's search field and presses Enter.
    void search(const std::string& text) const;
    void sendCopyData(const std::string& text) const;
    void command(UINT menuId) const;  // a menu choice of the bar

private:
    win::KernelHandle process_;
    DWORD processId_ = 0;
};

}  // namespace vask::e2e
