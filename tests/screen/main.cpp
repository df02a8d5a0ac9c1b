// The screen tests draw at the DPI given with --dpi=N (96 when none). The
// system reads the user's DPI when a program starts: a run asked for another
// DPI than the system's sets the user's DPI, runs itself again and puts the
// user's DPI back as it was.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <optional>

#include "win/dpi.h"
#include "win/handles.h"
#include "win/newer_api.h"

namespace {

constexpr wchar_t DesktopKey[] = L"Control Panel\\Desktop";

std::optional<DWORD> userDpi() {
    DWORD value = 0, size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, DesktopKey, L"LogPixels", RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

void setUserDpi(std::optional<DWORD> dpi) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, DesktopKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    if (dpi)
        RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*dpi), sizeof(*dpi));
    else
        RegDeleteValueW(key, L"LogPixels");
    RegCloseKey(key);
}

// This program again, with the same command line, its exit code returned.
int runAgain() {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    std::wstring commandLine = GetCommandLineW();
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    if (!CreateProcessW(self, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info))
        return 1;
    const vask::win::KernelHandle process(info.hProcess), thread(info.hThread);
    WaitForSingleObject(process.get(), INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.get(), &code);
    return static_cast<int>(code);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    UINT dpi = 96;
    for (int i = 1; i < argc; ++i)
        if (std::wcsncmp(argv[i], L"--dpi=", 6) == 0) dpi = static_cast<UINT>(std::wcstoul(argv[i] + 6, nullptr, 10));
    if (const auto setAwareness = vask::win::newerApi().setProcessDpiAwarenessContext)
        setAwareness(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    if (vask::win::systemDpi() != dpi) {
        const std::optional<DWORD> before = userDpi();
        setUserDpi(dpi);
        const int code = runAgain();
        setUserDpi(before);
        return code;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
