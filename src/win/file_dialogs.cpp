#include "win/file_dialogs.h"

#include "win/common_dialogs.h"

#include <stdexcept>
#include <vector>

namespace vask::win {
namespace {

// Room for the longest path Windows knows.
constexpr DWORD PathCapacity = 32768;

std::optional<std::wstring> askFileName(HWND owner, const FileDialogSetup& setup, DWORD flags,
                                        BOOL(WINAPI* dialog)(OPENFILENAMEW*)) {
    std::vector<wchar_t> name(PathCapacity, L'\0');
    setup.fileName.copy(name.data(), name.size() - 1);
    OPENFILENAMEW request{};
    request.lStructSize = sizeof(request);
    request.hwndOwner = owner;
    request.lpstrFilter = setup.filter;
    request.nFilterIndex = 1;
    request.lpstrFile = name.data();
    request.nMaxFile = PathCapacity;
    request.lpstrInitialDir = setup.folder.empty() ? nullptr : setup.folder.c_str();
    request.lpstrDefExt = setup.defaultExtension;
    // The program reaches its files by full path; the dialog must not move the current folder.
    request.Flags = flags | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_ENABLESIZING;
    if (dialog(&request)) return std::wstring(name.data());
    const DWORD error = commonDialogs().extendedError();
    if (error != 0)
        throw std::runtime_error("The file dialog could not be shown (error " + std::to_string(error) + ").");
    return std::nullopt;
}

}  // namespace

std::optional<std::wstring> askOpenFileName(HWND owner, const FileDialogSetup& setup) {
    return askFileName(owner, setup, OFN_PATHMUSTEXIST, commonDialogs().getOpenFileName);
}

std::optional<std::wstring> askSaveFileName(HWND owner, const FileDialogSetup& setup) {
    return askFileName(owner, setup, OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST, commonDialogs().getSaveFileName);
}

}  // namespace vask::win
