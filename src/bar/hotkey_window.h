#pragma once
// TfHotkey: the small dialog of the bar's "Hotkey..." item — the system's
// hotkey field, which knows no Win key, with a "Win" check box beside it, and
// OK, Cancel, None and Default (Ctrl+Alt+Space), in the bar's colours.
#include <windows.h>

#include <optional>

#include "bar/bar_scheme.h"
#include "common/hotkey_text.h"
#include "controls/grad_button.h"
#include "win/controls.h"
#include "win/handles.h"
#include "win/prompter.h"
#include "win/window.h"

namespace vask {

class TfHotkey : public win::Window {
public:
    // Owned by the bar, whose resolved `background` colour and scheme it wears.
    TfHotkey(HWND owner, COLORREF background, const BarScheme& scheme, win::Prompter& prompter);

    static constexpr int ClientWidth = 342, ClientHeight = 94;
    enum ControlId : int { IdOk = IDOK, IdCancel = IDCANCEL, IdLabel = 10, IdField, IdNone, IdWin, IdDefault };

    // Shows `current` and returns the choice: a hotkey, no hotkey (None),
    // the default hotkey (Default), or nothing when cancelled.
    std::optional<Hotkey> ShowModal(const Hotkey& current);

    win::Label Label1;
    win::Control field;  // the system's hotkey control
    win::CheckButton winBox;
    TGradButton okButton, cancelButton, noneButton, defaultButton;

protected:
    void dpiChanged() override;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void layOut();
    void closeWith(std::optional<Hotkey> choice);
    void okClick();
    void winClick();  // the field's rules follow the Win check box
    std::optional<LRESULT> fieldMessage(UINT message, WPARAM wParam, LPARAM lParam);

    COLORREF background_;
    BarScheme scheme_;
    win::Brush backBrush_;
    win::Font font_;
    bool done_ = false;
    bool swallowChar_ = false;  // the next character belongs to a key the field was given
    std::optional<Hotkey> choice_;
};

}  // namespace vask
