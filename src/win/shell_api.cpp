#include "win/shell_api.h"

#include "win/handles.h"

namespace vask::win {
namespace {

template <typename Function>
Function lookUp(HMODULE module, const char* name) {
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace

const ShellApi& shellApi() {
    // A known DLL: always taken from the system folder.
    static const Module shell32(LoadLibraryW(L"shell32.dll"));
    static const Module shlwapi(LoadLibraryW(L"shlwapi.dll"));
    static const ShellApi api{lookUp<decltype(ShellApi::shellExecute)>(shell32.get(), "ShellExecuteW"),
                              lookUp<decltype(ShellApi::getFolderPath)>(shell32.get(), "SHGetFolderPathW"),
                              lookUp<decltype(ShellApi::assocQueryString)>(shlwapi.get(), "AssocQueryStringW")};
    return api;
}

}  // namespace vask::win
