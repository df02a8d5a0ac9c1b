#include "win/common_dialogs.h"

#include "win/errors.h"
#include "win/handles.h"
#include "win/proc_address.h"

namespace vask::win {
namespace {

template <typename Function>
void lookUp(HMODULE module, const char* name, Function& function) {
    function = procAddress<Function>(module, name);
    if (!function) throwLastError(std::string("comdlg32.dll: ") + name);
}

struct LoadedDialogs {
    Module module;
    CommonDialogs dialogs;

    LoadedDialogs() : module(LoadLibraryW(L"comdlg32.dll")) {
        if (!module) throwLastError("comdlg32.dll");
        lookUp(module.get(), "ChooseColorW", dialogs.chooseColor);
        lookUp(module.get(), "GetOpenFileNameW", dialogs.getOpenFileName);
        lookUp(module.get(), "GetSaveFileNameW", dialogs.getSaveFileName);
        lookUp(module.get(), "CommDlgExtendedError", dialogs.extendedError);
    }
};

}  // namespace

const CommonDialogs& commonDialogs() {
    // A failed load throws out of the initialiser, so the next call tries again.
    static const LoadedDialogs loaded;
    return loaded.dialogs;
}

}  // namespace vask::win
