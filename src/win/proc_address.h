#pragma once
// A function of a DLL loaded at run time, looked up by name: the program
// then runs where the DLL or the function is missing.
#include <windows.h>

namespace vask::win {

// Null when `module` is null or has no such function.
template <typename Function>
Function procAddress(HMODULE module, const char* name) {
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace vask::win
