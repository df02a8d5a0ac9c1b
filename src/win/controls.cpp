#include "win/controls.h"

#include <commctrl.h>

#include "win/errors.h"
#include "win/window.h"
#include "win/handles.h"
#include "win/text.h"
#include "win/window.h"

namespace vask::win {

// The window may outlive this object (a parent destroys its children later):
// it must not reach an object that is gone.
Control::~Control() {
    if (subclassed_) RemoveWindowSubclass(hwnd_, &Control::subclassProcedure, 1);
    if (owner_) owner_->forgetControl(hwnd_);
}

void Control::create(HWND parent, const wchar_t* className, std::string_view text, DWORD style, int id, DWORD exStyle,
                     Placement placement) {
    if (!placement.visible) style &= ~WS_VISIBLE;
    const RECT& at = placement.bounds;
    hwnd_ = CreateWindowExW(exStyle, className, toWide(text).c_str(), style | WS_CHILD, at.left, at.top,
                            at.right - at.left, at.bottom - at.top, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_) throwLastError("CreateWindow");
    // The window it sits in hands it its notifications. No subclass unless a
    // hook asks for one: under Wine a subclass costs every message a trip to
    // the server, which slowed the bar's start by a tenth.
    owner_ = Window::fromHandle(parent);
    if (owner_) owner_->keepControl(hwnd_, this);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
}

bool Control::reflectCommand(UINT code) {
    std::function<void()>* handler = handlerFor(code);
    if (!handler || !*handler) return false;
    (*handler)();
    return true;
}

// BN_CLICKED and STN_CLICKED are both 0.
std::function<void()>* Control::handlerFor(UINT code) { return code == BN_CLICKED ? &onClick : nullptr; }

std::function<void()>* Edit::handlerFor(UINT code) { return code == EN_CHANGE ? &onChange : nullptr; }

std::function<void()>* Button::handlerFor(UINT code) {
    return code == BN_SETFOCUS ? &onFocus : Control::handlerFor(code);
}

std::function<void()>* ComboBox::handlerFor(UINT code) { return code == CBN_SELCHANGE ? &onChange : nullptr; }

std::string Control::text() const {
    const int length = GetWindowTextLengthW(hwnd_);
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd_, buffer.data(), length + 1);
    buffer.resize(static_cast<size_t>(copied));
    return toUtf8(buffer);
}

void Control::setText(std::string_view text) { SetWindowTextW(hwnd_, toWide(text).c_str()); }

SIZE Control::textExtent() const {
    const std::wstring wide = toWide(text());
    const WindowDc dc(hwnd_);
    const SelectedObject font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return size;
}

void Control::setBounds(int x, int y, int width, int height) {
    // Drawn anew where it lands: the bits the system would copy along are
    // stale when the window lays out while it first shows.
    SetWindowPos(hwnd_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

void Control::setTop(int y) {
    const RECT rect = bounds();
    SetWindowPos(hwnd_, nullptr, rect.left, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT Control::bounds() const {
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void Control::show(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }
bool Control::visible() const { return (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }
void Control::setEnabled(bool enabled) { EnableWindow(hwnd_, enabled); }
// A control that is not on screen is drawn whole when it shows: it is not redrawn now.
void Control::setFont(HFONT font) {
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), IsWindowVisible(hwnd_));
}
void Control::setFocus() { SetFocus(hwnd_); }
bool Control::focused() const { return GetFocus() == hwnd_; }
void Control::invalidate() {
    if (IsWindowVisible(hwnd_)) InvalidateRect(hwnd_, nullptr, TRUE);
}

void Control::setMessageHook(MessageHook hook) {
    hook_ = std::move(hook);
    if (!subclassed_)
        subclassed_ = SetWindowSubclass(hwnd_, &Control::subclassProcedure, 1, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK Control::subclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR data) {
    auto* self = reinterpret_cast<Control*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &Control::subclassProcedure, 1);
        self->subclassed_ = false;
        return DefSubclassProc(window, message, wParam, lParam);
    }
    try {
        if (self->hook_)
            if (const auto result = self->hook_(message, wParam, lParam)) return *result;
    } catch (const std::exception& error) {
        reportControlError(window, error);
        return 0;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void Edit::create(HWND parent, int id, DWORD extraStyle, Placement placement) {
    Control::create(parent, L"EDIT", "", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | extraStyle, id, 0, placement);
}

void Edit::setReadOnly(bool readOnly) { SendMessageW(hwnd(), EM_SETREADONLY, readOnly, 0); }

void Edit::selectAll() { SendMessageW(hwnd(), EM_SETSEL, 0, -1); }

void Edit::caretToEnd() {
    const int end = GetWindowTextLengthW(hwnd());
    SendMessageW(hwnd(), EM_SETSEL, end, end);
}

void Edit::setCue(std::string_view cue) {
    SendMessageW(hwnd(), EM_SETCUEBANNER, FALSE, reinterpret_cast<LPARAM>(toWide(cue).c_str()));
}

void Label::create(HWND parent, std::string_view text, int id, DWORD extraStyle, Placement placement) {
    Control::create(parent, L"STATIC", text, WS_VISIBLE | SS_NOTIFY | SS_NOPREFIX | extraStyle, id, 0, placement);
}

void Button::create(HWND parent, std::string_view text, int id, DWORD extraStyle, Placement placement) {
    Control::create(parent, L"BUTTON", text, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | extraStyle, id, 0, placement);
}

void CheckButton::create(HWND parent, std::string_view text, int id, DWORD buttonStyle, Placement placement) {
    Control::create(parent, L"BUTTON", text, WS_VISIBLE | WS_TABSTOP | buttonStyle, id, 0, placement);
}

bool CheckButton::checked() const { return SendMessageW(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED; }
// Only a change is sent: a radio button's check also rewrites its style, a trip to the Wine server.
void CheckButton::setChecked(bool checked) {
    if (checked != this->checked()) SendMessageW(hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ComboBox::create(HWND parent, int id, bool sorted) {
    Control::create(parent, L"COMBOBOX", "",
                    WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | (sorted ? CBS_SORT : 0), id);
}

int ComboBox::itemIndex() const { return static_cast<int>(SendMessageW(hwnd(), CB_GETCURSEL, 0, 0)); }

void ComboBox::setItemIndex(int index) {
    SendMessageW(hwnd(), CB_SETCURSEL, index >= 0 && index < count() ? index : -1, 0);
}

int ComboBox::count() const { return static_cast<int>(SendMessageW(hwnd(), CB_GETCOUNT, 0, 0)); }

std::string ComboBox::itemText(int index) const {
    const LRESULT length = SendMessageW(hwnd(), CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return {};
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(hwnd(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
    buffer.resize(copied == CB_ERR ? 0 : static_cast<size_t>(copied));
    return toUtf8(buffer);
}

std::string ComboBox::selectedText() const {
    const int index = itemIndex();
    return index < 0 ? std::string{} : itemText(index);
}

std::vector<std::string> ComboBox::items() const {
    std::vector<std::string> out;
    for (int i = 0, n = count(); i < n; ++i) out.push_back(itemText(i));
    return out;
}

void ComboBox::setItems(std::span<const std::string_view> items) {
    SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
    clear();
    for (const auto item : items) addItem(item);
    SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
}

void ComboBox::addItem(std::string_view item) {
    SendMessageW(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(item).c_str()));
}

void ComboBox::clear() { SendMessageW(hwnd(), CB_RESETCONTENT, 0, 0); }

}  // namespace vask::win
