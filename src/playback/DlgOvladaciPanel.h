// The control panel in the main window's rebar: volume slider, its number and the mute box.
//
// Until the player is hosted the panel only shows its controls, disabled, so that nothing
// looks as if it changed the sound.
#pragma once

#include <windows.h>

#include "winapi/Dialog.h"

namespace Vrbatec {

class DlgOvladaciPanel final : public WinApi::Dialog {
public:
    ~DlgOvladaciPanel() override;

    // Creates the modeless child dialog; nullptr with the last error when it cannot.
    HWND Vytvorit(HINSTANCE instance, HWND rodic);

    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;

private:
    void Pripravit(HWND okno);
};

} // namespace Vrbatec
