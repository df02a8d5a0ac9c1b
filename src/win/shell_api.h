#pragma once
// shell32's functions, looked up when first needed: linked in, shell32 brought
// three DLLs (shell32, shlwapi, shcore) to every start, which the bar does
// without until its first search.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

namespace vask::win {

struct ShellApi {
    decltype(&ShellExecuteW) shellExecute = nullptr;
    decltype(&SHGetFolderPathW) getFolderPath = nullptr;
    decltype(&AssocQueryStringW) assocQueryString = nullptr;  // shlwapi's
};

// Null functions when shell32 (or shlwapi) cannot be loaded.
const ShellApi& shellApi();

}  // namespace vask::win
