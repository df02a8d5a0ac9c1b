#include "registry_sandbox.h"

#include <stdexcept>

namespace vask::test {
namespace {

constexpr wchar_t BrowsersKey[] = L"SOFTWARE\\Clients\\StartMenuInternet";

win::RegistryKey createKey(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create a test registry key");
    return win::RegistryKey(key);
}

void setDefaultValue(HKEY root, const std::wstring& path, const std::wstring& value) {
    const win::RegistryKey key = createKey(root, path);
    RegSetValueExW(key.get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

RegistrySandbox::RegistrySandbox()
    : path_(L"Software\\VaskTests\\" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(GetTickCount64())) {
    machine_ = createKey(HKEY_CURRENT_USER, path_ + L"\\machine");
    user_ = createKey(HKEY_CURRENT_USER, path_ + L"\\user");
    if (RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine_.get()) != ERROR_SUCCESS ||
        RegOverridePredefKey(HKEY_CURRENT_USER, user_.get()) != ERROR_SUCCESS)
        throw std::runtime_error("cannot redirect the registry roots");
}

RegistrySandbox::~RegistrySandbox() {
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    machine_.reset();
    user_.reset();
    RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
}

void RegistrySandbox::addBrowser(const std::wstring& key, const std::wstring* displayName) {
    const std::wstring path = std::wstring(BrowsersKey) + L"\\" + key;
    if (displayName)
        setDefaultValue(machine_.get(), path, *displayName);
    else
        createKey(machine_.get(), path);
}

void RegistrySandbox::setUserDefault(const std::wstring& key) { setDefaultValue(user_.get(), BrowsersKey, key); }

void RegistrySandbox::setMachineDefault(const std::wstring& key) { setDefaultValue(machine_.get(), BrowsersKey, key); }

void RegistrySandbox::clearUserDefault() { RegDeleteTreeW(user_.get(), BrowsersKey); }

}  // namespace vask::test
