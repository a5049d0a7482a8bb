#include "sources/DlgVstupUrl.h"

#include "app/Aplikace.h"
#include "app/VzorTextu.h"
#include "res/resource.h"
#include "winapi/OdrazitOznameni.h"

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
    return SpustitModalne(AplikaceInstance().Instance(), MAKEINTRESOURCEW(IDD_VSTUP_URL), vlastnik);
}

bool DlgVstupUrl::PriInicializaci() {
    const Aplikace& aplikace = AplikaceInstance();
    NastavitIkony(aplikace.IkonaVelka(), aplikace.IkonaMala());
    NastavitTitulek(VzorTextu::Dosadit(L"%s - Otevřít URL/soubor", {aplikace.NazevProduktu()}));
    edit_.PripojitEdit(::GetDlgItem(Hwnd(), IDC_URL_ZDROJE), url.c_str(), malyPruh_,
                       kObrazekProchazeni);
    return true;
}

void DlgVstupUrl::PriOk() {
    url = TextPrvku(Hwnd(), IDC_URL_ZDROJE);
    Dialog::PriOk();
}

} // namespace Vrbatec
