#pragma once
// Functions of newer Windows versions, looked up at run time in one place so
// the program still starts on older systems and on Wine.
#include <windows.h>

namespace vask::win {

struct NewerApi {
    UINT(WINAPI* getDpiForWindow)(HWND) = nullptr;
    BOOL(WINAPI* setProcessDpiAwarenessContext)(HANDLE) = nullptr;
    int(WINAPI* getSystemMetricsForDpi)(int, UINT) = nullptr;
};

const NewerApi& newerApi();

}  // namespace vask::win
