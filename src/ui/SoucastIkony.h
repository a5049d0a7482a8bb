// The notification icon as a component of the main window: when it is there, what its clicks
// run, its menu, its tooltip (the shell's or our own with the hotkey overview) and its balloons.
//
// When the icon is added and removed is the main window's decision (the "ikona" setting, the
// minimise rule, hiding at start); the component does it when asked. Whatever the parts of the
// program say on the icon is kept even while there is none, so an icon added later shows the
// current tooltip. When the shell starts again (Explorer restarted) every icon it had is gone:
// the icon is added again as it was, or a window hidden in the notification area would have no
// way back.
//
// Clicks act only on the main window's icon (1); the update check's icon (255) reports to the
// same window and is left alone here. A left click runs the command that the settings give for
// the Ctrl and Shift held when the click is handled.
#pragma once

#include <windows.h>

#include <string>

#include "ui/IkonaOznameni.h"
#include "ui/OknoToolTipIkona.h"
#include "ui/SoucastOkna.h"

namespace Vrbatec {
class Prehravani;
}

namespace Vrbatec::Ui {

class SluzbyAplikace;

class SoucastIkony final : public SoucastOkna {
public:
    // The application, playback and the platform outlive the component.
    SoucastIkony(SluzbyAplikace& aplikace, const Prehravani& prehravani,
                 PlatformaIkony& platforma) noexcept;

    void Pripojit(HWND hlavniOkno) override;
    // Removes the icon: it must not outlive the program in the notification area.
    void Odpojit() override;
    // Keeps the state for the menu.
    void Obnovit(const StavProgramu& stav) override;
    bool ZpracovatZpravu(UINT zprava, WPARAM wParam, LPARAM lParam, LRESULT& vysledek) override;

    // Adds the icon unless it is there; a shell that refuses leaves the program without it.
    void Zajistit();
    void Smazat();
    bool Existuje() const noexcept { return ikona_.Pridana(); }

    // Nothing without the icon; the tooltip is kept for an icon added later.
    void ZobrazitBublinu(const std::wstring& text, DWORD ikonaBubliny);
    void NastavitTip(const std::wstring& tip);

    // The icon's menu at the pointer.
    void OtevritNabidku();

    const IkonaOznameni& Ikona() const noexcept { return ikona_; }
    const OknoToolTipIkona& VlastniTip() const noexcept { return vlastniTip_; }

private:
    void PriUdalosti(UINT udalost, UINT identifikator);
    void SpustitAkciLevehoTlacitka();
    void OtevritVlastniTip();

    SluzbyAplikace& aplikace_;
    const Prehravani& prehravani_;
    PlatformaIkony& platforma_;
    IkonaOznameni ikona_;
    OknoToolTipIkona vlastniTip_;
    HWND okno_ = nullptr;
    UINT zpravaNovehoPanelu_ = 0;
    StavProgramu stav_;
    std::wstring tip_;
};

} // namespace Vrbatec::Ui
