// One search with 65,535 rows in the history, in-process: the time from the
// Enter key in the search field to the launch request, with the real windows
// and a launcher that only notes the time. Its floor is the same search with
// history recording turned off, timed in turn with it.
//   search_bench RUNS
// Prints "search<TAB>median ms<TAB>floor median ms<TAB>rows".
#include <windows.h>

#include "wall_clock.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/app.h"
#include "bar/bar_window.h"
#include "history/history_file.h"
#include "history/history_window.h"
#include "temp_folder.h"
#include "typical_history.h"
#include "win/launcher.h"
#include "win/prompter.h"

namespace {

class TimingLauncher : public vask::win::Launcher {
public:
    void open(HWND, const std::string&, const std::string& url) override {
        if (!url.empty()) launchedAt = nowMs();
    }
    void openWithSwitch(HWND, const std::string&, const std::string&, const std::string&) override {}
    std::string defaultBrowserProgram() override { return {}; }
    double launchedAt = 0;
};

class SilentPrompter : public vask::win::Prompter {
public:
    int ask(HWND, const std::string& text, const std::string&, UINT) override {
        std::fprintf(stderr, "search_bench: the program asked: %s\n", text.c_str());
        return IDOK;
    }
};

void pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    using namespace vask;
    const int runs = std::max(1, argc > 1 ? _wtoi(argv[1]) : 15);
    test::TempFolder folder;
    folder.write(L"hist.sdf", saveHistory(bench::typicalHistory(HistoryRows::MaxRows)));

    TimingLauncher launcher;
    SilentPrompter prompter;
    App app(folder.path(), launcher, prompter);
    app.createWindows();
    app.historyWindow();  // as after the user has opened it: its list follows every search
    pumpMessages();
    Tmainform& bar = app.bar();
    const std::size_t rows = app.history.rows().size();

    // Enter in the search field, as the user presses it; the milliseconds until the launch.
    const auto search = [&](int run) {
        bar.eurl.setText("letno poročilo " + std::to_string(run));
        launcher.launchedAt = 0;
        const double start = nowMs();
        SendMessageW(bar.eurl.hwnd(), WM_CHAR, VK_RETURN, 0);
        return launcher.launchedAt > 0 ? launcher.launchedAt - start : -1;
    };
    const auto setRecording = [&](bool on) {
        if (bar.menuChecked(Tmainform::enahist) != on)
            SendMessageW(bar.hwnd(), WM_COMMAND, MAKEWPARAM(Tmainform::enahist, 0), 0);
    };

    std::vector<double> recorded, floor;
    for (int run = 0; run < runs; ++run) {
        setRecording(true);
        recorded.push_back(search(run));
        setRecording(false);
        floor.push_back(search(run));
        pumpMessages();
    }
    const bool allLaunched =
        *std::min_element(recorded.begin(), recorded.end()) > 0 && *std::min_element(floor.begin(), floor.end()) > 0;
    if (!allLaunched || rows != HistoryRows::MaxRows || app.history.rows().size() != rows) {
        std::fprintf(stderr, "search_bench: the searches did not launch or record as expected\n");
        return 1;
    }
    std::wprintf(L"search\t%.3f\t%.3f\t%zu\n", median(recorded), median(floor), rows);
    return 0;
}
