#pragma once
// Gives this process its own HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER for
// one test: both point at fresh keys under the user's "Software\VaskTests",
// so the browsers a test registers never meet other tests or programs of
// the prefix, and nothing is left behind.
#include <windows.h>

#include <string>

#include "win/handles.h"

namespace vask::test {

class RegistrySandbox {
public:
    RegistrySandbox();
    ~RegistrySandbox();
    RegistrySandbox(const RegistrySandbox&) = delete;
    RegistrySandbox& operator=(const RegistrySandbox&) = delete;

    // A browser under the machine's "SOFTWARE\Clients\StartMenuInternet\<key>";
    // without a display name the key gets no default value.
    void addBrowser(const std::wstring& key, const std::wstring* displayName);
    void addBrowser(const std::wstring& key, const std::wstring& displayName) { addBrowser(key, &displayName); }
    // The default browser's key name, for the user or for the machine.
    void setUserDefault(const std::wstring& key);
    void setMachineDefault(const std::wstring& key);
    void clearUserDefault();

private:
    std::wstring path_;  // below HKEY_CURRENT_USER, before the override
    win::RegistryKey machine_, user_;
};

}  // namespace vask::test
