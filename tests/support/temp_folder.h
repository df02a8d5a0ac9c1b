#pragma once
// A fresh folder under %TEMP% for one test, removed with everything in it.
#include <string>

namespace vask::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::wstring& path() const { return path_; }  // with a trailing backslash
    std::wstring file(const wchar_t* name) const { return path_ + name; }
    void write(const wchar_t* name, const std::string& bytes) const;
    std::string read(const wchar_t* name) const;
    bool exists(const wchar_t* name) const;

private:
    std::wstring path_;
};

}  // namespace vask::test
