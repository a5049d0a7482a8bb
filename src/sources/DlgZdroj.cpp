#include "sources/DlgZdroj.h"

#include "config/UlozisteNastaveni.h"
#include "res/resource.h"
#include "winapi/IVrbatecModul.h"

namespace Vrbatec {

namespace {

bool JeVlastniHlasitost(std::int32_t hlasitost) {
    return hlasitost >= 1 && hlasitost <= 100;
}

std::wstring TextPrvku(HWND dialog, int id) {
    return WinApi::TextOkna(::GetDlgItem(dialog, id));
}

bool JeZaskrtnuto(HWND dialog, int id) {
    return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

} // namespace

INT_PTR DlgZdroj::Spustit(HWND vlastnik) {
    return SpustitModalne(ZverejnenyModul().Instance(), MAKEINTRESOURCEW(IDD_ZDROJ), vlastnik);
}

bool DlgZdroj::PriInicializaci() {
    HWND okno = Hwnd();
    IVrbatecModul& modul = ZverejnenyModul();
    NastavitIkony(modul.IkonaVelka(), modul.IkonaMala());
    NastavitTitulek(L" " + modul.NazevAplikace() + L" - Zdroj");
    ::SetDlgItemTextW(okno, IDC_NAZEV_ZDROJE, nazev.c_str());
    ::SetDlgItemTextW(okno, IDC_URL_ZDROJE, url.c_str());
    ::CheckDlgButton(okno, IDC_ZDROJ_V_NABIDCE, menu ? BST_CHECKED : BST_UNCHECKED);

    puvodniHlasitost_ = hlasitost;
    const bool vlastni = JeVlastniHlasitost(hlasitost);
    posuvnik_.PripojitPosuvnik(::GetDlgItem(okno, IDC_HLASITOST), vlastni ? hlasitost : 0);
    ::CheckDlgButton(okno, IDC_VLASTNI_HLASITOST, vlastni ? BST_CHECKED : BST_UNCHECKED);
    ZobrazitVlastniHlasitost(vlastni);
    return true;
}

bool DlgZdroj::PriPrikazu(WORD id, WORD kod, HWND) {
    if (kod != BN_CLICKED) {
        return false;
    }
    HWND okno = Hwnd();
    switch (id) {
    case IDC_VLASTNI_HLASITOST: {
        const bool zapnuta = JeZaskrtnuto(okno, IDC_VLASTNI_HLASITOST);
        if (zapnuta) {
            posuvnik_.NastavitPozici(puvodniHlasitost_);
        }
        ZobrazitVlastniHlasitost(zapnuta);
        return true;
    }
    case IDC_POUZIT_AKTUALNI:
        posuvnik_.NastavitPozici(static_cast<int>(NastaveniAplikace().hlasitost));
        return true;
    default:
        return false;
    }
}

void DlgZdroj::PriOk() {
    PrevzitHodnoty();
    Dialog::PriOk();
}

void DlgZdroj::ZobrazitVlastniHlasitost(bool zapnuta) {
    ::EnableWindow(::GetDlgItem(Hwnd(), IDC_HLASITOST), zapnuta);
    ::EnableWindow(::GetDlgItem(Hwnd(), IDC_POUZIT_AKTUALNI), zapnuta);
}

void DlgZdroj::PrevzitHodnoty() {
    HWND okno = Hwnd();
    nazev = TextPrvku(okno, IDC_NAZEV_ZDROJE);
    url = TextPrvku(okno, IDC_URL_ZDROJE);
    hlasitost =
        JeZaskrtnuto(okno, IDC_VLASTNI_HLASITOST) ? posuvnik_.Pozice() : kBezVlastniHlasitosti;
    menu = JeZaskrtnuto(okno, IDC_ZDROJ_V_NABIDCE);
}

} // namespace Vrbatec
