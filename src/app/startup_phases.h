#pragma once
// The moments of the program's start-up. `make bench` builds vask_phases.exe
// from the same sources with VASK_STARTUP_PHASES defined, which records them
// (startup_phases.cpp, built into that program only); in vask.exe these
// calls compile to nothing.
#include <windows.h>

namespace vask::startup {

enum class Phase { Entry, SettingsRead, ControlsMade, HistoryRead, Shown, FirstPaint, Idle, Count };

#ifdef VASK_STARTUP_PHASES
void mark(Phase phase);
// Called after each message of the loop: marks the end of the first paint and
// the first moment the queue is empty.
void handled(const MSG& message);
#else
inline void mark(Phase) {}
inline void handled(const MSG&) {}
#endif

}  // namespace vask::startup
