// The program entry: make the windows, run the message loop until the bar closes.
#include <windows.h>
#include <commctrl.h>

#include "app/app.h"
#include "app/command_line_start.h"
#include "bar/bar_window.h"
#include "bar/start_with_windows.h"
#include "app/startup_phases.h"
#include "controls/instance_control.h"
#include "win/errors.h"
#include "win/files.h"
#include "win/newer_api.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    using namespace vask;
    startup::mark(startup::Phase::Entry);
    if (const auto setAwareness = win::newerApi().setProcessDpiAwarenessContext)
        setAwareness(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    win::SystemPrompter prompter;
    // "vask.exe [--engine NAME] [--private] [--] TEXT...": a search, or the usage instead of a bar.
    const std::vector<std::string> words = commandLineWords();
    const CommandLineSearch asked =
        parseSearchArguments(words, words.empty() ? std::vector<OwnEngine>{} : ownEnginesAtStart());
    if (asked.action == CommandLineSearch::Action::Help || asked.action == CommandLineSearch::Action::Error)
        return showSearchUsage(prompter, asked);
    // The uninstaller asks, with nobody to answer a message: the exit code tells.
    if (asked.action == CommandLineSearch::Action::RemoveAutostart) {
        try {
            forgetStartWithWindows();
            return 0;
        } catch (const std::exception&) {
            return 1;
        }
    }
    std::optional<SearchRequest> search;
    if (asked.action == CommandLineSearch::Action::Search)
        search = SearchRequest{asked.engine, asked.text, asked.privately};
    try {
        win::ShellLauncher launcher;
        App app(win::programDirectory(), launcher, prompter);
        // The bar's instance limit (enabled, one copy): a second start from the
        // same program file brings the running bar to the front and ends as soon
        // as its own bar exists, before that is ever shown.
        TInstanceControl InstanceControl1;
        // A second copy hands its search to the running bar.
        bool handedOver = true;
        InstanceControl1.OnMaxInstancesReached = [&](TInstanceControl&, HWND running) {
            if (search) handedOver = handOverSearch(running, *search);
        };
        if (!app.createWindows([&](HWND bar) { return InstanceControl1.Loaded(bar); },
                               InstanceControl1.limitReached())) {
            if (handedOver) return 0;
            prompter.ask(nullptr, "The running Vask did not take the search.", "Vask", MB_OK | MB_ICONERROR);
            return 1;
        }
        startup::mark(startup::Phase::HistoryRead);
        const HWND bar = app.bar().hwnd();
        // Started with Windows, the bar leaves the focus where the user put it.
        const bool minimised = showCommand == SW_SHOWMINNOACTIVE || showCommand == SW_SHOWMINIMIZED;
        ShowWindow(bar, minimised ? showCommand : asked.autostart ? SW_SHOWNOACTIVATE : SW_SHOW);
        if (!asked.autostart) SetForegroundWindow(bar);
        startup::mark(startup::Phase::Shown);
        if (search) app.bar().searchFor(*search);
        app.bar().registerHotkey();

        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            const HWND root = GetAncestor(message.hwnd, GA_ROOT);
            if (!root || !IsDialogMessageW(root, &message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            startup::handled(message);
        }
        return static_cast<int>(message.wParam);
    } catch (const std::exception& error) {
        win::showError(prompter, nullptr, error);
        return 1;
    }
}
