// Stands in for a web browser in the test prefix: every start appends its
// arguments, exactly as Windows splits them, to "launches.log" beside it.
// Record: "launch <count>\n" then one "arg <text>\n" line per argument (UTF-8).
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

std::string toUtf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? size - 1 : 0, '\0');
    if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    return out;
}

std::wstring logPath() {
    wchar_t path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    std::wstring dir(path, length);
    return dir.substr(0, dir.find_last_of(L'\\') + 1) + L"launches.log";
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv) return 1;
    std::string record = "launch " + std::to_string(argc - 1) + "\n";
    for (int i = 1; i < argc; ++i) record += "arg " + toUtf8(argv[i]) + "\n";
    LocalFree(argv);

    // Several launches may race; appending under a retry loop keeps records whole.
    for (int attempt = 0; attempt < 200; ++attempt) {
        HANDLE file =
            CreateFileW(logPath().c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
            CloseHandle(file);
            return 0;
        }
        Sleep(10);
    }
    return 2;
}
