#include "win/newer_api.h"

namespace vask::win {
namespace {

template <typename Function>
Function lookUp(HMODULE module, const char* name) {
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

NewerApi load() {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    NewerApi api;
    api.getDpiForWindow = lookUp<decltype(api.getDpiForWindow)>(user32, "GetDpiForWindow");
    api.setProcessDpiAwarenessContext =
        lookUp<decltype(api.setProcessDpiAwarenessContext)>(user32, "SetProcessDpiAwarenessContext");
    return api;
}

}  // namespace

const NewerApi& newerApi() {
    static const NewerApi api = load();
    return api;
}

}  // namespace vask::win
