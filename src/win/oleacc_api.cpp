#include "win/oleacc_api.h"

#include "win/handles.h"

namespace vask::win {
namespace {

template <typename Function>
Function lookUp(HMODULE module, const char* name) {
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace

const OleaccApi& oleaccApi() {
    // Known DLLs: always taken from the system folder.
    static const Module oleacc(LoadLibraryW(L"oleacc.dll"));
    static const Module ole32(LoadLibraryW(L"ole32.dll"));
    static const Module oleaut32(LoadLibraryW(L"oleaut32.dll"));
    static const OleaccApi api{
        lookUp<decltype(OleaccApi::createStdAccessibleObject)>(oleacc.get(), "CreateStdAccessibleObject"),
        lookUp<decltype(OleaccApi::lresultFromObject)>(oleacc.get(), "LresultFromObject"),
        lookUp<decltype(OleaccApi::coInitializeEx)>(ole32.get(), "CoInitializeEx"),
        lookUp<decltype(OleaccApi::sysAllocString)>(oleaut32.get(), "SysAllocString"),
    };
    return api;
}

}  // namespace vask::win
