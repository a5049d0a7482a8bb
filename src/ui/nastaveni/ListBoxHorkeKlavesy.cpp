#include "ui/nastaveni/ListBoxHorkeKlavesy.h"

#include <string>

#include "ui/TextyNapovedy.h"
#include "ui/nastaveni/PravidlaHorkychKlaves.h"
#include "winapi/Diagnostika.h"
#include "winapi/DiagnostikaText.h"
#include "winapi/Dpi.h"
#include "winapi/OdrazeniZprav.h"

namespace Vrbatec::Ui {

void VyplnitPolozku(const DRAWITEMSTRUCT& polozka) {
    const bool vybrana = (polozka.itemState & ODS_SELECTED) != 0;
    HDC dc = polozka.hDC;
    ::SetTextColor(dc, ::GetSysColor(vybrana ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    ::FillRect(dc, &polozka.rcItem, ::GetSysColorBrush(vybrana ? COLOR_HIGHLIGHT : COLOR_WINDOW));
}

void NakreslitTextPolozky(const DRAWITEMSTRUCT& polozka, int odsazeni, const std::wstring& text) {
    RECT oblast = polozka.rcItem;
    oblast.left += odsazeni;
    ::SetBkMode(polozka.hDC, TRANSPARENT);
    ::DrawTextW(polozka.hDC, text.c_str(), static_cast<int>(text.size()), &oblast,
                DT_SINGLELINE | DT_VCENTER);
}

void PridatTextTabulky(WinApi::SeznamovyPrvek& seznam, UINT idRetezce, LPARAM data) {
    std::wstring zaznamTabulky;
    NacistRetezec(idRetezce, zaznamTabulky);
    const HRESULT hr =
        seznam.PridatPolozku(TextyNapovedy::NapovedaMenu(false, zaznamTabulky, {}), data);
    if (FAILED(hr)) {
        FatalniHResult(hr);
    }
}

void ListBoxHorkeKlavesy::PripojitSeznam(HWND seznam, const TabulkaHorkychKlaves& tabulka,
                                         HIMAGELIST obrazky) {
    polozky_.Pripojit(seznam);
    tabulka_ = &tabulka;
    obrazky_ = obrazky;
    if (!Pripojit(seznam)) {
        FatalniPosledniChyba();
    }
}

void ListBoxHorkeKlavesy::Naplnit(std::uint32_t skupina) {
    polozky_.Vyprazdnit();
    const auto zaznamy = tabulka_->Zaznamy();
    for (const std::size_t i : PravidlaHorkychKlaves::ZaznamySkupiny(*tabulka_, skupina)) {
        PridatTextTabulky(polozky_, zaznamy[i].prikaz, static_cast<LPARAM>(i));
    }
    if (polozky_.Pocet() > 0) {
        polozky_.Vybrat(0);
    }
}

std::optional<std::size_t> ListBoxHorkeKlavesy::VybranyZaznam() const {
    const int vyber = polozky_.Vyber();
    return vyber < 0 ? std::nullopt : Zaznam(vyber);
}

std::optional<std::size_t> ListBoxHorkeKlavesy::Zaznam(int polozka) const {
    const LPARAM data = polozky_.DataPolozky(polozka);
    if (tabulka_ == nullptr || data < 0 || static_cast<std::size_t>(data) >= tabulka_->Pocet()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(data);
}

void ListBoxHorkeKlavesy::Prekreslit() const {
    ::RedrawWindow(PlatneOkno(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

bool ListBoxHorkeKlavesy::ZpracovatZpravu(HWND, UINT zprava, WPARAM, LPARAM lParam,
                                          LRESULT& vysledek) {
    switch (zprava) {
    case WinApi::kZakladOdrazeni + WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight =
            static_cast<UINT>(WinApi::PodleDpi(Hwnd(), kVyskaPolozky));
        vysledek = TRUE;
        return true;
    case WinApi::kZakladOdrazeni + WM_DRAWITEM:
        vysledek = TRUE;
        return Nakreslit(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    default:
        return false;
    }
}

bool ListBoxHorkeKlavesy::Nakreslit(const DRAWITEMSTRUCT& polozka) const {
    if (polozka.itemID == static_cast<UINT>(-1)) {
        return false;
    }
    const auto zaznam = Zaznam(static_cast<int>(polozka.itemID));
    if (!zaznam) {
        return false;
    }
    VyplnitPolozku(polozka);
    if (tabulka_->Zaznamy()[*zaznam].klavesa != 0) {
        const int vyska = polozka.rcItem.bottom - polozka.rcItem.top;
        ::ImageList_Draw(obrazky_, kZnacka, polozka.hDC, polozka.rcItem.left + 2,
                         polozka.rcItem.top + (vyska - kVelikostObrazku) / 2, ILD_TRANSPARENT);
    }
    NakreslitTextPolozky(
        polozka, WinApi::PodleDpi(Hwnd(), kOdsazeniTextu),
        DiagnostikaText::STeckouNaKonci(polozky_.TextPolozky(static_cast<int>(polozka.itemID))));
    return true;
}

} // namespace Vrbatec::Ui
