#pragma once
// TfAbout: the about box — the product name and the program's file version —
// shown modally from the bar's "About ..." item. The project has no public
// home page, so the box names none. It is made once at start-up, hidden when
// closed and shown again on demand.
#include <string>

#include "controls/grad_button.h"
#include "win/controls.h"
#include "win/handles.h"
#include "win/prompter.h"
#include "win/window.h"

namespace vask {

class TfAbout : public win::Window {
public:
    // Owned by `owner`, so it stays above it.
    TfAbout(HWND owner, win::Prompter& prompter);

    static constexpr int ClientWidth = 429, ClientHeight = 172;
    // The OK button is the box's cancel button, so Escape presses it too.
    enum ControlId : int { IdGradButton1 = IDCANCEL, IdPanel1 = 10, IdLabel1, IdLabel2, IdLabel4, IdIcon1 };
    static constexpr int IconLeft = 10, IconTop = 27;  // beside the name; its side is the DPI's icon size

    // Shows the box centred on the desktop with the bar disabled until it
    // closes; returns its modal result (IDCANCEL from OK, Escape or Close).
    int ShowModal();

    void FormActivate();                          // puts the program's file version into Label2
    void modalResultChosen(int result) override;  // OK closes the box

    win::Control Panel1;  // the white panel under the labels
    win::Label Label1, Label2, Label4;
    win::Control Icon1;       // the program's icon, the image drawn for its size
    TGradButton GradButton1;  // "OK"

protected:
    void dpiChanged() override;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void createControls();
    void layOut();
    void placeLabel(win::Label& label, HFONT font, int x, int y);
    void centreOnDesktop();
    void closeWith(int result);

    const std::wstring programFile_;
    int modalResult_ = 0;
    win::Font nameFont_, versionFont_, buttonFont_;
    win::Icon icon_;
};

}  // namespace vask
