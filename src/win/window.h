#pragma once
// The base of every window of the program: binds the object to its HWND and
// routes messages to a virtual handler; hands its controls' notifications to
// the controls' own handlers; no exception leaves the window procedure.
#include <windows.h>

#include <exception>
#include <unordered_map>

#include "win/program_icon.h"
#include "win/prompter.h"

namespace vask::win {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }
    // The program's window of a handle; null for any other window.
    static Window* fromHandle(HWND window);
    // The controls made on this window, whose notifications it hands them.
    void keepControl(HWND handle, class Control* control) { controls_[handle] = control; }
    void forgetControl(HWND handle) { controls_.erase(handle); }
    class Control* controlOf(HWND handle) const;
    // A child that covers the client area and follows its size (a background panel).
    void fillClientWith(HWND child) { clientFiller_ = child; }
    bool isVisible() const { return hwnd_ && IsWindowVisible(hwnd_); }
    RECT windowRect() const;
    // The DPI the window is laid out for: its monitor's.
    UINT dpi() const;
    // A button with a modal result (IDOK, IDCANCEL, ...) was clicked in the
    // window; a window shown modally closes with it.
    virtual void modalResultChosen(int /*result*/) {}

protected:
    // Registers the class once per process; every window of a class shares it.
    // Windows with a caption wear the program's icon, each the images of its
    // DPI; the others need none, and each class icon costs a scaled copy when
    // registered.
    enum class ClassIcon { program, none };
    static void registerClass(const wchar_t* className, UINT style = 0, HBRUSH background = nullptr,
                              ClassIcon icon = ClassIcon::program);
    // Sizes given to create() are scaled for dpi(): the system's, or what
    // useDpiOf() took. Once made, the window takes its monitor's DPI.
    void create(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle, int x, int y, int width,
                int height, HWND parent);
    void useDpiOf(HWND window);
    // A length in 96-DPI units, in pixels at the window's DPI.
    int scaled(int units) const;
    RECT scaled(const RECT& units) const;
    // The window moved to a monitor of another DPI and took the size the
    // system suggests: it lays itself out again.
    virtual void dpiChanged() {}

    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT defaultProcedure(UINT message, WPARAM wParam, LPARAM lParam);
    // Where the window's messages go (the system's boxes until set).
    void setPrompter(Prompter& prompter) { prompter_ = &prompter; }
    Prompter& prompter() const;
    // Shows what a handler of the window or of one of its controls threw;
    // the program's top-level error handler.
    virtual void reportError(const std::exception& error);

private:
    friend void reportControlError(HWND control, const std::exception& error);
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
    mutable UINT dpi_ = 0;  // 0 until first asked: the system's
    Prompter* prompter_ = nullptr;
    std::unordered_map<HWND, class Control*> controls_;
    HWND clientFiller_ = nullptr;
    WindowIcons icons_;  // for a class that wears the program's icon
    void wearIcons();
};

// Hides a top-level window. When it was the active one, `next` becomes
// active, as Windows makes an owner when the window it owns hides; Wine
// without a window manager leaves the activation with the hidden window.
void hideHandingActivationTo(HWND window, HWND next);

// What a control's handler threw reaches the program's window that holds
// it, which reports it as it reports its own handlers' errors: a direct
// call, as no message may carry a pointer another process could forge. A
// control on no window of the program shows it in the system's box.
void reportControlError(HWND control, const std::exception& error);

}  // namespace vask::win
