#pragma once
// An App on a fresh temporary folder, with a launcher that records and a
// prompter that answers, so the real windows run without a browser or a
// person.
#include <windows.h>

#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/app.h"
#include "win/controls.h"
#include "win/launcher.h"
#include "win/prompter.h"
#include "temp_folder.h"

namespace vask {
class Tfext;
class Tmainform;
}  // namespace vask

namespace vask::test {

struct Launch {
    std::string program;
    std::string url;
    std::string browserSwitch = {};  // a private window's
};

class RecordingLauncher : public win::Launcher {
public:
    void open(HWND, const std::string& program, const std::string& url) override {
        if (failure) throw std::runtime_error(*failure);
        launches.push_back({program, url});
    }
    void openWithSwitch(HWND, const std::string& program, const std::string& browserSwitch,
                        const std::string& url) override {
        launches.push_back({program, url, browserSwitch});
    }
    std::string defaultBrowserProgram() override { return defaultBrowser; }
    std::string defaultBrowser = "C:\\Program Files\\Mozilla Firefox\\firefox.exe";
    std::vector<Launch> launches;
    std::optional<std::string> failure;  // what the next launches throw
};

struct Prompt {
    std::string text, caption;
    UINT flags;
};

class AnsweringPrompter : public win::Prompter {
public:
    int ask(HWND, const std::string& text, const std::string& caption, UINT flags) override {
        prompts.push_back({text, caption, flags});
        if (answers.empty()) return IDOK;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<int> answers;
    std::vector<Prompt> prompts;
};

// The user picks item `index` of a drop-down list with the mouse: a click
// opens it, the wheel scrolls to the item, a click picks it.
void choose(win::ComboBox& list, int index);
// The user clicks a control with the mouse, at its centre; the system's own
// hit testing finds the window there. A control that something else covers
// (or that is not on the screen) fails the test.
void click(const win::Control& control);
void click(HWND control);
// The next menu that opens has its item `id` clicked with the mouse, found
// in the menu or one of its submenus (opened by a click first). Arm it, then
// open the menu; the item is chosen inside the menu's own loop.
class MenuClick {
public:
    MenuClick(HWND owner, UINT id);
    ~MenuClick();
    MenuClick(const MenuClick&) = delete;
    MenuClick& operator=(const MenuClick&) = delete;
    bool clicked() const { return clicked_; }

private:
    static LRESULT CALLBACK watch(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);
    HWND owner_;
    UINT id_;
    std::set<HMENU> open_;        // every menu open now
    HMENU first_ = nullptr;       // the menu the user opened
    HMENU searchNext_ = nullptr;  // where the item is looked for when the menu next waits
    bool clicked_ = false;
    UINT_PTR timer_ = 0;
};
// The index of `item` in a list (a test failure when it is not there).
int indexOf(const win::ComboBox& list, const std::string& item);

// Lets the window thread handle what is waiting in its queue.
void pumpMessages();
// Lets the window thread handle input just sent, and what it causes.
void pumpInput();

// Runs the program's message loop (each window's keys go through the dialog
// manager first) until `done`, for three seconds at most.
void runLoopUntil(const std::function<bool()>& done);
// Keys as the user's keyboard sends them, to whatever has the focus.
void sendKeys(std::initializer_list<std::pair<WORD, bool>> keys);  // key, down
void press(WORD key);
void pressWithAlt(WORD key);
// Types `text` character by character, as an input method does.
void typeText(std::wstring_view text);

// A control's whole client area as painted through WM_PRINTCLIENT, as
// 0x00BBGGRR; pixels it leaves alone keep `background`.
struct Picture {
    int width = 0;
    std::vector<uint32_t> pixels;
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
Picture render(HWND control, uint32_t background = 0x123456);

struct TestApp {
    TestApp();
    // "vask.cfg" and "hist.sdf" written before the windows are made.
    explicit TestApp(const std::string& settings, const std::string& history = {});
    ~TestApp();
    // Closes the bar as the user would (the saves included) and builds a new App on the same folder.
    void restart();

    TempFolder folder;
    RecordingLauncher launcher;
    AnsweringPrompter prompter;
    std::unique_ptr<App> app;
};

// The bar shown and active, its field focused, as after a start.
Tmainform& activeBar(TestApp& test);
Tmainform& activeBar(App& app);
// The advanced window as the user opens it: from the bar, shown and active.
Tfext& openAdvanced(App& app);

}  // namespace vask::test
