#include "about/about_window.h"

#include "win/dpi.h"
#include "win/fonts.h"
#include "win/modal_loop.h"
#include "win/file_version.h"
#include "win/files.h"
#include "win/program_icon.h"
#include "win/text.h"

namespace vask {
namespace {

constexpr wchar_t ClassName[] = L"TfAbout";
constexpr DWORD Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD ExStyle = WS_EX_DLGMODALFRAME;

win::Font timesNewRoman(int pixels, UINT dpi) { return win::makeFont(L"Times New Roman", -win::scale(pixels, dpi)); }

}  // namespace

TfAbout::TfAbout(HWND owner, win::Prompter& prompter) : programFile_(win::programPath()) {
    setPrompter(prompter);
    registerClass(ClassName, 0, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    create(ClassName, L"About", Style, ExStyle, 0, 0, 0, 0, owner);
    createControls();
    layOut();
}

void TfAbout::createControls() {
    const auto clip = WS_CLIPSIBLINGS;
    // A flat single border; its white comes from WM_CTLCOLORSTATIC.
    Panel1.create(hwnd(), L"STATIC", "", WS_VISIBLE | WS_BORDER | clip, IdPanel1);
    // The labels are exactly as wide as their text (so Label2's centring shows
    // nothing) and must never wrap it away.
    const auto label = SS_LEFTNOWORDWRAP | clip;
    Label1.create(hwnd(), "Vask", IdLabel1, label);
    Label2.create(hwnd(), "010101010", IdLabel2, label);
    Label4.create(hwnd(), "", IdLabel4, label);
    Label4.show(false);
    // Shown as it is: the control takes the icon's own size.
    Icon1.create(hwnd(), L"STATIC", "", WS_VISIBLE | SS_ICON | SS_REALSIZEIMAGE | clip, IdIcon1);
    // No tab stop: the box has nothing to move the focus between.
    GradButton1.create(hwnd(), "OK", IdGradButton1, clip);
    GradButton1.setColorScheme(TColorScheme::csNeoSilver);
    GradButton1.setGradient(true);
    GradButton1.setCancel(true);
    GradButton1.setModalResult(IDCANCEL);
    GradButton1.setTabStop(false);
    SetWindowPos(Panel1.hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TfAbout::layOut() {
    RECT frame{0, 0, scaled(ClientWidth), scaled(ClientHeight)};
    AdjustWindowRectEx(&frame, Style, FALSE, ExStyle);
    SetWindowPos(hwnd(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    nameFont_ = timesNewRoman(48, dpi());
    versionFont_ = timesNewRoman(16, dpi());
    buttonFont_ = win::uiFont(8, dpi());
    Panel1.setBounds(0, 0, scaled(ClientWidth), scaled(ClientHeight));
    placeLabel(Label1, nameFont_.get(), 51, 16);
    placeLabel(Label2, versionFont_.get(), 51, 78);
    placeLabel(Label4, versionFont_.get(), 51, 118);
    const int iconSide = win::iconSize(SM_CXICON, dpi());
    win::Icon icon = win::programIcon(iconSide);
    SendMessageW(Icon1.hwnd(), STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
    icon_ = std::move(icon);  // the control shows the new one now
    Icon1.setBounds(scaled(IconLeft), scaled(IconTop), iconSide, iconSide);
    GradButton1.setFont(buttonFont_.get());
    GradButton1.setBounds(scaled(301), scaled(109), scaled(75), scaled(25));
}

// Labels take the size of their text, so only the text itself is clickable.
void TfAbout::placeLabel(win::Label& label, HFONT font, int x, int y) {
    label.setFont(font);
    const std::wstring text = win::toWide(label.text());
    SIZE size{};
    {
        win::WindowDc dc(label.hwnd());
        win::SelectedObject selected(dc.get(), font);
        GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    }
    label.setBounds(scaled(x), scaled(y), size.cx, size.cy);
}

void TfAbout::centreOnDesktop() {
    const RECT frame = windowRect();
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(hwnd(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int TfAbout::ShowModal() {
    centreOnDesktop();
    modalResult_ = 0;
    win::runModal(hwnd(), [this] { return modalResult_ != 0; });
    return modalResult_ ? modalResult_ : IDCANCEL;
}

void TfAbout::modalResultChosen(int result) { closeWith(result); }

void TfAbout::closeWith(int result) {
    modalResult_ = result;
    // A close sent from outside is handled inside GetMessageW: wake the loop.
    PostMessageW(hwnd(), WM_NULL, 0, 0);
}

void TfAbout::FormActivate() {
    const auto version = win::fileVersionText(programFile_);
    // Without a version resource there is no version to tell; the line stays empty.
    Label2.setText(version ? "Version " + *version : std::string{});
    placeLabel(Label2, versionFont_.get(), 51, 78);
}

void TfAbout::dpiChanged() { layOut(); }

LRESULT TfAbout::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) FormActivate();
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) closeWith(IDCANCEL);  // Escape, from the dialog manager
        return 0;
    case WM_CLOSE:
        closeWith(IDCANCEL);
        return 0;
    case WM_CTLCOLORSTATIC: {
        const HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    }
    default:
        break;
    }
    return defaultProcedure(message, wParam, lParam);
}

}  // namespace vask
