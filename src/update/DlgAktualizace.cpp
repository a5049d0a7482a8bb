#include "update/DlgAktualizace.h"

#include <commctrl.h>

#include <utility>

#include "res/resource.h"
#include "update/PrikazyOdkazu.h"
#include "winapi/VzorTextu.h"

namespace Vrbatec {

DlgAktualizace::DlgAktualizace(std::wstring verzeProgramu, std::wstring verzeNaWebu)
    : DlgInformace(L"Vyhledání aktualizací - %s"), verzeProgramu_(std::move(verzeProgramu)),
      verzeNaWebu_(std::move(verzeNaWebu)) {}

INT_PTR DlgAktualizace::Spustit(HINSTANCE instance) {
    const INITCOMMONCONTROLSEX odkazy{sizeof(odkazy), ICC_LINK_CLASS};
    ::InitCommonControlsEx(&odkazy);
    return SpustitModalne(instance, MAKEINTRESOURCEW(IDD_AKTUALIZACE), nullptr);
}

bool DlgAktualizace::PriInicializaci() {
    Pripravit(
        {IDC_IKONA_APLIKACE, IDC_NADPIS, IDC_VASE_VERZE, IDC_VERZE_NA_WEBU, IDC_ODKAZ_WEB_FIRMY});
    HWND okno = Hwnd();
    ::SetDlgItemTextW(okno, IDC_VASE_VERZE,
                      VzorTextu::Dosadit(L"Vaše verze: %s", {verzeProgramu_}).c_str());
    ::SetDlgItemTextW(okno, IDC_VERZE_NA_WEBU,
                      VzorTextu::Dosadit(L"Aktuální verze na webu: %s", {verzeNaWebu_}).c_str());
    const HINSTANCE instance =
        reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(okno, GWLP_HINSTANCE));
    tipy_.Vytvorit(okno, instance);
    tipy_.PridatNastroj(::GetDlgItem(okno, IDC_ODKAZ_WEB_FIRMY), instance, IDS_TIP_WEB_APLIKACE);
    Ukazat();
    return true;
}

bool DlgAktualizace::PriOznameni(const NMHDR& oznameni, LRESULT&) {
    if (oznameni.idFrom != IDC_ODKAZ_WEB_FIRMY ||
        (oznameni.code != NM_CLICK && oznameni.code != NM_RETURN)) {
        return false;
    }
    PrikazyOdkazu::OtevritWebAplikace();
    return true;
}

} // namespace Vrbatec
