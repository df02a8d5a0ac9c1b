#include "screen_check.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "real_input.h"
#include "screen_picture.h"
#include "test_app.h"
#include "win/dpi.h"
#include "win/text.h"

namespace vask::test {
namespace {

// Under Wine a Unix path names drive Z:.
std::wstring windowsPath(std::string path) {
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path)
        if (c == '/') c = '\\';
    return win::toWide(path);
}

std::wstring screenshotsFolder() {
    const char* chosen = std::getenv("VASK_SCREENSHOTS");
    const std::wstring folder = windowsPath(chosen && *chosen ? chosen : "screenshots");
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder + L"\\";
}

}  // namespace

UINT screenDpi() { return win::systemDpi(); }

std::vector<std::string> controlsUnderOthers(HWND window) {
    std::vector<std::string> covered;
    RECT client{};
    GetClientRect(window, &client);
    for (HWND control = GetWindow(window, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        RECT rect{};
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        if (!IsWindowVisible(control) || IsRectEmpty(&rect)) continue;
        // A panel that fills the window lies under every other control.
        if (EqualRect(&rect, &client)) {
            if (GetWindow(control, GW_HWNDNEXT))
                covered.push_back(describe(control) + " fills the window but is not its bottom child");
            continue;
        }
        POINT inWindow = centreOf(rect);
        // A control parked out of sight, as the advanced window keeps one.
        if (!PtInRect(&client, inWindow)) continue;
        const POINT centre = centreOf(control);
        const HWND found = WindowFromPoint(centre);
        if (found == control || IsChild(control, found)) continue;
        // The system finds no disabled window, and none that lets the mouse through.
        const bool letsTheMouseThrough =
            !IsWindowEnabled(control) ||
            SendMessageW(control, WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y)) == HTTRANSPARENT;
        if (letsTheMouseThrough && ChildWindowFromPointEx(window, inWindow, CWP_SKIPINVISIBLE) == control) continue;
        covered.push_back(describe(control) + " lies under " + describe(found));
    }
    return covered;
}

void settleScreen() {
    parkMouse();
    for (int turn = 0; turn < 3; ++turn) {
        pumpInput();
        Sleep(60);  // Wine hands what was painted to the display on a short timer
    }
}

void expectLooksAsItsReference(HWND window, const std::string& name) {
    const UINT dpi = screenDpi();
    const std::string file = name + "-" + std::to_string(dpi) + ".png";
    const ScreenPicture seen = captureClient(window);
    const std::wstring taken = screenshotsFolder() + win::toWide(file);
    writePng(taken, seen);
    const std::wstring referencePath = windowsPath(VASK_REFERENCE_PICTURES "/" + file);
    const std::optional<ScreenPicture> reference = readPng(referencePath);
    if (!reference) {
        ADD_FAILURE() << "no reference picture " << win::toUtf8(referencePath) << "; the window as it shows now is "
                      << win::toUtf8(taken) << ": look at it, and copy it there when it is right";
        return;
    }
    // The caret blinks: a bar of the field's height may come and go.
    const size_t caret = 2 * static_cast<size_t>(win::scale(24, dpi));
    EXPECT_LE(differingPixels(seen, *reference, 8), caret)
        << file << " differs from its reference (" << seen.width << "x" << seen.height << " against "
        << reference->width << "x" << reference->height << "); the window as it shows now is " << win::toUtf8(taken);
}

void whenModalShows(std::function<void()> check) {
    static std::function<void()> pending;
    pending = std::move(check);
    SetTimer(nullptr, 0, 600, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        if (auto run = std::exchange(pending, nullptr)) run();
    });
}

}  // namespace vask::test
