#include "bar/search_snapshot.h"

#include <windows.h>

#include <string>

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

SearchSnapshot takeSearchSnapshot(std::string searchText, std::optional<SearchEngine> engine,
                                  std::optional<OptionTexts> options) {
    return {.date = formatNow(true),
            .time = formatNow(false),
            .searchText = std::move(searchText),
            .options = std::move(options),
            .engine = engine};
}

}  // namespace vask
