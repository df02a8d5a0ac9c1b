#pragma once
// The bar's "Start with Windows": the user's Run entry for this vask.exe.
namespace vask {

// Whether the user's entry starts this vask.exe (an entry that starts
// another copy does not count).
bool startsWithWindows();
// Points the entry at this vask.exe, or removes it; throws Win32Error with
// the system's message when the registry refuses.
void setStartWithWindows(bool start);
// Removes the entry when it starts this vask.exe, as the uninstaller asks
// (`vask.exe --remove-autostart`); an entry of another copy stays.
void forgetStartWithWindows();

}  // namespace vask
