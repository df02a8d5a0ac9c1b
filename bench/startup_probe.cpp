// Starts window programs and measures, for each, the time from process start
// until its main window is visible and its message loop idle, and its memory
// then.
//   startup_probe RUNS LABEL CLASS EXE [LABEL CLASS EXE ...]
// The programs take turns, round after round, so each is measured beside the
// others under the same conditions. One line per program, tab-separated:
// label, then the medians of start-up ms, private KiB and working set KiB.
// (Private bytes are read as PagefileUsage: the same figure on Windows, and
// the only one Wine fills in for another process.)
#include <windows.h>

#include "wall_clock.h"
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct Subject {
    std::wstring label, windowClass, exe;
    std::vector<double> startupMs, privateKiB, workingSetKiB;
};

struct Search {
    DWORD processId;
    const wchar_t* windowClass;
    bool found = false;
};

BOOL CALLBACK checkWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<Search*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    wchar_t name[128] = {};
    GetClassNameW(window, name, 128);
    if (processId == search.processId && std::wcscmp(name, search.windowClass) == 0 && IsWindowVisible(window))
        search.found = true;
    return !search.found;
}

double median(std::vector<double> values) {
    if (values.empty()) return -1;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// One start of the program; false (after a message) when it did not come up.
bool measureOnce(Subject& subject, bool record) {
    std::wstring commandLine = L"\"" + subject.exe + L"\"";
    const std::wstring folder = subject.exe.substr(0, subject.exe.find_last_of(L"\\/") + 1);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};

    const double start = nowMs();
    if (!CreateProcessW(subject.exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process)) {
        std::fwprintf(stderr, L"cannot start %ls (error %lu)\n", subject.exe.c_str(), GetLastError());
        return false;
    }
    WaitForInputIdle(process.hProcess, 30000);
    Search search{process.dwProcessId, subject.windowClass.c_str()};
    for (;;) {
        EnumWindows(checkWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found || WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0 || nowMs() - start > 30000)
            break;
    }
    WaitForInputIdle(process.hProcess, 30000);
    const double startupMs = nowMs() - start;

    if (search.found) {
        Sleep(500);  // let what the program posted to itself run out
        PROCESS_MEMORY_COUNTERS memory{};
        GetProcessMemoryInfo(process.hProcess, &memory, sizeof(memory));
        if (record) {
            subject.startupMs.push_back(startupMs);
            subject.privateKiB.push_back(static_cast<double>(memory.PagefileUsage) / 1024);
            subject.workingSetKiB.push_back(static_cast<double>(memory.WorkingSetSize) / 1024);
        }
    } else {
        std::fwprintf(stderr, L"%ls: no visible window of class %ls\n", subject.exe.c_str(),
                      subject.windowClass.c_str());
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return search.found;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 5 || (argc - 2) % 3 != 0) {
        std::fwprintf(stderr, L"usage: startup_probe RUNS LABEL CLASS EXE [LABEL CLASS EXE ...]\n");
        return 2;
    }
    const int runs = std::max(1, _wtoi(argv[1]));
    std::vector<Subject> subjects;
    for (int i = 2; i + 2 < argc; i += 3) subjects.push_back({argv[i], argv[i + 1], argv[i + 2], {}, {}, {}});

    // Round 0 warms the caches and is not counted.
    for (int round = 0; round <= runs; ++round)
        for (Subject& subject : subjects)
            if (!measureOnce(subject, round > 0)) return 1;

    for (const Subject& s : subjects)
        std::wprintf(L"%ls\t%.1f\t%.0f\t%.0f\n", s.label.c_str(), median(s.startupMs), median(s.privateKiB),
                     median(s.workingSetKiB));
    return 0;
}
