#pragma once
// Drives the real vask.exe from outside: starts it in a folder of its own,
// finds its windows by class name, talks to them with messages, and reads
// what the browser loggers of the test prefix received.
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "screen_picture.h"
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
// Waits until the browser has logged `count` launches (or ~30 s passed).
std::vector<LaunchArgs> waitForLaunches(const std::wstring& browser, size_t count);

// Polls `condition` until it holds (true) or ~10 s passed (false).
bool waitUntil(const std::function<bool()>& condition);

class VaskProcess {
public:
    // Copies vask.exe into `folder` (unless a copy is there already: more
    // copies from one folder run the same file) and starts it there. A copy
    // started suspended runs once resume() is called.
    enum Start { WaitUntilIdle, Suspended };
    // `arguments` follow the program's name on its command line, as written;
    // `startedAs` is another spelling of the copy's path to start it by.
    explicit VaskProcess(const std::wstring& folder, Start start = WaitUntilIdle, const std::wstring& arguments = {},
                         const std::wstring& startedAs = {});
    ~VaskProcess();  // ends the process if it still runs
    VaskProcess(const VaskProcess&) = delete;
    VaskProcess& operator=(const VaskProcess&) = delete;

    // The process's top-level window of a class, once it exists (~30 s).
    HWND waitForWindow(const wchar_t* className) const;
    HWND bar() const { return waitForWindow(L"Tmainform"); }
    bool waitForExit(DWORD milliseconds = 15000) const;
    DWORD exitCode() const;
    DWORD processId() const { return processId_; }
    void resume() const;

    // Types `text` into the bar's search field and presses Enter.
    void search(const std::string& text) const;
    void sendCopyData(const std::string& text) const;
    void command(UINT menuId) const;  // a menu choice of the bar

private:
    win::KernelHandle process_;
    win::KernelHandle thread_;
    DWORD processId_ = 0;
};

// The visible top-level windows of a class that belong to the process
// ("#32770" for its message boxes).
std::vector<HWND> windowsOf(DWORD processId, const wchar_t* className);

// A window's text (a control's of another process too), up to 255 characters.
std::string textOf(HWND window);

// Keys as a user's keyboard sends them: to whatever window has the focus.
void typeText(const std::wstring& text);
// `virtualKey` pressed while the keys `held` (Shift, say) are down.
void pressKey(WORD virtualKey, std::initializer_list<WORD> held = {});

// Brings the bar to the front and waits until its thread has made it active
// and put the focus in it, so that keys sent next reach its field. The bar's
// thread does both a moment after another program asks.
void focusBar(HWND bar);

// Lets the bar start, answering every message box it shows with OK, until the
// bar is shown, two seconds pass without a new box, and the bar takes keys.
// Returns the boxes' texts.
std::vector<std::string> messagesAtStart(const VaskProcess& vask, HWND& bar);

using test::captureClient;
// Lets a window of another process handle what waits in its queue, paint included.
void settle(HWND window);

// The advanced window of a running bar, opened with "Advanced Search";
// nullptr when none is shown.
HWND openAdvanced(HWND bar);

}  // namespace vask::e2e
