#pragma once
// TInstanceControl: keeps the number of running copies of one program file
// at or below MaxInstances. The copies count themselves in a small named
// shared block; a copy that finds the limit reached brings the copy that
// registered last to the front and ends before showing anything.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "win/files.h"
#include "win/handles.h"

namespace vask {

class EInstanceControl : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The name of the shared block that the copies of the program file at
// `programPath` count themselves in: the same for every path to that file.
std::wstring instanceBlockName(const std::wstring& programPath);

class TInstanceControl;
// Raised in the copy that is about to end, with the window of the copy that registered last.
using TMaxInstancesReachedEvent = std::function<void(TInstanceControl& Sender, HWND LastInstanceHandle)>;

class TInstanceControl {
public:
    // Counts the copies of the program file at `programPath`. Only one lives per
    // process: a second one throws EInstanceControl.
    explicit TInstanceControl(const std::wstring& programPath = win::programPath());
    ~TInstanceControl();  // gives this copy's count back
    TInstanceControl(const TInstanceControl&) = delete;
    TInstanceControl& operator=(const TInstanceControl&) = delete;

    bool Enabled = true;
    uint32_t MaxInstances = 1;
    TMaxInstancesReachedEvent OnMaxInstancesReached;

    // Registration once the owner's window exists ("load completed").
    // `applicationWindow` is the window that brings this copy back for the
    // user. Returns false when the limit was reached: the window is hidden,
    // the last registered copy is restored and in front, and the caller ends
    // this copy without showing anything. Throws Win32Error when the shared
    // block cannot be made.
    bool Loaded(HWND applicationWindow);

    // Whether the copies running now fill the limit, so that this copy is
    // about to end: a look at the count that takes no place. Loaded decides.
    bool limitReached() const;

    // False once this copy found the limit reached (it then never gives a count back).
    bool counted() const { return counted_; }

private:
    void limitReached(HWND applicationWindow, HWND lastInstance);

    std::wstring mappingName_;
    win::KernelHandle lock_;     // the named mutex guarding the count
    win::KernelHandle mapping_;  // held for this copy's life: the block goes with its last handle
    win::MappedView view_;
    bool counted_ = true;
    bool registered_ = false;  // this copy added itself to the count
};

}  // namespace vask
