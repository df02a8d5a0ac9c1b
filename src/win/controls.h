#pragma once
// Thin wrappers over the standard controls, with the accessors the handlers
// need. Each control carries its own handlers: the window it sits in hands
// it the notifications it sends (WM_COMMAND, WM_NOTIFY), so what a control
// does is read where it is made. Setting a list's index from code runs no
// change handler: only the user's choice does.
#include <windows.h>

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vask::win {

class Window;

// Where a control is made and whether it shows at once. A control made in
// its place need not be moved: under Wine each move is a trip to the server.
struct Placement {
    RECT bounds{};
    bool visible = true;
};

class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    void create(HWND parent, const wchar_t* className, std::string_view text, DWORD style, int id, DWORD exStyle = 0,
                Placement placement = {});
    HWND hwnd() const { return hwnd_; }
    int id() const { return GetDlgCtrlID(hwnd_); }

    std::string text() const;
    void setText(std::string_view text);
    // The size of the text on one line in the control's own font, in pixels.
    SIZE textExtent() const;
    void setBounds(int x, int y, int width, int height);
    void setBounds(const RECT& bounds) {
        setBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    }
    void setTop(int y);
    RECT bounds() const;  // in the parent's client coordinates
    void show(bool visible);
    bool visible() const;
    void setEnabled(bool enabled);
    void setFont(HFONT font);
    void setFocus();
    bool focused() const;
    void invalidate();

    // Sees every message of the control first; a returned value ends it there.
    // The owner window stops handing notifications to a control whose object has gone.
    using MessageHook = std::function<std::optional<LRESULT>(UINT, WPARAM, LPARAM)>;
    void setMessageHook(MessageHook hook);

    std::function<void()> onClick;   // a button or a label clicked
    std::function<void()> onChange;  // the user changed the text or the choice
    std::function<void()> onFocus;   // a button took the focus
    // The notifications of controls that send WM_NOTIFY; nothing: the window's default.
    std::function<std::optional<LRESULT>(NMHDR&)> onNotify;

    // Runs the handler of a WM_COMMAND notification; false when none is set.
    bool reflectCommand(UINT code);

protected:
    // Which handler a notification code runs: a click for every control.
    virtual std::function<void()>* handlerFor(UINT code);

private:
    friend class Window;  // which forgets its controls when it goes first
    static LRESULT CALLBACK subclassProcedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    HWND hwnd_ = nullptr;
    Window* owner_ = nullptr;  // the program's window it sits in, which hands it its notifications
    bool subclassed_ = false;  // a hook is set, until the window goes
    MessageHook hook_;
};

class Edit : public Control {
public:
    void create(HWND parent, int id, DWORD extraStyle = 0, Placement placement = {});
    void setReadOnly(bool readOnly);
    // The grey text an empty field shows; empty: none.
    void setCue(std::string_view cue);
    void selectAll();
    void caretToEnd();  // nothing selected

protected:
    std::function<void()>* handlerFor(UINT code) override;
};

class Label : public Control {
public:
    void create(HWND parent, std::string_view text, int id, DWORD extraStyle = 0, Placement placement = {});
};

class Button : public Control {
public:
    void create(HWND parent, std::string_view text, int id, DWORD extraStyle = 0, Placement placement = {});

protected:
    std::function<void()>* handlerFor(UINT code) override;
};

// Radio buttons and check boxes.
class CheckButton : public Button {
public:
    void create(HWND parent, std::string_view text, int id, DWORD buttonStyle, Placement placement = {});
    bool checked() const;
    void setChecked(bool checked);
};

// A selection-only drop-down list.
class ComboBox : public Control {
public:
    void create(HWND parent, int id, bool sorted = false);
    int itemIndex() const;         // -1 when nothing is selected
    void setItemIndex(int index);  // an index outside the list selects nothing
    int count() const;
    std::string itemText(int index) const;
    std::string selectedText() const;  // empty when nothing is selected
    std::vector<std::string> items() const;
    void setItems(std::span<const std::string_view> items);
    void addItem(std::string_view item);
    void clear();

protected:
    std::function<void()>* handlerFor(UINT code) override;
};

}  // namespace vask::win
