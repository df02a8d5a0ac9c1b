// The recording half of startup_phases.h, linked into vask_phases.exe
// only. Each moment is a reading of the performance counter, the clock the
// start-up probe reads too; at the first idle moment they are written to the
// file that VASK_STARTUP_PHASES_FILE names, so nothing is written while the
// start is being timed.
#include "app/startup_phases.h"

#include <cstdio>

namespace vask::startup {
namespace {

LONGLONG moments[static_cast<int>(Phase::Count)];

void writeMoments() {
    wchar_t path[MAX_PATH];
    if (!GetEnvironmentVariableW(L"VASK_STARTUP_PHASES_FILE", path, MAX_PATH)) return;
    FILE* file = _wfopen(path, L"w");
    if (!file) return;
    for (const LONGLONG moment : moments) std::fprintf(file, "%lld\n", moment);
    std::fclose(file);
}

}  // namespace

void mark(Phase phase) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    LONGLONG& moment = moments[static_cast<int>(phase)];
    if (moment == 0) moment = now.QuadPart;
}

void handled(const MSG& message) {
    if (moments[static_cast<int>(Phase::Idle)]) return;
    if (message.message == WM_PAINT) mark(Phase::FirstPaint);
    // Nothing waiting: the next GetMessage blocks, as WaitForInputIdle sees it.
    if (HIWORD(GetQueueStatus(QS_ALLINPUT)) == 0) {
        mark(Phase::Idle);
        writeMoments();
    }
}

}  // namespace vask::startup
