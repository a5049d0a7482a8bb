#include "update/DlgInformace.h"

#include "res/resource.h"
#include "winapi/Diagnostika.h"
#include "winapi/IVrbatecModul.h"
#include "winapi/UmisteniOkna.h"
#include "winapi/VzorTextu.h"

namespace Vrbatec {

bool DlgInformace::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                                   LRESULT& vysledek) {
    // The base first: it reflects the colour messages to the controls (the headings paint
    // themselves) before the rest is answered here for the dialog as a whole.
    if (Dialog::ZpracovatZpravu(okno, zprava, wParam, lParam, vysledek)) {
        return true;
    }
    if (zprava != WM_CTLCOLORDLG && zprava != WM_CTLCOLORSTATIC) {
        return false;
    }
    const auto dc = reinterpret_cast<HDC>(wParam);
    ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    vysledek = reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
    return true;
}

void DlgInformace::Pripravit(std::initializer_list<int> prvky) {
    HWND okno = Hwnd();
    for (const int id : prvky) {
        if (::GetDlgItem(okno, id) == nullptr) {
            FatalniHResult(E_HANDLE);
        }
    }
    IVrbatecModul& modul = ZverejnenyModul();
    const std::wstring produkt = modul.NazevAplikace();
    NastavitIkony(modul.IkonaVelka(), modul.IkonaMala());
    ::SetWindowTextW(okno, VzorTextu::Dosadit(vzorTitulku_, {produkt}).c_str());
    nazev_.PripojitNadpis(::GetDlgItem(okno, IDC_NADPIS));
    nazev_.NastavitPozadi(::GetSysColorBrush(COLOR_WINDOW));
    nazev_.NastavitNazevPisma(L"Verdana");
    ::SetDlgItemTextW(okno, IDC_NADPIS, produkt.c_str());
}

void DlgInformace::Ukazat() {
    WinApi::Vycentrovat(Hwnd());
    ::SetForegroundWindow(Hwnd());
}

} // namespace Vrbatec
