#include "app/search_snapshot.h"

#include <windows.h>

#include <string>

#include "advanced/advanced_window.h"
#include "app/app.h"
#include "app/main_window.h"
#include "win/text.h"

namespace vask {
namespace {

// The user's regional formats, as the rest of Windows shows them.
std::string formatNow(bool date) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    wchar_t buffer[128] = {};
    const int length = date ? GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, buffer, 128)
                            : GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &now, nullptr, buffer, 128);
    return length > 0 ? win::toUtf8(std::wstring_view(buffer, static_cast<size_t>(length - 1))) : std::string{};
}

}  // namespace

SearchSnapshot takeSearchSnapshot(const App& app, std::string searchText) {
    SearchSnapshot search;
    search.date = formatNow(true);
    search.time = formatNow(false);
    const Tmainform& bar = *app.mainform;
    search.searchText = std::move(searchText);
    search.engine = bar.searchEngine();
    if (!app.fext || !app.fext->isVisible()) return search;
    const Tfext& advanced = *app.fext;
    search.advancedShown = true;
    search.exact = advanced.eexact.text();
    search.exclude = advanced.eexclude.text();
    search.domain = advanced.edomain.text();
    search.fileType = advanced.cb5.selectedText();
    search.browser = advanced.lb.selectedText();
    search.interfaceLanguage = advanced.cb1.selectedText();
    search.country = advanced.cb3.selectedText();
    search.resultLanguage = advanced.cb2.selectedText();
    search.timePeriod = advanced.cb6.selectedText();
    return search;
}

}  // namespace vask
