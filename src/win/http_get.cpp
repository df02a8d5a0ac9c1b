#include "win/http_get.h"

#include <windows.h>
#include <winhttp.h>

#include "vask_version.h"
#include "win/proc_address.h"
#include "win/text.h"

namespace vask::win {
namespace {

constexpr DWORD kRequestTimeoutMs = 3000;
constexpr wchar_t kUserAgent[] = L"Vask/" VASK_VERSION_TEXT;
// WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY (Windows 8.1): the system's settings,
// automatic configuration included; older systems take the registry's.
constexpr DWORD kAutomaticProxy = 4;

// The WinHTTP functions, from the system folder's winhttp.dll; all null when
// it cannot be had.
struct WinHttp {
    decltype(&WinHttpOpen) open = nullptr;
    decltype(&WinHttpCrackUrl) crackUrl = nullptr;
    decltype(&WinHttpConnect) connect = nullptr;
    decltype(&WinHttpOpenRequest) openRequest = nullptr;
    decltype(&WinHttpSetOption) setOption = nullptr;
    decltype(&WinHttpSetTimeouts) setTimeouts = nullptr;
    decltype(&WinHttpSendRequest) sendRequest = nullptr;
    decltype(&WinHttpReceiveResponse) receiveResponse = nullptr;
    decltype(&WinHttpQueryHeaders) queryHeaders = nullptr;
    decltype(&WinHttpReadData) readData = nullptr;
    decltype(&WinHttpCloseHandle) closeHandle = nullptr;

    bool loaded() const {
        return open && crackUrl && connect && openRequest && setOption && setTimeouts && sendRequest &&
               receiveResponse && queryHeaders && readData && closeHandle;
    }
};

const WinHttp& winHttp() {
    static const WinHttp api = [] {
        WinHttp a;
        // Kept for the life of the process: the functions stay valid.
        const HMODULE module = LoadLibraryExW(L"winhttp.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        a.open = procAddress<decltype(a.open)>(module, "WinHttpOpen");
        a.crackUrl = procAddress<decltype(a.crackUrl)>(module, "WinHttpCrackUrl");
        a.connect = procAddress<decltype(a.connect)>(module, "WinHttpConnect");
        a.openRequest = procAddress<decltype(a.openRequest)>(module, "WinHttpOpenRequest");
        a.setOption = procAddress<decltype(a.setOption)>(module, "WinHttpSetOption");
        a.setTimeouts = procAddress<decltype(a.setTimeouts)>(module, "WinHttpSetTimeouts");
        a.sendRequest = procAddress<decltype(a.sendRequest)>(module, "WinHttpSendRequest");
        a.receiveResponse = procAddress<decltype(a.receiveResponse)>(module, "WinHttpReceiveResponse");
        a.queryHeaders = procAddress<decltype(a.queryHeaders)>(module, "WinHttpQueryHeaders");
        a.readData = procAddress<decltype(a.readData)>(module, "WinHttpReadData");
        a.closeHandle = procAddress<decltype(a.closeHandle)>(module, "WinHttpCloseHandle");
        return a;
    }();
    return api;
}

// An HINTERNET of the session, connection or request, closed when it goes.
class Internet {
public:
    explicit Internet(HINTERNET handle) : handle_(handle) {}
    ~Internet() {
        if (handle_) winHttp().closeHandle(handle_);
    }
    Internet(const Internet&) = delete;
    Internet& operator=(const Internet&) = delete;
    HINTERNET get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    HINTERNET handle_;
};

HINTERNET openSession(const WinHttp& api) {
    HINTERNET session = api.open(kUserAgent, kAutomaticProxy, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0);
    if (!session)
        session =
            api.open(kUserAgent, WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0);
    return session;
}

// One limit for the whole request: each step may take what is left of it,
// so a server that trickles its reply is given up as one that says nothing.
class Deadline {
public:
    explicit Deadline(DWORD ms) : end_(GetTickCount64() + ms) {}
    // Milliseconds left, 0 when the time is up (WinHTTP reads 0 as "no limit": never passed on).
    int left() const {
        const ULONGLONG now = GetTickCount64();
        return now >= end_ ? 0 : static_cast<int>(end_ - now);
    }
    // The next step's limits on `handle`; false when the time is up.
    bool limit(const WinHttp& api, HINTERNET handle) const {
        const int ms = left();
        return ms > 0 && api.setTimeouts(handle, ms, ms, ms, ms);
    }

private:
    ULONGLONG end_;
};

std::optional<std::string> readBody(const WinHttp& api, HINTERNET request, std::size_t maxBytes,
                                    const Deadline& deadline) {
    std::string body;
    char buffer[8192];
    for (;;) {
        DWORD read = 0;
        if (!deadline.limit(api, request) || !api.readData(request, buffer, sizeof(buffer), &read)) return std::nullopt;
        if (read == 0) return body;
        if (body.size() + read > maxBytes) return std::nullopt;
        body.append(buffer, read);
    }
}

}  // namespace

std::optional<std::string> httpGet(std::string_view url, std::size_t maxBytes) {
    const WinHttp& api = winHttp();
    if (!api.loaded()) return std::nullopt;
    std::wstring wideUrl = toWide(url);
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof(parts);
    parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!api.crackUrl(wideUrl.c_str(), static_cast<DWORD>(wideUrl.size()), 0, &parts)) return std::nullopt;
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) return std::nullopt;
    const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
    const std::wstring path = std::wstring(parts.lpszUrlPath, parts.dwUrlPathLength) +
                              std::wstring(parts.lpszExtraInfo, parts.dwExtraInfoLength);

    const Deadline deadline(kRequestTimeoutMs);
    const Internet session(openSession(api));
    if (!session || !deadline.limit(api, session.get())) return std::nullopt;
    const Internet connection(api.connect(session.get(), host.c_str(), parts.nPort, 0));
    if (!connection) return std::nullopt;
    const Internet request(api.openRequest(connection.get(), L"GET", path.empty() ? L"/" : path.c_str(), nullptr,
                                           WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                                           parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0));
    if (!request) return std::nullopt;
    DWORD noCookies = WINHTTP_DISABLE_COOKIES;
    if (!api.setOption(request.get(), WINHTTP_OPTION_DISABLE_FEATURE, &noCookies, sizeof(noCookies)))
        return std::nullopt;
    // WinHTTP follows redirects to http:// and https:// only, never from https:// down to http://.
    if (!deadline.limit(api, request.get()) ||
        !api.sendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
        !deadline.limit(api, request.get()) || !api.receiveResponse(request.get(), nullptr))
        return std::nullopt;
    DWORD status = 0, size = sizeof(status);
    if (!api.queryHeaders(request.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                          WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX) ||
        status != 200)
        return std::nullopt;
    return readBody(api, request.get(), maxBytes, deadline);
}

}  // namespace vask::win
