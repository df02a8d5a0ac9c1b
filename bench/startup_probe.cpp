// Starts window programs and measures, for each, the time from process start
// until its main window is visible and its message loop idle, and its memory
// then.
//   startup_probe [--memory] RUNS LABEL CLASS EXE [LABEL CLASS EXE ...]
// The programs take turns, round after round, so each is measured beside the
// others under the same conditions. One line per program, tab-separated:
// label, then the medians of start-up ms, private KiB and working set KiB
// (memory only with --memory, which lets each program settle for half a
// second first; else -1). (Private bytes are read as PagefileUsage: the same
// figure on Windows, and the only one Wine fills in for another process.)
//
// A program built to record the moments of its start-up (vask_phases.exe)
// writes them to the file named by VASK_STARTUP_PHASES_FILE, which the probe
// sets for every program; for such a program one more line follows:
// "phases", label, and the median ms from process start to each moment.
#include <windows.h>

#include "visible_window.h"
#include "wall_clock.h"
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

// The moments the bar records, in the order of its start-up.
constexpr int MomentCount = 7;

struct Subject {
    std::wstring label, windowClass, exe;
    std::vector<double> startupMs, privateKiB, workingSetKiB;
    std::vector<double> momentMs[MomentCount];
};

double counterToMs(long long counter) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter) / static_cast<double>(frequency.QuadPart);
}

// The moments a program wrote (performance counter readings, the clock of
// nowMs), as ms after `start`; empty when it wrote none.
std::vector<double> readMoments(const std::wstring& path, double start) {
    std::vector<double> moments;
    FILE* file = _wfopen(path.c_str(), L"r");
    if (!file) return moments;
    long long counter = 0;
    while (moments.size() < MomentCount && std::fscanf(file, "%lld", &counter) == 1)
        moments.push_back(counter ? counterToMs(counter) - start : -1);
    std::fclose(file);
    if (moments.size() != MomentCount) moments.clear();
    return moments;
}

// One start of the program; false (after a message) when it did not come up.
bool measureOnce(Subject& subject, bool record, bool memoryToo) {
    std::wstring commandLine = L"\"" + subject.exe + L"\"";
    const std::wstring folder = subject.exe.substr(0, subject.exe.find_last_of(L"\\/") + 1);
    const std::wstring momentsFile = folder + L"startup-phases.txt";
    DeleteFileW(momentsFile.c_str());
    SetEnvironmentVariableW(L"VASK_STARTUP_PHASES_FILE", momentsFile.c_str());
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};

    const double start = nowMs();
    if (!CreateProcessW(subject.exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process)) {
        std::fwprintf(stderr, L"cannot start %ls (error %lu)\n", subject.exe.c_str(), GetLastError());
        return false;
    }
    WaitForInputIdle(process.hProcess, 30000);
    bool found = false;
    for (;;) {
        found = visibleWindowOf(process.dwProcessId, subject.windowClass.c_str()) != nullptr;
        if (found || WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0 || nowMs() - start > 30000) break;
    }
    WaitForInputIdle(process.hProcess, 30000);
    const double startupMs = nowMs() - start;

    if (found) {
        PROCESS_MEMORY_COUNTERS memory{};
        if (memoryToo) {
            Sleep(500);  // let what the program posted to itself run out
            GetProcessMemoryInfo(process.hProcess, &memory, sizeof(memory));
        }
        // The program wrote its moments before its loop first waited.
        const std::vector<double> moments = readMoments(momentsFile, start);
        if (record) {
            subject.startupMs.push_back(startupMs);
            if (memoryToo) {
                subject.privateKiB.push_back(static_cast<double>(memory.PagefileUsage) / 1024);
                subject.workingSetKiB.push_back(static_cast<double>(memory.WorkingSetSize) / 1024);
            }
            for (std::size_t i = 0; i < moments.size(); ++i) subject.momentMs[i].push_back(moments[i]);
        }
    } else {
        std::fwprintf(stderr, L"%ls: no visible window of class %ls\n", subject.exe.c_str(),
                      subject.windowClass.c_str());
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return found;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const bool memoryToo = argc > 1 && std::wcscmp(argv[1], L"--memory") == 0;
    const int first = memoryToo ? 2 : 1;
    if (argc - first < 4 || (argc - first - 1) % 3 != 0) {
        std::fwprintf(stderr, L"usage: startup_probe [--memory] RUNS LABEL CLASS EXE [LABEL CLASS EXE ...]\n");
        return 2;
    }
    const int runs = std::max(1, _wtoi(argv[first]));
    std::vector<Subject> subjects;
    for (int i = first + 1; i + 2 < argc; i += 3)
        subjects.push_back({argv[i], argv[i + 1], argv[i + 2], {}, {}, {}, {}});

    // Round 0 warms the caches and is not counted.
    for (int round = 0; round <= runs; ++round)
        for (Subject& subject : subjects)
            if (!measureOnce(subject, round > 0, memoryToo)) return 1;

    for (const Subject& s : subjects) {
        std::wprintf(L"%ls\t%.1f\t%.0f\t%.0f\n", s.label.c_str(), median(s.startupMs), median(s.privateKiB),
                     median(s.workingSetKiB));
        if (s.momentMs[0].empty()) continue;  // a program that records no moments
        if (s.momentMs[0].size() != s.startupMs.size()) {
            std::fwprintf(stderr, L"%ls: its moments were missing after some starts\n", s.label.c_str());
            continue;
        }
        std::wprintf(L"phases\t%ls", s.label.c_str());
        for (const auto& moment : s.momentMs) std::wprintf(L"\t%.1f", median(moment));
        std::wprintf(L"\n");
    }
    return 0;
}
