#include "ui/SoucastZdroju.h"

#include <commctrl.h>

#include "res/resource.h"
#include "sources/PohledyZdroju.h"
#include "winapi/IVrbatecModul.h"

namespace Vrbatec::Ui {

void SoucastZdroju::Pripojit(HWND hlavniOkno) {
    pohledy_.VytvoritSeznam(ZverejnenyModul().Instance(), hlavniOkno, true);
}

void SoucastZdroju::Odpojit() {
    pohledy_.ZrusitSeznam();
}

bool SoucastZdroju::ZpracovatZpravu(UINT zprava, WPARAM wParam, LPARAM lParam, LRESULT& vysledek) {
    if (zprava == WM_NOTIFY) {
        const auto& oznameni = *reinterpret_cast<const NMHDR*>(lParam);
        return oznameni.idFrom == IDC_SEZNAM_ZDROJU && oznameni.hwndFrom == pohledy_.SeznamHwnd() &&
               pohledy_.PriOznameniSeznamu(oznameni, vysledek);
    }
    if (zprava == WM_COMMAND && PriPrikazu(LOWORD(wParam), HIWORD(wParam))) {
        vysledek = 0;
        return true;
    }
    return false;
}

bool SoucastZdroju::PriPrikazu(UINT prikaz, UINT kod) {
    switch (prikaz) {
    case ID_PRIDAT_ZDROJ:
        pohledy_.Pridat();
        return true;
    case ID_ODEBRAT_ZDROJ:
        pohledy_.Odebrat();
        return true;
    case ID_UPRAVIT_ZDROJ:
        pohledy_.Upravit();
        return true;
    case IDC_COMBO_ZDROJU:
        if (kod == CBN_SELCHANGE) {
            pohledy_.PriZmeneCombo();
        }
        return true;
    default:
        return false;
    }
}

} // namespace Vrbatec::Ui
