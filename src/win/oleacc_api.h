#pragma once
// The accessibility functions (oleacc, ole32, oleaut32), looked up the first
// time a screen reader asks: linked in, they would bring a dozen DLLs to
// every start of a program that is mostly run without one.
#include <windows.h>
#include <oleacc.h>

namespace vask::win {

struct OleaccApi {
    decltype(&CreateStdAccessibleObject) createStdAccessibleObject = nullptr;
    decltype(&LresultFromObject) lresultFromObject = nullptr;
    decltype(&CoInitializeEx) coInitializeEx = nullptr;
    decltype(&SysAllocString) sysAllocString = nullptr;
    bool complete() const { return createStdAccessibleObject && lresultFromObject && coInitializeEx && sysAllocString; }
};

// Null functions for what cannot be loaded.
const OleaccApi& oleaccApi();

}  // namespace vask::win
