// Engine suggestions with the real bar, in-process, and a server of the
// bench's own on 127.0.0.1:
//   keystroke: one typed character (WM_CHAR to the search field, the
//     history's suggestions included) with the option on while the server
//     holds every reply for 2 s, against the same with the option off;
//   reply: from the bar taking the worker's "replied" message to the list
//     shown with the engine's rows, against a keystroke with the option off.
//   engine_suggest_bench RUNS
// Prints "keystroke<TAB>on ms<TAB>off ms" and "reply<TAB>ms<TAB>floor ms".
#include <windows.h>

#include "wall_clock.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "app/app.h"
#include "bar/bar_window.h"
#include "http_test_server.h"
#include "temp_folder.h"
#include "win/launcher.h"
#include "win/prompter.h"

namespace {

class NoLauncher : public vask::win::Launcher {
public:
    void open(HWND, const std::string&, const std::string&) override {}
    void openWithSwitch(HWND, const std::string&, const std::string&, const std::string&) override {}
    std::string defaultBrowserProgram() override { return {}; }
};

class SilentPrompter : public vask::win::Prompter {
public:
    int ask(HWND, const std::string& text, const std::string&, UINT) override {
        std::fprintf(stderr, "engine_suggest_bench: the program asked: %s\n", text.c_str());
        return IDOK;
    }
};

// Handles what is waiting, and what arrives within `ms`.
void pumpFor(double ms) {
    const double end = nowMs() + ms;
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(1);
    } while (nowMs() < end);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    using namespace vask;
    const int runs = std::max(1, argc > 1 ? _wtoi(argv[1]) : 7);
    std::atomic<unsigned> delayMs{2000};
    const test::HttpTestServer server([&](const std::string&) {
        return test::HttpReply{200, R"(["",["one","two","three","four"]])", "", delayMs.load()};
    });
    test::TempFolder folder;
    folder.write(L"vask.cfg", "[Options]\nEngineSuggest=1\n[Engines]\nloc=Local|" + server.address() + "/s?q={q}|" +
                                  server.address() + "/c?q={q}\n");
    NoLauncher launcher;
    SilentPrompter prompter;
    App app(folder.path(), launcher, prompter);
    app.createWindows();
    Tmainform& bar = app.bar();
    ShowWindow(bar.hwnd(), SW_SHOW);
    for (const char* text : {"!loc letno poročilo", "!loc lepo vreme", "!loc ljubljana"}) bar.dodajtabelo(text);
    pumpFor(50);
    const HWND field = bar.eurl.hwnd();
    const auto setOption = [&](bool on) {
        if (bar.menuChecked(Tmainform::EngineSuggest1) != on)
            SendMessageW(bar.hwnd(), WM_COMMAND, MAKEWPARAM(Tmainform::EngineSuggest1, 0), 0);
    };
    // Types "!loc le" and more, each key timed; the timer of each question runs between the keys.
    const auto typeTimed = [&](std::vector<double>& times) {
        bar.setSearchText("");
        for (const wchar_t key : std::wstring(L"!loc letno")) {
            const double start = nowMs();
            SendMessageW(field, WM_CHAR, key, 0);
            times.push_back(nowMs() - start);
            pumpFor(Tmainform::EngineSuggestDelayMs + 20);
        }
    };

    std::vector<double> on, off;
    for (int run = 0; run < runs; ++run) {
        setOption(true);
        typeTimed(on);
        setOption(false);
        typeTimed(off);
    }

    // Replies at once: the bar's handling of each, from its message to the list.
    setOption(true);
    delayMs = 0;
    pumpFor(2500);  // the held replies end
    std::vector<double> reply;
    for (int run = 0; reply.size() < static_cast<std::size_t>(runs) && run < runs * 4; ++run) {
        bar.setSearchText("");
        for (const wchar_t key : L"!loc l" + std::to_wstring(run)) SendMessageW(field, WM_CHAR, key, 0);
        const double end = nowMs() + 3000;
        MSG message;
        while (nowMs() < end) {
            if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                Sleep(0);
                continue;
            }
            const bool replied = message.message == Tmainform::EngineReplied;
            const double start = nowMs();
            DispatchMessageW(&message);
            if (replied && bar.suggestionList() && bar.suggestionList()->shown()) {
                reply.push_back(nowMs() - start);
                break;
            }
        }
    }
    if (reply.empty()) {
        std::fprintf(stderr, "engine_suggest_bench: no reply reached the list\n");
        return 1;
    }
    std::wprintf(L"keystroke\t%.4f\t%.4f\n", median(on), median(off));
    std::wprintf(L"reply\t%.4f\t%.4f\n", median(reply), median(off));
    return 0;
}
