#include "playback/DlgOvladaciPanel.h"

#include <commctrl.h>

#include "res/resource.h"

namespace Vrbatec {

DlgOvladaciPanel::~DlgOvladaciPanel() {
    Zrusit();
}

HWND DlgOvladaciPanel::Vytvorit(HINSTANCE instance, HWND rodic) {
    return VytvoritNemodalne(instance, MAKEINTRESOURCEW(IDD_OVLADACI_PANEL), rodic);
}

bool DlgOvladaciPanel::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM, LPARAM, LRESULT& vysledek) {
    if (zprava != WM_INITDIALOG) {
        return false;
    }
    Pripravit(okno);
    vysledek = FALSE; // the panel must not take the focus from the main window
    return true;
}

void DlgOvladaciPanel::Pripravit(HWND okno) {
    const HWND posuvnik = ::GetDlgItem(okno, IDC_HLASITOST);
    ::SendMessageW(posuvnik, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    for (const int id : {IDC_HLASITOST, IDC_HLASITOST_CISLO, IDC_ZTLUMIT}) {
        ::EnableWindow(::GetDlgItem(okno, id), FALSE);
    }
}

} // namespace Vrbatec
