#include "win/oleacc_api.h"

#include "win/handles.h"
#include "win/proc_address.h"

namespace vask::win {

const OleaccApi& oleaccApi() {
    // Known DLLs: always taken from the system folder.
    static const Module oleacc(LoadLibraryW(L"oleacc.dll"));
    static const Module ole32(LoadLibraryW(L"ole32.dll"));
    static const Module oleaut32(LoadLibraryW(L"oleaut32.dll"));
    static const OleaccApi api{
        procAddress<decltype(OleaccApi::createStdAccessibleObject)>(oleacc.get(), "CreateStdAccessibleObject"),
        procAddress<decltype(OleaccApi::lresultFromObject)>(oleacc.get(), "LresultFromObject"),
        procAddress<decltype(OleaccApi::coInitializeEx)>(ole32.get(), "CoInitializeEx"),
        procAddress<decltype(OleaccApi::sysAllocString)>(oleaut32.get(), "SysAllocString"),
    };
    return api;
}

}  // namespace vask::win
