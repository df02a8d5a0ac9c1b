#include "win/registry.h"

#include <windows.h>

#include <optional>
#include <stdexcept>

#include "win/errors.h"
#include "win/handles.h"
#include "win/text.h"

namespace vask::win {
namespace {

constexpr wchar_t BrowsersKey[] = L"SOFTWARE\\Clients\\StartMenuInternet";

// Opens a key for reading only; a key the user may not write to still opens.
LSTATUS openForReading(HKEY root, const std::wstring& path, REGSAM access, RegistryKey& key) {
    HKEY opened = nullptr;
    const LSTATUS status = RegOpenKeyExW(root, path.c_str(), 0, access, &opened);
    if (status == ERROR_SUCCESS) key.reset(opened);
    return status;
}

constexpr wchar_t RunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Said with the system's message when an entry cannot be changed.
std::string runEntryName(std::string_view name) {
    return "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\" + std::string(name);
}

// A text value of the key (null `name`: its default value); nothing when it
// has none or it is not text.
std::optional<std::string> textValue(HKEY key, const wchar_t* name) {
    for (;;) {
        DWORD type = 0, size = 0;
        if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
        if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
        std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
        DWORD read = size;
        const LSTATUS status =
            RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &read);
        if (status == ERROR_MORE_DATA) continue;  // it grew in between: ask again
        if (status != ERROR_SUCCESS) return std::nullopt;
        // The stored text need not end in a zero; it ends at the first one.
        value.resize(read / sizeof(wchar_t));
        if (const auto zero = value.find(L'\0'); zero != std::wstring::npos) value.resize(zero);
        return toUtf8(value);
    }
}

// The key's default (unnamed) text value; empty when it has none or it is not text.
std::string defaultValue(HKEY key) { return textValue(key, nullptr).value_or(""); }

// The default value of a key below `root`, or nothing when the key does not open.
std::optional<std::string> defaultValueOf(HKEY root, const std::wstring& path) {
    RegistryKey key;
    if (openForReading(root, path, KEY_QUERY_VALUE, key) != ERROR_SUCCESS) return std::nullopt;
    return defaultValue(key.get());
}

}  // namespace

std::vector<std::string> ListRegisteredBrowsers() {
    RegistryKey browsers;
    const LSTATUS opened = openForReading(HKEY_LOCAL_MACHINE, BrowsersKey, KEY_READ, browsers);
    if (opened == ERROR_FILE_NOT_FOUND) return {};  // no browser registered: no error
    if (opened != ERROR_SUCCESS) throw std::runtime_error("ListRegisteredBrowsers: Could not open registry key.");

    DWORD count = 0, longestName = 0;
    if (RegQueryInfoKeyW(browsers.get(), nullptr, nullptr, nullptr, &count, &longestName, nullptr, nullptr, nullptr,
                         nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("ListRegisteredBrowsers: Could not obtain registry key information.");

    std::vector<std::string> names;
    std::wstring name(longestName + 1, L'\0');
    for (DWORD index = 0; index < count; ++index) {
        DWORD length = longestName + 1;
        const LSTATUS status =
            RegEnumKeyExW(browsers.get(), index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS) break;  // a browser was uninstalled meanwhile
        if (status != ERROR_SUCCESS) throw Win32Error(static_cast<DWORD>(status));
        // The same handle enumerates on; each browser's key opens relative to it.
        if (auto display = defaultValueOf(browsers.get(), name.substr(0, length))) names.push_back(std::move(*display));
    }
    return names;
}

std::string DefaultBrowserName() {
    std::string name;
    if (auto user = defaultValueOf(HKEY_CURRENT_USER, BrowsersKey))
        name = std::move(*user);
    else if (auto machine = defaultValueOf(HKEY_LOCAL_MACHINE, BrowsersKey))
        name = std::move(*machine);
    // The value names the browser's sub-key; its own default value is the display name.
    if (!name.empty())
        if (auto display = defaultValueOf(HKEY_LOCAL_MACHINE, std::wstring(BrowsersKey) + L"\\" + toWide(name)))
            name = std::move(*display);
    return name;
}

std::optional<std::string> readRunEntry(std::string_view name) {
    RegistryKey run;
    if (openForReading(HKEY_CURRENT_USER, RunKey, KEY_QUERY_VALUE, run) != ERROR_SUCCESS) return std::nullopt;
    return textValue(run.get(), toWide(name).c_str());
}

void writeRunEntry(std::string_view name, std::string_view command) {
    HKEY opened = nullptr;
    if (const LSTATUS status =
            RegCreateKeyExW(HKEY_CURRENT_USER, RunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr);
        status != ERROR_SUCCESS)
        throw Win32Error(static_cast<DWORD>(status), runEntryName(name));
    const RegistryKey run(opened);
    const std::wstring text = toWide(command);
    if (const LSTATUS status =
            RegSetValueExW(run.get(), toWide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                           static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
        status != ERROR_SUCCESS)
        throw Win32Error(static_cast<DWORD>(status), runEntryName(name));
}

void removeRunEntry(std::string_view name) {
    RegistryKey run;
    LSTATUS status = openForReading(HKEY_CURRENT_USER, RunKey, KEY_SET_VALUE, run);
    if (status == ERROR_SUCCESS) status = RegDeleteValueW(run.get(), toWide(name).c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
        throw Win32Error(static_cast<DWORD>(status), runEntryName(name));
}

}  // namespace vask::win
