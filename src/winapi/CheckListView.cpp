#include "winapi/CheckListView.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "winapi/Diagnostika.h"
#include "winapi/Dpi.h"

namespace Vrbatec::WinApi {

namespace {

constexpr UINT kBezZaskrtnuti = 1;
constexpr UINT kZaskrtnuto = 2;

constexpr UINT MaskaObrazkuStavu(UINT obrazek) {
    return obrazek << 12;
}

} // namespace

void CheckListView::PripojitSeznamZaskrtnuti(HWND okno) {
    PripojitSeznam(okno);
    ::SendMessageW(okno, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
    // On a denser screen, or in a wider list, the column takes the room the texts need.
    RECT klient{};
    ::GetClientRect(okno, &klient);
    PridatSloupec(L"", std::max(PodleDpi(okno, kSirkaSloupce), static_cast<int>(klient.right)));
}

int CheckListView::PridatPolozkuZTabulky(UINT idRetezce) {
    std::wstring text;
    if (!NacistRetezec(idRetezce, text)) {
        FatalniHResult(HRESULT_FROM_WIN32(ERROR_RESOURCE_NAME_NOT_FOUND));
    }
    return VlozitPolozku(Pocet(), text.c_str(), static_cast<LPARAM>(idRetezce));
}

int CheckListView::NajitPolozku(LPARAM data) const {
    LVFINDINFOW hledani{};
    hledani.flags = LVFI_PARAM;
    hledani.lParam = data;
    return static_cast<int>(::SendMessageW(PlatneOkno(), LVM_FINDITEMW, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(&hledani)));
}

bool CheckListView::Zaskrtnuta(int polozka) const {
    const auto stav = static_cast<UINT>(::SendMessageW(
        PlatneOkno(), LVM_GETITEMSTATE, static_cast<WPARAM>(polozka), LVIS_STATEIMAGEMASK));
    return stav != MaskaObrazkuStavu(kBezZaskrtnuti);
}

void CheckListView::Zaskrtnout(int polozka, bool zaskrtnuta) {
    LVITEMW zmena{};
    zmena.stateMask = LVIS_STATEIMAGEMASK;
    zmena.state = MaskaObrazkuStavu(zaskrtnuta ? kZaskrtnuto : kBezZaskrtnuti);
    ::SendMessageW(PlatneOkno(), LVM_SETITEMSTATE, static_cast<WPARAM>(polozka),
                   reinterpret_cast<LPARAM>(&zmena));
}

bool CheckListView::ZaskrtnutaPolozkaZTabulky(UINT idRetezce) const {
    const int polozka = NajitPolozku(static_cast<LPARAM>(idRetezce));
    return polozka >= 0 && Zaskrtnuta(polozka);
}

bool CheckListView::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                                    LRESULT& vysledek) {
    if (zprava == WM_GETDLGCODE) {
        vysledek = DLGC_WANTALLKEYS;
        return true;
    }
    return ListViewSeznam::ZpracovatZpravu(okno, zprava, wParam, lParam, vysledek);
}

} // namespace Vrbatec::WinApi
