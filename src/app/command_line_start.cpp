#include "app/command_line_start.h"

#include <stdlib.h>

#include "win/data_folder.h"
#include "win/files.h"
#include "win/handles.h"
#include "win/text.h"

namespace vask {

std::vector<std::string> commandLineWords() {
    // The C runtime has split the command line already, by the rules
    // CommandLineToArgvW follows; shell32, which has that function, would
    // cost every start its three DLLs.
    std::vector<std::string> result;
    for (int i = 1; i < __argc && __wargv; ++i) result.push_back(win::toUtf8(__wargv[i]));
    return result;
}

std::vector<OwnEngine> ownEnginesAtStart() {
    try {
        return readOwnEngines(win::DataFolder(win::programDirectory()).readSettings()).engines;
    } catch (const std::exception&) {
        return {};
    }
}

namespace {

constexpr int UsageLineWidth = 220;  // pixels at 96 DPI

}  // namespace

int showSearchUsage(win::Prompter& prompter, const CommandLineSearch& asked) {
    // Measured in the font message boxes write their text in, so that the option table lines up there.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    const win::Font font(CreateFontIndirectW(&metrics.lfMessageFont));
    const win::WindowDc screen(nullptr);
    const win::SelectedObject selected(screen.get(), font.get());
    const auto widthOf = [&](std::string_view text) {
        const std::wstring wide = win::toWide(text);
        SIZE size{};
        GetTextExtentPoint32W(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
        return static_cast<int>(size.cx);
    };
    // Narrow enough for the narrowest message box (Wine's breaks lines at about 250 pixels at 96 DPI).
    const std::string usage = searchUsage(widthOf, MulDiv(UsageLineWidth, GetDeviceCaps(screen.get(), LOGPIXELSY), 96));
    const bool mistake = asked.action == CommandLineSearch::Action::Error;
    const std::string text = mistake ? asked.error + "\n\n" + usage : usage;
    prompter.ask(nullptr, text, "Vask", MB_OK | (mistake ? MB_ICONERROR : MB_ICONINFORMATION));
    return mistake ? 2 : 0;
}

bool handOverSearch(HWND runningBar, const SearchRequest& request) {
    const std::string bytes = encodeSearchRequest(request);
    COPYDATASTRUCT data{searchRequestTag(request), static_cast<DWORD>(bytes.size()), const_cast<char*>(bytes.data())};
    DWORD_PTR taken = FALSE;
    // A bar that hangs must not hang this copy too.
    return SendMessageTimeoutW(runningBar, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 10000,
                               &taken) &&
           taken == TRUE;
}

}  // namespace vask
