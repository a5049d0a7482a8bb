#include "sources/ListViewSeznamZdroju.h"

#include <string_view>

#include "winapi/Diagnostika.h"
#include "res/resource.h"
#include "sources/PravidlaVyberu.h"
#include "winapi/OdrazeniZprav.h"

namespace Vrbatec {

namespace {

constexpr wchar_t kTrida[] = L"LVSeznamZdroju";
constexpr int kSirkaNazvu = 180;
constexpr int kSirkaUrl = 380;
constexpr int kProcentNazvu = 30;
constexpr UINT kOdrazeneOznameni = WM_NOTIFY + WinApi::kZakladOdrazeni;

// Case-insensitive, as typing a name in the list has always been.
bool ZacinaNa(std::wstring_view text, std::wstring_view zacatek) {
    return zacatek.size() <= text.size() &&
           ::CompareStringOrdinal(text.data(), static_cast<int>(zacatek.size()), zacatek.data(),
                                  static_cast<int>(zacatek.size()), TRUE) == CSTR_EQUAL;
}

bool StejnyText(std::wstring_view a, std::wstring_view b) {
    return ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                  static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

} // namespace

ListViewSeznamZdroju::~ListViewSeznamZdroju() {
    // The last messages of the window still ask for texts, which this object answers.
    if (VytvorenoObjektem() && ::IsWindow(Hwnd()) && !::DestroyWindow(Hwnd())) {
        FatalniPosledniChyba();
    }
}

void ListViewSeznamZdroju::Vytvorit(HINSTANCE instance, HWND rodic) {
    RECT klient{};
    OveritVolani(::GetClientRect(rodic, &klient) != FALSE);
    VytvoritSeznam(instance, kTrida, rodic, IDC_SEZNAM_ZDROJU, klient,
                   LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA);
    PridatSloupec(L"Název", kSirkaNazvu);
    PridatSloupec(L"URL", kSirkaUrl);
    PrizpusobitSloupce();
    ::ShowWindow(Hwnd(), SW_SHOW);
}

void ListViewSeznamZdroju::PrizpusobitSloupce() {
    RECT klient{};
    ::GetClientRect(PlatneOkno(), &klient);
    NastavitSirkuSloupce(PravidlaVyberu::kSloupecNazev, klient.right * kProcentNazvu / 100);
    NastavitSirkuSloupce(PravidlaVyberu::kSloupecUrl, LVSCW_AUTOSIZE_USEHEADER);
}

void ListViewSeznamZdroju::NastavitPocetRadku(std::uint32_t pocet) {
    if (!::SendMessageW(PlatneOkno(), LVM_SETITEMCOUNT, pocet, 0)) {
        FatalniPosledniChyba();
    }
}

bool ListViewSeznamZdroju::ZpracovatZpravu(HWND, UINT zprava, WPARAM, LPARAM lParam,
                                           LRESULT& vysledek) {
    if (zprava == kOdrazeneOznameni && lParam != 0) {
        return PriOdrazenemOznameni(*reinterpret_cast<NMHDR*>(lParam), vysledek);
    }
    return false;
}

bool ListViewSeznamZdroju::PriOdrazenemOznameni(NMHDR& oznameni, LRESULT& vysledek) const {
    switch (oznameni.code) {
    case LVN_GETDISPINFOW:
        DodatText(reinterpret_cast<NMLVDISPINFOW&>(oznameni));
        vysledek = 0;
        return true;
    case LVN_ODFINDITEMW:
        vysledek = NajitPodleNazvu(reinterpret_cast<const NMLVFINDITEMW&>(oznameni));
        return true;
    default:
        return false;
    }
}

void ListViewSeznamZdroju::DodatText(NMLVDISPINFOW& dotaz) const {
    LVITEMW& polozka = dotaz.item;
    if ((polozka.mask & LVIF_TEXT) != 0) {
        PravidlaVyberu::KopirovatDoBufferu(
            PravidlaVyberu::TextBunky(seznam_, polozka.iItem, polozka.iSubItem), polozka.pszText,
            polozka.cchTextMax);
    }
}

int ListViewSeznamZdroju::NajitPodleNazvu(const NMLVFINDITEMW& dotaz) const {
    const LVFINDINFOW& hledani = dotaz.lvfi;
    if ((hledani.flags & (LVFI_STRING | LVFI_PARTIAL)) == 0 || hledani.psz == nullptr) {
        return -1;
    }
    const std::wstring_view hledany(hledani.psz);
    const bool castecne = (hledani.flags & LVFI_PARTIAL) != 0;
    const auto& zdroje = seznam_.Vse();
    return PravidlaVyberu::NajitOd(seznam_.Pocet(), dotaz.iStart, (hledani.flags & LVFI_WRAP) != 0,
                                   [&](std::size_t i) {
                                       return castecne ? ZacinaNa(zdroje[i].nazev, hledany)
                                                       : StejnyText(zdroje[i].nazev, hledany);
                                   });
}

} // namespace Vrbatec
