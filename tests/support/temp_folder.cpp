#include "temp_folder.h"

#include <windows.h>
#include <shellapi.h>

#include "win/files.h"

namespace vask::test {

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    static int counter = 0;
    path_ = std::wstring(base) + L"vask-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++counter) + L"\\";
    CreateDirectoryW(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() {
    std::wstring from = path_.substr(0, path_.size() - 1);
    from.push_back(L'\0');  // SHFileOperation takes a double-terminated list
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    SHFileOperationW(&operation);
}

void TempFolder::write(const wchar_t* name, const std::string& bytes) const {
    win::saveFileAtomically(file(name), bytes);
}

std::string TempFolder::read(const wchar_t* name) const { return win::readWholeFile(file(name)).value_or(""); }

bool TempFolder::exists(const wchar_t* name) const { return win::fileExists(file(name)); }

}  // namespace vask::test
