#pragma once
// The hints of a window's controls: one tooltip window per owner window.
#include <windows.h>

namespace vask::win {

class Tooltips {
public:
    Tooltips() = default;
    ~Tooltips();
    Tooltips(const Tooltips&) = delete;
    Tooltips& operator=(const Tooltips&) = delete;

    void create(HWND owner);
    // `hint` must live as long as the tooltip (a literal, say).
    void add(HWND control, const wchar_t* hint);

private:
    HWND owner_ = nullptr;
    HWND tooltips_ = nullptr;
};

}  // namespace vask::win
