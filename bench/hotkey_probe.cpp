// Measures how fast a program comes to the front on its global hotkey: from
// the moment the hotkey's keys (Ctrl+Alt+Space, with their scan codes, as a
// keyboard sends them) are down and up again until the program's window is
// the foreground window with the keyboard's focus in an edit field.
//   hotkey_probe RUNS LABEL CLASS EXE [LABEL CLASS EXE ...]
// Only one program can hold the hotkey, so each runs alone for a block of
// presses; the programs take turns block after block (seven blocks), and
// before every press the probe's own window is made active again. One line
// per program, tab-separated: label, median ms.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "visible_window.h"
#include "wall_clock.h"

namespace {

constexpr int Blocks = 7;

struct Subject {
    std::wstring label, windowClass, exe;
    std::vector<double> ms;
};

void pump() {
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&message);
}

// Waits (pumping the probe's own messages) until `condition` holds; false after 10 s.
template <typename Condition>
bool waitFor(Condition condition) {
    const double start = nowMs();
    while (!condition()) {
        pump();
        if (nowMs() - start > 10000) return false;
        SwitchToThread();
    }
    return true;
}

bool focusInEdit(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (GetForegroundWindow() != window || !GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return false;
    wchar_t name[16] = {};
    GetClassNameW(info.hwndFocus, name, 16);
    return _wcsicmp(name, L"Edit") == 0;
}

void pressHotkey() {
    const WORD keys[] = {VK_CONTROL, VK_MENU, VK_SPACE};
    INPUT inputs[6] = {};
    for (int i = 0; i < 3; ++i)
        for (INPUT* input : {&inputs[i], &inputs[5 - i]}) {
            input->type = INPUT_KEYBOARD;
            input->ki.wVk = keys[i];
            input->ki.wScan = static_cast<WORD>(MapVirtualKeyW(keys[i], MAPVK_VK_TO_VSC));
        }
    for (int i = 3; i < 6; ++i) inputs[i].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(6, inputs, sizeof(INPUT));
}

// One block: starts the program, presses its hotkey `presses` times (two
// more first, not counted), ends it. False when it did not come up.
bool measureBlock(Subject& subject, HWND own, int presses) {
    std::wstring commandLine = L"\"" + subject.exe + L"\"";
    const std::wstring folder = subject.exe.substr(0, subject.exe.find_last_of(L"\\/") + 1);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(subject.exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process)) {
        std::fwprintf(stderr, L"cannot start %ls (error %lu)\n", subject.exe.c_str(), GetLastError());
        return false;
    }
    HWND window = nullptr;
    waitFor([&] { return (window = visibleWindowOf(process.dwProcessId, subject.windowClass.c_str())) != nullptr; });
    WaitForInputIdle(process.hProcess, 10000);
    bool ok = window != nullptr;
    for (int press = -2; ok && press < presses; ++press) {
        SetForegroundWindow(own);
        SetFocus(own);
        ok = waitFor([&] { return GetForegroundWindow() == own; });
        Sleep(50);  // the program settles as after a user's other work
        pump();
        pressHotkey();
        const double start = nowMs();
        ok = ok && waitFor([&] { return focusInEdit(window); });
        if (ok && press >= 0) subject.ms.push_back(nowMs() - start);
    }
    if (!ok) std::fwprintf(stderr, L"%ls did not come to the front on its hotkey\n", subject.label.c_str());
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ok;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 5 || (argc - 2) % 3 != 0) {
        std::fwprintf(stderr, L"usage: hotkey_probe RUNS LABEL CLASS EXE [LABEL CLASS EXE ...]\n");
        return 2;
    }
    const int runs = std::max(Blocks, _wtoi(argv[1]));
    std::vector<Subject> subjects;
    for (int i = 2; i + 2 < argc; i += 3) subjects.push_back({argv[i], argv[i + 1], argv[i + 2], {}});

    // The window that is active before each press: "another program".
    const HWND own = CreateWindowExW(0, L"STATIC", L"hotkey probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                     nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    for (int block = 0; block < Blocks; ++block)
        for (Subject& subject : subjects) {
            const int presses = runs / Blocks + (block < runs % Blocks ? 1 : 0);
            if (!measureBlock(subject, own, presses)) return 1;
        }
    for (const Subject& s : subjects) std::wprintf(L"%ls\t%.2f\n", s.label.c_str(), median(s.ms));
    return 0;
}
