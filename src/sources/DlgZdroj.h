// The dialog that adds or edits one source: its name, URL, own volume and whether it is
// offered in the menu of the notification icon. The values go in before Spustit and come out
// changed only when the user confirms with OK; nothing is checked, an empty name included.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "winapi/TrackBarHlasitost.h"
#include "sources/Zdroj.h"
#include "winapi/Dialog.h"

namespace Vrbatec {

class DlgZdroj final : public WinApi::Dialog {
public:
    std::wstring nazev;
    std::wstring url;
    bool menu = true;
    std::int32_t hlasitost = kBezVlastniHlasitosti;

    // Runs the dialog modally over the owner; IDOK when the values were taken from the
    // dialog, IDCANCEL when not, -1 when the dialog could not be shown.
    INT_PTR Spustit(HWND vlastnik);

private:
    bool PriInicializaci() override;
    bool PriPrikazu(WORD id, WORD kod, HWND prvek) override;
    void PriOk() override;
    void ZobrazitVlastniHlasitost(bool zapnuta);
    void PrevzitHodnoty();

    TrackBarHlasitost posuvnik_;
    // The volume the dialog opened with, to which ticking the box returns.
    std::int32_t puvodniHlasitost_ = kBezVlastniHlasitosti;
};

} // namespace Vrbatec
