// The control panel in the main window's rebar: volume slider, its number and the mute box.
//
// The user's changes go to the OvladaniHlasitosti given to the panel (none: the controls only
// move); the playback commands show theirs with UkazatHlasitost and UkazatZtlumeni, which do
// not report back. The slider opens at the current volume of the settings.
#pragma once

#include <windows.h>

#include "playback/OvladaniHlasitosti.h"
#include "winapi/Dialog.h"
#include "winapi/TrackBarImpl.h"

namespace Vrbatec {

class DlgOvladaciPanel final : public WinApi::Dialog {
public:
    ~DlgOvladaciPanel() override;

    // Creates the modeless child dialog; nullptr with the last error when it cannot.
    HWND Vytvorit(HINSTANCE instance, HWND rodic);
    void NastavitOvladani(OvladaniHlasitosti* ovladani) noexcept { ovladani_ = ovladani; }

    // Slider and number.
    void UkazatHlasitost(int hlasitost);
    // The mute box.
    void UkazatZtlumeni(bool ztlumeno);

    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;

private:
    bool PriInicializaci() override;
    bool PriPrikazu(WORD id, WORD kod, HWND prvek) override;
    void PriPosunu();
    void PriZtlumeni();
    void ZobrazitCislo(int hlasitost);

    Knihovna::TrackBarImpl posuvnik_;
    OvladaniHlasitosti* ovladani_ = nullptr;
};

} // namespace Vrbatec
