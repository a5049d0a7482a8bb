#include "sources/NabidkaZdroju.h"

#include "res/resource.h"

namespace Vrbatec {

namespace {

constexpr wchar_t kTextPolozky[] = L"Zdroj vysílání";

void VlozitZdroj(HMENU nabidka, const Zdroj& zdroj, UINT index, bool prehravany) {
    MENUITEMINFOW polozka{};
    polozka.cbSize = sizeof(polozka);
    polozka.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
    polozka.fType = MFT_RADIOCHECK;
    polozka.fState = prehravany ? MFS_CHECKED : MFS_UNCHECKED;
    polozka.wID = kPrvniPrikazZdroje + index;
    polozka.dwTypeData = const_cast<wchar_t*>(zdroj.nazev.c_str());
    OveritVolani(::InsertMenuItemW(nabidka, 0, TRUE, &polozka) != FALSE);
}

} // namespace

NabidkaZdroju::NabidkaZdroju(HMENU popup, const SeznamZdroju& seznam, int prehravanyIndex,
                             bool zobrazitZdroje)
    : popup_(popup), podnabidka_(Sestavit(seznam, prehravanyIndex)) {
    PripravitPolozku(zobrazitZdroje);
}

NabidkaZdroju::~NabidkaZdroju() {
    if (!pripojena_) {
        return;
    }
    if (::IsMenu(popup_)) {
        MENUITEMINFOW odpojeni{};
        odpojeni.cbSize = sizeof(odpojeni);
        odpojeni.fMask = MIIM_SUBMENU;
        ::SetMenuItemInfoW(popup_, ID_ZDROJE_VYSILANI, FALSE, &odpojeni);
    } else {
        // The popup was destroyed first and took the submenu with it.
        podnabidka_.Odevzdat();
    }
}

WinApi::UniqueMenu NabidkaZdroju::Sestavit(const SeznamZdroju& seznam, int prehravanyIndex) {
    WinApi::UniqueMenu nabidka;
    // Inserting each at the top while walking backwards leaves them in list order.
    for (UINT index = seznam.Pocet(); index-- > 0;) {
        const Zdroj& zdroj = seznam.Vse()[index];
        if (!zdroj.menu) {
            continue;
        }
        if (!nabidka) {
            nabidka.Reset(::CreatePopupMenu());
            OveritVolani(static_cast<bool>(nabidka));
        }
        VlozitZdroj(nabidka.Get(), zdroj, index, static_cast<int>(index) == prehravanyIndex);
    }
    return nabidka;
}

void NabidkaZdroju::PripravitPolozku(bool zobrazitZdroje) {
    const bool pripojit = podnabidka_ && zobrazitZdroje;
    MENUITEMINFOW polozka{};
    polozka.cbSize = sizeof(polozka);
    polozka.fMask = MIIM_STRING | MIIM_STATE | MIIM_SUBMENU;
    polozka.dwTypeData = const_cast<wchar_t*>(kTextPolozky);
    polozka.fState = pripojit ? MFS_ENABLED : MFS_DISABLED | MFS_GRAYED;
    polozka.hSubMenu = pripojit ? podnabidka_.Get() : nullptr;
    // Cosmetic: a popup without the item still works, and the submenu then stays ours alone.
    pripojena_ = ::SetMenuItemInfoW(popup_, ID_ZDROJE_VYSILANI, FALSE, &polozka) && pripojit;
}

} // namespace Vrbatec
