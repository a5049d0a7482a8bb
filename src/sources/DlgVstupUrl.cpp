#include "sources/DlgVstupUrl.h"

#include "zaklad/VzorTextu.h"
#include "res/resource.h"
#include "winapi/OdrazitOznameni.h"
#include "zaklad/IVrbatecModul.h"

namespace Vrbatec {

namespace {

// The picture of an opened file in the program's image strips.
constexpr int kObrazekProchazeni = 23;

std::wstring TextPrvku(HWND dialog, int id) {
    return WinApi::TextOkna(::GetDlgItem(dialog, id));
}

} // namespace

INT_PTR DlgVstupUrl::Spustit(HWND vlastnik, HIMAGELIST malyPruh) {
    malyPruh_ = malyPruh;
    return SpustitModalne(ZverejnenyModul().Instance(), MAKEINTRESOURCEW(IDD_VSTUP_URL), vlastnik);
}

bool DlgVstupUrl::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                                  LRESULT& vysledek) {
    if (WinApi::OdrazitOznameni(okno, zprava, wParam, lParam, vysledek)) {
        return true;
    }
    switch (zprava) {
    case WM_INITDIALOG:
        Pripravit(okno);
        vysledek = TRUE;
        return true;
    case WM_COMMAND:
        return HIWORD(wParam) == BN_CLICKED && PriPrikazu(LOWORD(wParam));
    default:
        return false;
    }
}

void DlgVstupUrl::Pripravit(HWND okno) {
    IVrbatecModul& modul = ZverejnenyModul();
    NastavitIkony(modul.IkonaVelka(), modul.IkonaMala());
    NastavitTitulek(VzorTextu::Dosadit(L"%s - Otevřít URL/soubor", {modul.NazevAplikace()}));
    edit_.PripojitEdit(::GetDlgItem(okno, IDC_URL_ZDROJE), url.c_str(), malyPruh_,
                       kObrazekProchazeni);
}

bool DlgVstupUrl::PriPrikazu(WORD id) {
    switch (id) {
    case IDOK:
        url = TextPrvku(Hwnd(), IDC_URL_ZDROJE);
        Ukoncit(IDOK);
        return true;
    case IDCANCEL:
        Ukoncit(IDCANCEL);
        return true;
    default:
        return false;
    }
}

} // namespace Vrbatec
