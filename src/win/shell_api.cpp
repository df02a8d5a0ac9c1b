#include "win/shell_api.h"

#include "win/handles.h"
#include "win/proc_address.h"

namespace vask::win {

const ShellApi& shellApi() {
    // A known DLL: always taken from the system folder.
    static const Module shell32(LoadLibraryW(L"shell32.dll"));
    static const Module shlwapi(LoadLibraryW(L"shlwapi.dll"));
    static const ShellApi api{procAddress<decltype(ShellApi::shellExecute)>(shell32.get(), "ShellExecuteW"),
                              procAddress<decltype(ShellApi::getFolderPath)>(shell32.get(), "SHGetFolderPathW"),
                              procAddress<decltype(ShellApi::assocQueryString)>(shlwapi.get(), "AssocQueryStringW")};
    return api;
}

}  // namespace vask::win
