// The Windows Installer package as an administrator and a user meet it:
// msiexec installs vask.exe for all users with its Start menu shortcut and
// its "Apps & features" entry, the installed bar keeps the user's data in
// "%APPDATA%\Vask", uninstalling removes what was installed and keeps those
// data, and a newer package replaces an older one. The packages come from
// the build (VASK_MSI, and VASK_OLDER_MSI with a lower version).
#include <windows.h>
#include <msi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "bar/autostart.h"
#include "bar/bar_window.h"
#include "e2e_support.h"
#include "vask_version.h"
#include "win/com_ptr.h"
#include "win/files.h"
#include "win/handles.h"
#include "win/registry.h"
#include "win/text.h"

namespace vask::installer {
namespace {

constexpr wchar_t UpgradeCode[] = L"{C1E9C6AC-6FD2-41B1-9DF7-0500F5694319}";

// A package the build made, as Wine shows the Unix file system (drive Z:).
std::wstring package(const char* variable) {
    const char* path = std::getenv(variable);
    if (!path) return {};
    std::wstring windows = L"Z:" + win::toWide(path);
    for (wchar_t& c : windows)
        if (c == L'/') c = L'\\';
    return windows;
}

// msiexec with `arguments`, silently; its exit code.
DWORD msiexec(const std::wstring& arguments) {
    std::wstring commandLine = L"msiexec.exe " + arguments + L" /qn";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return GetLastError();
    const win::KernelHandle process(info.hProcess), thread(info.hThread);
    if (WaitForSingleObject(process.get(), 5 * 60 * 1000) != WAIT_OBJECT_0) return WAIT_TIMEOUT;
    DWORD code = 0;
    GetExitCodeProcess(process.get(), &code);
    return code;
}

std::wstring folderOf(int csidl) {
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return std::wstring(path) + L"\\";
}

std::wstring programFolder() { return folderOf(CSIDL_PROGRAM_FILES) + L"Vask\\"; }
std::wstring dataFolder() { return folderOf(CSIDL_APPDATA) + L"Vask\\"; }

// The Start menu's "Vask": for all users; Wine 8 puts the shortcuts of a
// per-machine package in the installing user's Start menu instead.
std::vector<std::wstring> startMenuShortcuts() {
    std::vector<std::wstring> found;
    for (const int csidl : {CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS})
        if (const std::wstring link = folderOf(csidl) + L"Vask.lnk"; win::fileExists(link)) found.push_back(link);
    return found;
}

std::wstring shortcutTarget(const std::wstring& link) {
    win::ComPtr<IShellLinkW> shellLink;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, shellLink.put())))
        return {};
    win::ComPtr<IPersistFile> file;
    if (FAILED(shellLink->QueryInterface(IID_IPersistFile, file.put())) || FAILED(file->Load(link.c_str(), STGM_READ)))
        return {};
    wchar_t target[MAX_PATH] = {};
    shellLink->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
    return target;
}

// The products installed from any version of the package.
std::vector<std::wstring> installedProducts() {
    std::vector<std::wstring> products;
    wchar_t product[39] = {};
    for (DWORD index = 0; MsiEnumRelatedProductsW(UpgradeCode, 0, index, product) == ERROR_SUCCESS; ++index)
        products.emplace_back(product);
    return products;
}

// A text of the product's "Apps & features" entry.
std::string uninstallEntry(const std::wstring& product, const wchar_t* name) {
    const std::wstring key = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + product;
    wchar_t value[512] = {};
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return {};
    return win::toUtf8(value);
}

std::wstring productIcon(const std::wstring& product) {
    wchar_t icon[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (MsiGetProductInfoW(product.c_str(), INSTALLPROPERTY_PRODUCTICON, icon, &size) != ERROR_SUCCESS) return {};
    return icon;
}

// Every file of a folder with its bytes.
std::map<std::wstring, std::string> filesIn(const std::wstring& folder) {
    std::map<std::wstring, std::string> files;
    WIN32_FIND_DATAW found{};
    const win::FindHandle search(FindFirstFileW((folder + L"*").c_str(), &found));
    if (!search) return files;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            files[found.cFileName] = win::readWholeFile(folder + found.cFileName).value_or("");
    } while (FindNextFileW(search.get(), &found));
    return files;
}

// The run's prefix keeps no trace of a test: what was installed goes, and
// the data folder the installed bar made.
class Installer : public testing::Test {
protected:
    void SetUp() override {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ASSERT_FALSE(package("VASK_MSI").empty() || package("VASK_OLDER_MSI").empty()) << "VASK_MSI, VASK_OLDER_MSI";
        ASSERT_TRUE(installedProducts().empty()) << "Vask is installed already";
        hadDataFolder_ = win::isFolder(dataFolder());
    }
    void TearDown() override {
        for (const std::wstring& product : installedProducts()) msiexec(L"/x " + product);
        if (!hadDataFolder_) {
            for (const auto& [name, bytes] : filesIn(dataFolder())) DeleteFileW((dataFolder() + name).c_str());
            RemoveDirectoryW(dataFolder().c_str());
        }
        CoUninitialize();
    }

private:
    bool hadDataFolder_ = false;
};

TEST_F(Installer, InstallsForAllUsersKeepsDataPerUserAndUninstallsCleanly) {
    ASSERT_EQ(msiexec(L"/i \"" + package("VASK_MSI") + L"\""), 0u);
    const std::wstring exe = programFolder() + L"vask.exe";
    EXPECT_TRUE(win::fileExists(exe));
    EXPECT_TRUE(win::fileExists(programFolder() + L"README.md"));
    EXPECT_TRUE(win::fileExists(programFolder() + L"LICENSE"));
    const std::vector<std::wstring> shortcuts = startMenuShortcuts();
    ASSERT_EQ(shortcuts.size(), 1u);
    EXPECT_EQ(win::toUtf8(shortcutTarget(shortcuts[0])), win::toUtf8(exe));
    const std::vector<std::wstring> products = installedProducts();
    ASSERT_EQ(products.size(), 1u);
    EXPECT_EQ(uninstallEntry(products[0], L"DisplayName"), "Vask");
    EXPECT_EQ(uninstallEntry(products[0], L"DisplayVersion"), VASK_VERSION_TEXT);
    EXPECT_EQ(uninstallEntry(products[0], L"Publisher"), "Vask");
    EXPECT_TRUE(win::fileExists(productIcon(products[0]))) << win::toUtf8(productIcon(products[0]));

    // The installed bar, run by an administrator who could write the program
    // folder, keeps the search in the user's own folder.
    {
        e2e::VaskProcess vask(programFolder());
        vask.search("installed for everyone");
        vask.command(Tmainform::StartWithWindows1);
        vask.sendCopyData("202");
        ASSERT_TRUE(vask.waitForExit());
    }
    const std::map<std::wstring, std::string> data = filesIn(dataFolder());
    ASSERT_TRUE(data.contains(L"hist.sdf"));
    EXPECT_NE(data.at(L"hist.sdf").find("installed for everyone"), std::string::npos);
    EXPECT_FALSE(win::fileExists(programFolder() + L"hist.sdf"));
    EXPECT_FALSE(win::fileExists(programFolder() + L"vask.cfg"));
    EXPECT_EQ(win::readRunEntry(AutostartValueName), autostartCommand(win::toUtf8(exe)));

    ASSERT_EQ(msiexec(L"/x \"" + package("VASK_MSI") + L"\""), 0u);
    EXPECT_FALSE(win::isFolder(programFolder()));
    EXPECT_TRUE(startMenuShortcuts().empty());
    EXPECT_TRUE(installedProducts().empty());
    EXPECT_EQ(filesIn(dataFolder()), data);
    EXPECT_EQ(win::readRunEntry(AutostartValueName), std::nullopt) << "the start with Windows stays";
}

TEST_F(Installer, ANewerVersionReplacesAnOlderOneAndTheSameOneAgainRepairs) {
    ASSERT_EQ(msiexec(L"/i \"" + package("VASK_OLDER_MSI") + L"\""), 0u);
    std::vector<std::wstring> products = installedProducts();
    ASSERT_EQ(products.size(), 1u);
    EXPECT_EQ(uninstallEntry(products[0], L"DisplayVersion"), "1.0.0.0");

    ASSERT_EQ(msiexec(L"/i \"" + package("VASK_MSI") + L"\""), 0u);
    products = installedProducts();
    ASSERT_EQ(products.size(), 1u);
    EXPECT_EQ(uninstallEntry(products[0], L"DisplayVersion"), VASK_VERSION_TEXT);
    EXPECT_EQ(startMenuShortcuts().size(), 1u);

    const std::wstring exe = programFolder() + L"vask.exe";
    ASSERT_TRUE(DeleteFileW(exe.c_str()));
    ASSERT_EQ(msiexec(L"/i \"" + package("VASK_MSI") + L"\""), 0u);
    EXPECT_TRUE(win::fileExists(exe));
    EXPECT_EQ(installedProducts(), products);
}

}  // namespace
}  // namespace vask::installer
