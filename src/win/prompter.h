#pragma once
// Message boxes go through one seam, so window tests can answer them.
#include <windows.h>

#include <string>

namespace vask::win {

class Prompter {
public:
    virtual ~Prompter() = default;
    // MessageBoxW's contract: returns IDYES, IDNO, IDOK, ...
    virtual int ask(HWND owner, const std::string& text, const std::string& caption, UINT flags) = 0;
};

class SystemPrompter : public Prompter {
public:
    int ask(HWND owner, const std::string& text, const std::string& caption, UINT flags) override;
};

}  // namespace vask::win
