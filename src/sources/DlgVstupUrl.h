// The open-URL dialog: one field for a URL or a file path, which a browse button inside the
// field can fill with a file. The text goes in before Spustit and comes out as entered when
// the user confirms; nothing is checked, an empty text included.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "winapi/Dialog.h"
#include "winapi/EditSoubor.h"

namespace Vrbatec {

class DlgVstupUrl final : public WinApi::Dialog {
public:
    std::wstring url;

    // Runs the dialog modally over the owner; IDOK when url holds the entered text, IDCANCEL
    // when not, -1 when the dialog could not be shown. The browse button shows the picture of
    // an opened file from the given normal list of the small image strip.
    INT_PTR Spustit(HWND vlastnik, HIMAGELIST malyPruh);

private:
    bool PriInicializaci() override;
    void PriOk() override;

    WinApi::EditSoubor edit_;
    HIMAGELIST malyPruh_ = nullptr;
};

} // namespace Vrbatec
