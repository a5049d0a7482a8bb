#include "playback/DlgOvladaciPanel.h"

#include <commctrl.h>

#include "winapi/Diagnostika.h"
#include "config/UlozisteNastaveni.h"
#include "res/resource.h"

namespace Vrbatec {

DlgOvladaciPanel::~DlgOvladaciPanel() {
    Zrusit();
}

HWND DlgOvladaciPanel::Vytvorit(HINSTANCE instance, HWND rodic) {
    return VytvoritNemodalne(instance, MAKEINTRESOURCEW(IDD_OVLADACI_PANEL), rodic);
}

void DlgOvladaciPanel::UkazatHlasitost(int hlasitost) {
    posuvnik_.NastavitPozici(hlasitost);
    ZobrazitCislo(hlasitost);
}

void DlgOvladaciPanel::UkazatZtlumeni(bool ztlumeno) {
    ::CheckDlgButton(PlatneOkno(), IDC_ZTLUMIT, ztlumeno ? BST_CHECKED : BST_UNCHECKED);
}

bool DlgOvladaciPanel::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                                       LRESULT& vysledek) {
    if (zprava == Knihovna::TrackBarImpl::kZpravaPosunu) {
        PriPosunu();
        return true;
    }
    return Dialog::ZpracovatZpravu(okno, zprava, wParam, lParam, vysledek);
}

bool DlgOvladaciPanel::PriInicializaci() {
    HWND okno = Hwnd();
    // A stored volume above 100 is shown as 0: the player never gets such a value either.
    const auto hlasitost = static_cast<int>(NastaveniAplikace().hlasitost);
    const HRESULT hr = posuvnik_.PripojitPosuvnik(::GetDlgItem(okno, IDC_HLASITOST), hlasitost, 0);
    if (FAILED(hr)) {
        FatalniHResult(hr);
    }
    posuvnik_.DoplnitStyl(TBS_NOTICKS);
    ZobrazitCislo(posuvnik_.Pozice());
    return false; // the panel must not take the focus from the main window
}

bool DlgOvladaciPanel::PriPrikazu(WORD id, WORD kod, HWND) {
    if (id != IDC_ZTLUMIT || kod != BN_CLICKED) {
        return false;
    }
    PriZtlumeni();
    return true;
}

void DlgOvladaciPanel::PriPosunu() {
    const int hlasitost = posuvnik_.Pozice();
    ZobrazitCislo(hlasitost);
    if (ovladani_ != nullptr) {
        ovladani_->PriZmeneHlasitosti(hlasitost);
    }
}

void DlgOvladaciPanel::PriZtlumeni() {
    const bool ztlumit = ::IsDlgButtonChecked(Hwnd(), IDC_ZTLUMIT) == BST_CHECKED;
    if (ovladani_ != nullptr) {
        ovladani_->PriZmeneZtlumeni(ztlumit);
    }
}

void DlgOvladaciPanel::ZobrazitCislo(int hlasitost) {
    ::SetDlgItemInt(PlatneOkno(), IDC_HLASITOST_CISLO, static_cast<UINT>(hlasitost), TRUE);
}

} // namespace Vrbatec
