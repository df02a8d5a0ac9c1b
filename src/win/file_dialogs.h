#pragma once
// The system's open and save dialogs, asking for one kind of file.
#include <windows.h>

#include <optional>
#include <string>

namespace vask::win {

struct FileDialogSetup {
    const wchar_t* filter;            // "name\0pattern\0" pairs, ended by one more "\0"
    const wchar_t* defaultExtension;  // without the dot; added to a name typed without one
    std::wstring folder;              // where the dialog starts when the name has no folder
    std::wstring fileName;            // pre-filled name, may be empty
};

// The chosen path, or nothing when the user cancels. A dialog that cannot
// run at all throws: that is not the user's "Cancel".
std::optional<std::wstring> askOpenFileName(HWND owner, const FileDialogSetup& setup);
// Asks before overwriting an existing file.
std::optional<std::wstring> askSaveFileName(HWND owner, const FileDialogSetup& setup);

}  // namespace vask::win
