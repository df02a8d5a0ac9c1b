#include "win/newer_api.h"

#include "win/proc_address.h"

namespace vask::win {
namespace {

NewerApi load() {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    NewerApi api;
    api.getDpiForWindow = procAddress<decltype(api.getDpiForWindow)>(user32, "GetDpiForWindow");
    api.setProcessDpiAwarenessContext =
        procAddress<decltype(api.setProcessDpiAwarenessContext)>(user32, "SetProcessDpiAwarenessContext");
    api.getSystemMetricsForDpi = procAddress<decltype(api.getSystemMetricsForDpi)>(user32, "GetSystemMetricsForDpi");
    return api;
}

}  // namespace

const NewerApi& newerApi() {
    static const NewerApi api = load();
    return api;
}

}  // namespace vask::win
