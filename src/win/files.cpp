#include "win/files.h"

#include <windows.h>

#include <algorithm>

#include "win/errors.h"
#include "win/handles.h"
#include "win/shell_api.h"
#include "win/text.h"

namespace vask::win {

std::wstring programPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) throwLastError("GetModuleFileName");
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path;
}

std::wstring programDirectory() {
    const std::wstring path = programPath();
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

bool fileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool isFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool canCreateFileIn(const std::wstring& folder) {
    const std::wstring probe = folder + L"~vask" + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    const FileHandle file(CreateFileW(probe.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return static_cast<bool>(file);
}

bool canListFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    return static_cast<bool>(FindHandle(FindFirstFileW((folder + L"*").c_str(), &found)));
}

std::wstring userAppDataFolder() {
    wchar_t path[MAX_PATH] = {};
    const auto getFolderPath = shellApi().getFolderPath;
    if (!getFolderPath || FAILED(getFolderPath(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path)) || !path[0])
        return {};
    std::wstring folder = path;
    if (folder.back() != L'\\') folder += L'\\';
    return folder;
}

std::optional<std::string> readWholeFile(const std::wstring& path) {
    try {
        return readFileOrThrow(path);
    } catch (const Win32Error&) {
        return std::nullopt;
    }
}

bool isSharingViolation(unsigned long errorCode) {
    return errorCode == ERROR_SHARING_VIOLATION || errorCode == ERROR_LOCK_VIOLATION;
}

namespace {

std::string readFileOnce(const std::wstring& path) {
    const std::string name = toUtf8(bareFileName(path));
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throwLastError(name);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) throwLastError(name);
    // The program's files are small; anything past 256 MB is not one of them.
    if (size.QuadPart > (256LL << 20)) throw Win32Error(ERROR_FILE_TOO_LARGE, name);
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &read, nullptr))
            throwLastError(name);
        if (read == 0) break;
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

}  // namespace

std::string readFileOrThrow(const std::wstring& path, SharingWait wait) {
    constexpr int Retries = 5;
    constexpr DWORD RetryDelayMs = 50;
    for (int attempt = 0;; ++attempt) {
        try {
            return readFileOnce(path);
        } catch (const Win32Error& error) {
            if (wait == SharingWait::None || attempt == Retries || !isSharingViolation(error.code())) throw;
        }
        Sleep(RetryDelayMs);
    }
}

void saveFileAtomically(const std::wstring& path, const std::string& bytes) {
    const std::wstring temporary = path + L".tmp";
    const std::string name = toUtf8(bareFileName(path));
    {
        FileHandle file(
            CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) throwLastError(name);
        size_t done = 0;
        while (done < bytes.size()) {
            DWORD written = 0;
            const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 24));
            if (!WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr) || written == 0) {
                const DWORD error = GetLastError();
                file.reset();
                DeleteFileW(temporary.c_str());
                throw Win32Error(error ? error : ERROR_DISK_FULL, name);
            }
            done += written;
        }
        if (!FlushFileBuffers(file.get())) {
            const DWORD error = GetLastError();
            file.reset();
            DeleteFileW(temporary.c_str());
            throw Win32Error(error, name);
        }
    }
    if (!MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary.c_str());
        throw Win32Error(error, name);
    }
}

std::wstring unusedName(const std::wstring& path) {
    std::wstring name = path;
    for (int n = 2; GetFileAttributesW(name.c_str()) != INVALID_FILE_ATTRIBUTES; ++n)
        name = path + L"-" + std::to_wstring(n);
    return name;
}

std::wstring copyAside(const std::wstring& path, const std::wstring& suffix) {
    std::wstring copy = unusedName(path + suffix);
    if (!CopyFileW(path.c_str(), copy.c_str(), TRUE)) throwLastError(toUtf8(bareFileName(copy)));
    return copy;
}

std::string quotedName(const std::wstring& path) {
    std::string quoted(1, '"');
    quoted += toUtf8(bareFileName(path));
    quoted += '"';
    return quoted;
}

std::wstring bareFileName(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace vask::win
