#include "win/errors.h"

#include "win/text.h"

namespace vask::win {

std::string systemMessage(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text(buffer ? buffer : L"", length);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
    if (text.empty()) return "System error " + std::to_string(code) + ".";
    return toUtf8(text);
}

Win32Error::Win32Error(DWORD code, const std::string& context)
    : std::runtime_error(context.empty() ? systemMessage(code) : context + ": " + systemMessage(code)), code_(code) {}

void throwLastError(const std::string& context) { throw Win32Error(GetLastError(), context); }

void showError(Prompter& prompter, HWND owner, const std::exception& error) {
    prompter.ask(owner, error.what(), "Vask", MB_OK | MB_ICONERROR);
}

}  // namespace vask::win
