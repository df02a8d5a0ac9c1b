#pragma once
// Where the program keeps its files: "vask.cfg", "color.cld" and "hist.sdf"
// live in one data folder, decided once at start.
#include <string>
#include <vector>

#include "common/ini_document.h"
#include "win/files.h"

namespace vask::win {

class DataFolder {
public:
    // The program folder when a file can be made there, else "Vask" in
    // `appDataRoot` (empty: the user's "%APPDATA%"), where the program
    // folder's files are copied first so that nothing is lost. An installed
    // copy always keeps each user's files in that user's "Vask".
    explicit DataFolder(std::wstring programDir, const std::wstring& appDataRoot = {});

    // The installer puts this file beside vask.exe; a copy from the zip has none.
    static constexpr const wchar_t* InstalledMarker = L"vask.installed";
    bool installed() const { return installed_; }

    // With its trailing separator.
    const std::wstring& folder() const { return folder_; }
    const std::wstring& programDir() const { return programDir_; }
    std::wstring file(const wchar_t* name) const { return folder_ + name; }
    // Where the preset dialogs start: the program folder when it can be read,
    // the data folder for an installed copy.
    std::wstring presetFolder() const;

    // "vask.cfg" as a document; a missing file reads as empty, one that
    // cannot be read throws with the system's message.
    IniDocument readSettings(SharingWait wait = SharingWait::Briefly) const;
    // Saves "vask.cfg" atomically; throws with the system's message on failure.
    void writeSettings(const IniDocument& settings) const;

    // What went wrong while deciding, and why each data file that a folder
    // stands in for cannot be read: said once, with the start-up's message.
    std::vector<std::string> problems() const;

private:
    std::wstring fallBackToAppData(const std::wstring& appDataRoot);

    std::wstring programDir_;
    bool installed_ = false;
    std::wstring folder_;
    std::vector<std::string> copyProblems_;
};

}  // namespace vask::win
