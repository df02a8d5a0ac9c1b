#include "e2e_support.h"

#include <shellapi.h>

#include <chrono>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "bar/bar_window.h"
#include "win/files.h"
#include "win/text.h"

namespace vask::e2e {
namespace {

std::wstring& exePath() {
    static std::wstring path;
    return path;
}

std::wstring logFile(const std::wstring& browser) { return L"C:\\vasktest\\" + browser + L"\\launches.log"; }

std::vector<LaunchArgs> parseLog(const std::string& log) {
    std::vector<LaunchArgs> launches;
    std::istringstream lines(log);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("launch ", 0) == 0)
            launches.emplace_back();
        else if (line.rfind("arg ", 0) == 0 && !launches.empty())
            launches.back().push_back(line.substr(4));
    }
    return launches;
}

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (owner == search->processId && std::wstring(name) == search->className) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

const std::wstring& vaskExe() { return exePath(); }

void setVaskExe(const std::wstring& path) {
    // Wine shows the Unix file system as drive Z:.
    std::wstring windowsPath = path;
    if (!windowsPath.empty() && windowsPath[0] == L'/') {
        for (auto& c : windowsPath)
            if (c == L'/') c = L'\\';
        windowsPath = L"Z:" + windowsPath;
    }
    exePath() = windowsPath;
}

std::vector<LaunchArgs> launchesOf(const std::wstring& browser) {
    return parseLog(win::readWholeFile(logFile(browser)).value_or(""));
}

void forgetLaunches() {
    for (const wchar_t* browser : {L"default", L"firefox", L"chrome"}) DeleteFileW(logFile(browser).c_str());
}

std::vector<LaunchArgs> waitForLaunches(const std::wstring& browser, size_t count) {
    for (int i = 0; i < 600; ++i) {
        auto launches = launchesOf(browser);
        if (launches.size() >= count) return launches;
        Sleep(50);
    }
    return launchesOf(browser);
}

bool waitUntil(const std::function<bool()>& condition) {
    for (int i = 0; i < 600; ++i) {
        if (condition()) return true;
        Sleep(50);
    }
    return false;
}

VaskProcess::VaskProcess(const std::wstring& folder, Start start, const std::wstring& arguments,
                         const std::wstring& startedAs) {
    const std::wstring copy = folder + L"vask.exe";
    if (!win::fileExists(copy) && !CopyFileW(vaskExe().c_str(), copy.c_str(), FALSE))
        throw std::runtime_error("cannot copy vask.exe");
    const std::wstring target = startedAs.empty() ? copy : startedAs;
    std::wstring commandLine = L"\"" + target + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(target.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                        start == Suspended ? CREATE_SUSPENDED : 0, nullptr, folder.c_str(), &startup, &info))
        throw std::runtime_error("cannot start vask.exe");
    thread_.reset(info.hThread);
    process_.reset(info.hProcess);
    processId_ = info.dwProcessId;
    if (start == WaitUntilIdle) WaitForInputIdle(info.hProcess, 10000);
}

std::vector<HWND> windowsOf(DWORD processId, const wchar_t* className) {
    struct Search {
        DWORD processId;
        const wchar_t* className;
        std::vector<HWND> found;
    } search{processId, className, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* search = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (owner == search->processId && std::wstring(name) == search->className && IsWindowVisible(window))
                search->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void VaskProcess::resume() const { ResumeThread(thread_.get()); }

VaskProcess::~VaskProcess() {
    if (WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), 5000);
    }
}

HWND VaskProcess::waitForWindow(const wchar_t* className) const {
    for (int i = 0; i < 600; ++i) {
        WindowSearch search{processId_, className, nullptr};
        EnumWindows(&matchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        Sleep(50);
    }
    return nullptr;
}

bool VaskProcess::waitForExit(DWORD milliseconds) const {
    return WaitForSingleObject(process_.get(), milliseconds) == WAIT_OBJECT_0;
}

DWORD VaskProcess::exitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

void VaskProcess::search(const std::string& text) const {
    // The bar's window exists a moment before its controls: wait for the field.
    HWND field = nullptr;
    waitUntil([&] { return (field = FindWindowExW(bar(), nullptr, L"Edit", nullptr)) != nullptr; });
    SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(win::toWide(text).c_str()));
    SendMessageW(field, WM_CHAR, L'\r', 0);
}

void VaskProcess::sendCopyData(const std::string& text) const {
    COPYDATASTRUCT data{0, static_cast<DWORD>(text.size() + 1), const_cast<char*>(text.c_str())};
    SendMessageW(bar(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}

void VaskProcess::command(UINT menuId) const { SendMessageW(bar(), WM_COMMAND, menuId, 0); }

namespace {

void sendKey(WORD virtualKey, wchar_t character, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = character;
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

}  // namespace

std::string textOf(HWND window) {
    wchar_t text[256] = {};
    SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return win::toUtf8(text);
}

void typeText(const std::wstring& text) {
    for (const wchar_t c : text) {
        sendKey(0, c, KEYEVENTF_UNICODE);
        sendKey(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP);
    }
}

void pressKey(WORD virtualKey, std::initializer_list<WORD> held) {
    for (const WORD key : held) sendKey(key, 0, 0);
    sendKey(virtualKey, 0, 0);
    sendKey(virtualKey, 0, KEYEVENTF_KEYUP);
    for (const WORD key : held) sendKey(key, 0, KEYEVENTF_KEYUP);
}

std::vector<std::string> messagesAtStart(const VaskProcess& vask, HWND& bar) {
    std::set<HWND> seen;
    std::vector<std::string> texts;
    auto quietSince = std::chrono::steady_clock::now();
    const auto start = quietSince;
    bar = nullptr;
    while (std::chrono::steady_clock::now() - start < std::chrono::seconds(30)) {
        for (const HWND box : windowsOf(vask.processId(), L"#32770")) {
            if (!seen.insert(box).second) continue;
            wchar_t text[512] = {};
            GetDlgItemTextW(box, 0xFFFF, text, 512);  // the static text of a message box
            texts.push_back(win::toUtf8(text));
            quietSince = std::chrono::steady_clock::now();
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
        const auto bars = windowsOf(vask.processId(), L"Tmainform");
        if (!bars.empty()) bar = bars[0];
        if (bar && std::chrono::steady_clock::now() - quietSince > std::chrono::seconds(2)) break;
        Sleep(50);
    }
    if (bar) focusBar(bar);
    return texts;
}

void focusBar(HWND bar) {
    const DWORD thread = GetWindowThreadProcessId(bar, nullptr);
    for (int i = 0; i < 200; ++i) {
        if (GetForegroundWindow() != bar) SetForegroundWindow(bar);
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        if (GetGUIThreadInfo(thread, &info) && info.hwndActive == bar && info.hwndFocus && IsChild(bar, info.hwndFocus))
            return;
        Sleep(50);
    }
    ADD_FAILURE() << "the bar never took the focus";
}

void settle(HWND window) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &result);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(300);
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &result);
}

HWND openAdvanced(HWND bar) {
    const HWND button = GetDlgItem(bar, Tmainform::IdGradButton3);
    SendMessageW(bar, WM_COMMAND, MAKEWPARAM(Tmainform::IdGradButton3, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, L"Tfext", nullptr));)
        if (GetWindow(window, GW_OWNER) == bar && IsWindowVisible(window)) return window;
    return nullptr;
}

}  // namespace vask::e2e
