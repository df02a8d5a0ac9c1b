#include "win/data_folder.h"

#include <windows.h>

#include "win/errors.h"
#include "win/files.h"
#include "win/text.h"

namespace vask::win {
namespace {

constexpr const wchar_t* DataFileNames[] = {L"vask.cfg", L"color.cld", L"hist.sdf"};

// Why a file cannot be read, in the system's words (empty when it can).
std::string unreadableReason(const std::wstring& path) {
    try {
        readFileOrThrow(path);
    } catch (const std::exception& error) {
        return error.what();
    }
    return {};
}

}  // namespace

DataFolder::DataFolder(std::wstring programDir, const std::wstring& appDataRoot)
    : programDir_(std::move(programDir)), installed_(fileExists(programDir_ + InstalledMarker)) {
    // A program where its user may not write (under "Program Files", say)
    // keeps its files in the user's own folder instead; so does an installed
    // one that could write there (run elevated), as every user has their own.
    folder_ = !installed_ && canCreateFileIn(programDir_) ? programDir_ : fallBackToAppData(appDataRoot);
}

std::wstring DataFolder::fallBackToAppData(const std::wstring& appDataRoot) {
    const std::wstring root = appDataRoot.empty() ? userAppDataFolder() : appDataRoot;
    if (root.empty()) return programDir_;
    std::wstring folder = root + L"Vask\\";
    if (!CreateDirectoryW(folder.c_str(), nullptr)) {
        const DWORD error = GetLastError();
        if (error != ERROR_ALREADY_EXISTS) {
            copyProblems_.push_back(Win32Error(error, toUtf8(folder)).what());
            return programDir_;
        }
    }
    // The program folder's files come along before the first use of each, so nothing is lost.
    for (const wchar_t* name : DataFileNames) {
        const std::wstring from = programDir_ + name, to = folder + name;
        if (!fileExists(from) || fileExists(to) || isFolder(to)) continue;
        try {
            saveFileAtomically(to, readFileOrThrow(from));
        } catch (const std::exception& error) {
            copyProblems_.push_back(error.what());
        }
    }
    return folder;
}

std::vector<std::string> DataFolder::problems() const {
    std::vector<std::string> problems = copyProblems_;
    // A folder where a data file goes can be neither read nor saved over: the
    // user hears of it at the start rather than first at the close.
    for (const wchar_t* name : DataFileNames)
        if (isFolder(file(name)))
            if (std::string reason = unreadableReason(file(name)); !reason.empty()) problems.push_back(reason);
    return problems;
}

std::wstring DataFolder::presetFolder() const {
    if (installed_) return folder_;
    return folder_ == programDir_ || canListFolder(programDir_) ? programDir_ : folder_;
}

IniDocument DataFolder::readSettings(SharingWait wait) const {
    // A file that is there but cannot be read is an error, never an empty
    // document: a save would otherwise replace it and lose its other sections.
    const std::wstring path = file(L"vask.cfg");
    if (!fileExists(path)) return {};
    return IniDocument::parse(readFileOrThrow(path, wait), ansiDecoder());
}

void DataFolder::writeSettings(const IniDocument& settings) const {
    saveFileAtomically(file(L"vask.cfg"), settings.serialize());
}

}  // namespace vask::win
