// The main window's bars: a rebar with three bands — the toolbar (band 0), the control
// panel (band 1) and the combo box of sources (band 2).
//
// The bars are built as a whole and rebuilt as a whole when the icon size changes; a rebuild
// destroys the previous bars first. Building them from the program's own resources cannot
// fail in a working system, so every failure on the way ends the program, as does a band
// that cannot be shown or hidden or a toolbar that refuses a button's state.
#pragma once

#include <windows.h>

#include <memory>

#include "ui/PravidlaPrikazu.h"
#include "winapi/ComboBox.h"
#include "winapi/Handle.h"

namespace Vrbatec {
class DlgOvladaciPanel;
}

namespace Vrbatec::Ui {

class ObrazkovyPruh;

class PanelyNastroju {
public:
    static constexpr UINT kPasTlacitek = 0;
    static constexpr UINT kPasOvladani = 1;
    static constexpr UINT kPasZdroju = 2;

    struct Viditelnost {
        bool tlacitka = true;
        bool ovladani = true;
        bool zdroje = true;
    };

    PanelyNastroju();
    ~PanelyNastroju();
    PanelyNastroju(const PanelyNastroju&) = delete;
    PanelyNastroju& operator=(const PanelyNastroju&) = delete;

    // The toolbar takes the images of `pruh`; `velke` says it is the large strip, whose
    // pictures sit at other indexes than the small one's.
    void Sestavit(HWND hlavniOkno, HINSTANCE instance, const ObrazkovyPruh& pruh, bool velke,
                  const Viditelnost& viditelnost);
    void Zrusit();

    HWND Rebar() const { return rebar_.Get(); }
    HWND Toolbar() const { return toolbar_.Get(); }
    HWND Combo() const { return combo_.Hwnd(); }
    WinApi::ComboBox& ComboZdroju() { return combo_; }
    DlgOvladaciPanel* OvladaciPanel() const { return ovladaciPanel_.get(); }

    // false for every band while there is no rebar.
    bool PasViditelny(UINT idPasu) const;
    void ZobrazitPas(UINT idPasu, bool zobrazit);
    // Window height of the rebar; 0 without one.
    int VyskaRebaru() const;
    // Keeps the rebar across the top of a client area `sirka` wide at its own height.
    void PriZmeneVelikosti(int sirka);

    // The buttons' shown and enabled states by the toolbar's rules (recording swaps its start
    // and stop buttons and locks the settings button); nothing without a toolbar.
    void PouzitStav(const PravidlaPrikazu::Stav& stav);

private:
    void VytvoritRebar(HWND hlavniOkno, HINSTANCE instance);
    void VytvoritToolbar(HWND hlavniOkno, HINSTANCE instance, const ObrazkovyPruh& pruh,
                         bool velke);
    void VlozitPasTlacitek(int vyskaObrazku);
    void VytvoritOvladaciPanel(HINSTANCE instance);
    void VytvoritCombo(HINSTANCE instance);
    void VlozitPasSPrvkem(UINT idPasu, HWND prvek);
    void VlozitPas(REBARBANDINFOW& pas);
    int IndexPasu(UINT idPasu) const;

    std::unique_ptr<DlgOvladaciPanel> ovladaciPanel_;
    WinApi::ComboBox combo_;
    WinApi::UniqueWindow toolbar_;
    WinApi::UniqueWindow rebar_;
};

} // namespace Vrbatec::Ui
