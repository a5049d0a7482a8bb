#include "sources/DlgVstupUrl.h"

#include "winapi/VzorTextu.h"
#include "res/resource.h"
#include "winapi/IVrbatecModul.h"

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

bool DlgVstupUrl::PriInicializaci() {
    IVrbatecModul& modul = ZverejnenyModul();
    NastavitIkony(modul.IkonaVelka(), modul.IkonaMala());
    NastavitTitulek(VzorTextu::Dosadit(L"%s - Otevřít URL/soubor", {modul.NazevAplikace()}));
    edit_.PripojitEdit(::GetDlgItem(Hwnd(), IDC_URL_ZDROJE), url.c_str(), malyPruh_,
                       kObrazekProchazeni);
    return true;
}

void DlgVstupUrl::PriOk() {
    url = TextPrvku(Hwnd(), IDC_URL_ZDROJE);
    Dialog::PriOk();
}

} // namespace Vrbatec
