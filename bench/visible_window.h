#pragma once
// Finds a program's visible top-level window of a class, for the Windows bench probes.
#include <windows.h>

#include <cwchar>

// The window, or null while the process shows none of that class.
inline HWND visibleWindowOf(DWORD processId, const wchar_t* windowClass) {
    struct Search {
        DWORD processId;
        const wchar_t* windowClass;
        HWND window = nullptr;
    } search{processId, windowClass};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t name[128] = {};
            GetClassNameW(window, name, 128);
            if (owner == search.processId && std::wcscmp(name, search.windowClass) == 0 && IsWindowVisible(window))
                search.window = window;
            return !search.window;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.window;
}
