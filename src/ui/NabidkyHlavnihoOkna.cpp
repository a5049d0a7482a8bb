#include "ui/NabidkyHlavnihoOkna.h"

#include <uxtheme.h>

#include <cwchar>
#include <utility>

#include "winapi/IVrbatecModul.h"
#include "winapi/Diagnostika.h"
#include "res/resource.h"
#include "ui/ObrazkovyPruh.h"
#include "ui/PravidlaNabidek.h"
#include "ui/StavPrikazu.h"
#include "ui/StavovyRadek.h"
#include "ui/TextyNapovedy.h"

namespace Vrbatec::Ui::NabidkyHlavnihoOkna {

namespace {

constexpr UINT kPrvniPrikaz = 40001;
constexpr UINT kPosledniPrikaz = 49999;

// Item bitmaps and check marks share one column only with this style; without it the
// check marks of the view items stay visible next to pictures.
void ZrusitSpolecnySloupec(HMENU menu) {
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_STYLE;
    if (!::GetMenuInfo(menu, &info)) {
        return;
    }
    info.fMask = MIM_STYLE | MIM_APPLYTOSUBMENUS;
    info.dwStyle &= ~static_cast<DWORD>(MNS_CHECKORBMP);
    ::SetMenuInfo(menu, &info);
}

bool ObrazkyPovoleny(std::uint32_t verzeWindows) {
    return PravidlaNabidek::ObrazkyMenuPovoleny(verzeWindows, ::IsAppThemed() != FALSE);
}

void PripravitPanely(HMENU nabidka, const StavNabidky& stav) {
    StavPrikazu::ZaskrtnoutPanely(nabidka, stav.panely, stav.toolBar);
}

void PripravitSeznam(HMENU nabidka, const StavNabidky& stav) {
    std::wstring text(PravidlaNabidek::TextZtlumeni(stav.ztlumeno));
    MENUITEMINFOW polozka{};
    polozka.cbSize = sizeof(polozka);
    polozka.fMask = MIIM_STRING;
    polozka.dwTypeData = text.data();
    ::SetMenuItemInfoW(nabidka, ID_ZTLUMIT, FALSE, &polozka);
    if (stav.prehravanyIndex < 0) {
        for (const UINT prikaz : {ID_ZASTAVIT_PRIJEM, ID_VLASTNOSTI_ZDROJE}) {
            ::EnableMenuItem(nabidka, prikaz, MF_BYCOMMAND | MF_DISABLED | MF_GRAYED);
        }
    }
}

} // namespace

void PouzitObrazky(HMENU menu, const ObrazkovyPruh& malyPruh, std::uint32_t verzeWindows) {
    ZrusitSpolecnySloupec(menu);
    NastavitObrazky(menu, ObrazkyPovoleny(verzeWindows) ? &malyPruh : nullptr);
}

void NastavitObrazky(HMENU menu, const ObrazkovyPruh* malyPruh) {
    for (const PravidlaNabidek::ObrazekPrikazu& o : PravidlaNabidek::ObrazkyMenu()) {
        MENUITEMINFOW polozka{};
        polozka.cbSize = sizeof(polozka);
        polozka.fMask = MIIM_BITMAP;
        polozka.hbmpItem = malyPruh != nullptr ? malyPruh->BitmapaMenu(o.obrazek) : nullptr;
        // Commands that this menu does not offer are simply not found.
        ::SetMenuItemInfoW(menu, o.prikaz, FALSE, &polozka);
    }
}

PripravenaNabidka::PripravenaNabidka(WinApi::UniqueMenu zdroj) : zdroj_(std::move(zdroj)) {}

HMENU PripravenaNabidka::Nabidka() const {
    return ::GetSubMenu(zdroj_.Get(), 0);
}

PripravenaNabidka Pripravit(HINSTANCE instance, UINT idNabidky, const StavNabidky& stav,
                            const ObrazkovyPruh& malyPruh, std::uint32_t verzeWindows) {
    WinApi::UniqueMenu zdroj(::LoadMenuW(instance, MAKEINTRESOURCEW(idNabidky)));
    if (!zdroj) {
        FatalniPosledniChyba();
    }
    PripravenaNabidka pripravena(std::move(zdroj));
    const HMENU nabidka = pripravena.Nabidka();
    if (nabidka == nullptr) {
        FatalniHResult(HRESULT_FROM_WIN32(ERROR_RESOURCE_TYPE_NOT_FOUND));
    }
    switch (idNabidky) {
    case IDR_MENU_PANELY:
        PripravitPanely(nabidka, stav);
        break;
    case IDR_MENU_SEZNAM:
        PripravitSeznam(nabidka, stav);
        PouzitObrazky(nabidka, malyPruh, verzeWindows);
        break;
    default:
        PouzitObrazky(nabidka, malyPruh, verzeWindows);
        break;
    }
    return pripravena;
}

void Sledovat(PripravenaNabidka nabidka, HWND vlastnik) {
    POINT kurzor{};
    ::GetCursorPos(&kurzor);
    // Without the foreground the popup would not close when the user clicks elsewhere.
    ::SetForegroundWindow(vlastnik);
    if (!::TrackPopupMenu(nabidka.Nabidka(), TPM_RIGHTBUTTON, kurzor.x, kurzor.y, 0, vlastnik,
                          nullptr)) {
        FatalniPosledniChyba();
    }
    nabidka.Zrusit();
}

void Otevrit(UINT idNabidky, HWND vlastnik, const StavNabidky& stav, const ObrazkovyPruh& malyPruh,
             std::uint32_t verzeWindows) {
    Sledovat(Pripravit(ZverejnenyModul().Instance(), idNabidky, stav, malyPruh, verzeWindows),
             vlastnik);
}

void PriVyberuPolozky(WPARAM wParam, StavovyRadek& radek, const std::wstring& textPripraven) {
    if (!radek.Existuje()) {
        return;
    }
    // The closing of the menu comes as 0xFFFF, which includes MF_POPUP.
    const bool podnabidka = (HIWORD(wParam) & MF_POPUP) != 0;
    std::wstring zaznam;
    if (!podnabidka) {
        NacistRetezec(LOWORD(wParam), zaznam);
    }
    radek.NastavitText(TextyNapovedy::NapovedaMenu(podnabidka, zaznam, textPripraven));
}

bool PriTipuTlacitka(NMTTDISPINFOW& tip) {
    const UINT_PTR id = tip.hdr.idFrom;
    if (id < kPrvniPrikaz || id > kPosledniPrikaz) {
        return false;
    }
    std::wstring zaznam;
    NacistRetezec(static_cast<UINT>(id), zaznam);
    const std::wstring text =
        TextyNapovedy::TipTlacitka(zaznam, sizeof(tip.szText) / sizeof(tip.szText[0]));
    std::wmemcpy(tip.szText, text.c_str(), text.size() + 1);
    tip.lpszText = tip.szText;
    tip.hinst = nullptr;
    return true;
}

} // namespace Vrbatec::Ui::NabidkyHlavnihoOkna
