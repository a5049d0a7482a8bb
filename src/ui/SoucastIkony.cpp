#include "ui/SoucastIkony.h"

#include <uxtheme.h>

#include <cstdint>
#include <utility>

#include "config/UlozisteNastaveni.h"
#include "playback/Prehravani.h"
#include "res/resource.h"
#include "sources/NabidkaZdroju.h"
#include "sources/UlozisteZdroju.h"
#include "ui/NabidkyHlavnihoOkna.h"
#include "ui/HorkeKlavesy.h"
#include "ui/ObrazkovyPruh.h"
#include "ui/PravidlaIkony.h"
#include "ui/PravidlaNabidek.h"
#include "ui/SluzbyAplikace.h"
#include "ui/StavPrikazu.h"
#include "winapi/Diagnostika.h"
#include "winapi/IVrbatecModul.h"

namespace Vrbatec::Ui {

namespace {

// Pictures of the menu's items that have no command: the sources item and the help submenu.
constexpr PravidlaNabidek::ObrazekPrikazu kObrazkyPozic[] = {{3, 5}, {13, 19}};

std::wstring TextPrikazu(std::uint32_t prikaz) {
    std::wstring text;
    // Every command that can have a hotkey has its hint in the string table.
    if (!NacistRetezec(prikaz, text)) {
        FatalniHResult(HRESULT_FROM_WIN32(ERROR_RESOURCE_NAME_NOT_FOUND));
    }
    return text;
}

void PouzitObrazkyPozic(HMENU nabidka, const ObrazkovyPruh& pruh, std::uint32_t verzeWindows) {
    if (!PravidlaNabidek::ObrazkyMenuPovoleny(verzeWindows, ::IsAppThemed() != FALSE)) {
        return;
    }
    for (const PravidlaNabidek::ObrazekPrikazu& o : kObrazkyPozic) {
        MENUITEMINFOW polozka{};
        polozka.cbSize = sizeof(polozka);
        polozka.fMask = MIIM_BITMAP;
        polozka.hbmpItem = pruh.BitmapaMenu(o.obrazek);
        ::SetMenuItemInfoW(nabidka, o.prikaz, TRUE, &polozka);
    }
}

} // namespace

SoucastIkony::SoucastIkony(SluzbyAplikace& aplikace, const Prehravani& prehravani,
                           PlatformaIkony& platforma) noexcept
    : aplikace_(aplikace), prehravani_(prehravani), platforma_(platforma), ikona_(platforma) {}

void SoucastIkony::Pripojit(HWND hlavniOkno) {
    okno_ = hlavniOkno;
    zpravaNovehoPanelu_ = ::RegisterWindowMessageW(L"TaskbarCreated");
    // A program running with higher rights than the shell would not hear it otherwise.
    ::ChangeWindowMessageFilterEx(okno_, zpravaNovehoPanelu_, MSGFLT_ALLOW, nullptr);
}

void SoucastIkony::Odpojit() {
    vlastniTip_.Zavrit();
    ikona_.Smazat();
    okno_ = nullptr;
}

void SoucastIkony::Obnovit(const StavProgramu& stav) {
    stav_ = stav;
}

bool SoucastIkony::ZpracovatZpravu(UINT zprava, WPARAM wParam, LPARAM lParam, LRESULT& vysledek) {
    if (zprava == WM_IKONA_OZNAMENI) {
        // The default procedure sees the events too.
        PriUdalosti(LOWORD(lParam), HIWORD(lParam));
        return false;
    }
    if (zprava == zpravaNovehoPanelu_ && zprava != 0) {
        // A shell that still refuses leaves the icon out until the next time it is asked for.
        ikona_.PridatZnovu();
        return false;
    }
    if (zprava == WM_COMMAND && LOWORD(wParam) == ID_PLOVOUCI_NABIDKA) {
        OtevritNabidku();
        vysledek = 0;
        return true;
    }
    return false;
}

void SoucastIkony::Zajistit() {
    if (Existuje() || okno_ == nullptr) {
        return;
    }
    if (FAILED(ikona_.Pridat(okno_, kIkonaHlavnihoOkna, NastaveniAplikace().zobrKlavesy))) {
        return;
    }
    if (!tip_.empty()) {
        ikona_.NastavitTip(tip_);
    }
}

void SoucastIkony::Smazat() {
    vlastniTip_.Zavrit();
    ikona_.Smazat();
}

void SoucastIkony::ZobrazitBublinu(const std::wstring& text, DWORD ikonaBubliny) {
    if (Existuje()) {
        ikona_.ZobrazitBublinu(text, ikonaBubliny);
    }
}

void SoucastIkony::NastavitTip(const std::wstring& tip) {
    tip_ = tip;
    if (Existuje()) {
        ikona_.NastavitTip(tip);
    }
}

void SoucastIkony::PriUdalosti(UINT udalost, UINT identifikator) {
    if (udalost == NIN_POPUPCLOSE) {
        vlastniTip_.Zavrit();
        return;
    }
    if (identifikator != kIkonaHlavnihoOkna) {
        return;
    }
    switch (udalost) {
    case WM_CONTEXTMENU:
        OtevritNabidku();
        break;
    case WM_LBUTTONUP:
        SpustitAkciLevehoTlacitka();
        break;
    case NIN_POPUPOPEN:
        if (!platforma_.KlavesaDrzena(VK_CONTROL) && !platforma_.KlavesaDrzena(VK_SHIFT) &&
            NastaveniAplikace().zobrKlavesy && !vlastniTip_.Otevreno()) {
            OtevritVlastniTip();
        }
        break;
    default:
        // The middle button and the double click have no action; the releases of a double
        // click still run the left button's.
        break;
    }
}

void SoucastIkony::SpustitAkciLevehoTlacitka() {
    const std::uint32_t prikaz =
        PravidlaIkony::AkceLevehoTlacitka(NastaveniAplikace(), platforma_.KlavesaDrzena(VK_CONTROL),
                                          platforma_.KlavesaDrzena(VK_SHIFT));
    ::PostMessageW(okno_, WM_COMMAND, prikaz, 0);
}

void SoucastIkony::OtevritVlastniTip() {
    vlastniTip_.Otevrit(PravidlaIkony::TextPrehleduKlaves(
        ZverejnenyModul().NazevAplikace(), NastaveniAplikace().horkeKlavesy.Zaznamy(),
        [](const HorkaKlavesa& k) {
            return TextHorkeKlavesy::Zformatovat(k.modifikatory, k.klavesa);
        },
        &TextPrikazu));
}

void SoucastIkony::OtevritNabidku() {
    StavProgramu stav = stav_;
    stav.prehravanyIndex = prehravani_.PrehravanyIndex();
    stav.ztlumeno = prehravani_.Ztlumeno();
    const ObrazkovyPruh& pruh = aplikace_.MalyPruh();
    auto pripravena = NabidkyHlavnihoOkna::Pripravit(ZverejnenyModul().Instance(), IDR_MENU_IKONA,
                                                     {}, pruh, aplikace_.VerzeWindows());
    const HMENU nabidka = pripravena.Nabidka();
    StavPrikazu::PouzitNaMenu(nabidka, stav, PravidlaPrikazu::Povrch::NabidkaIkony);
    PouzitObrazkyPozic(nabidka, pruh, aplikace_.VerzeWindows());
    // Outlives the popup, which takes the submenu down with it when it goes first.
    const NabidkaZdroju zdroje(nabidka, Zdroje(), stav.prehravanyIndex,
                               NastaveniAplikace().zdrojePopupMenu);
    NabidkyHlavnihoOkna::Sledovat(std::move(pripravena), okno_);
}

} // namespace Vrbatec::Ui
