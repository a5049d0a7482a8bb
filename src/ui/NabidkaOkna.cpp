#include "ui/NabidkaOkna.h"

#include <string>

#include "config/UlozisteNastaveni.h"
#include "res/resource.h"
#include "ui/NabidkyHlavnihoOkna.h"
#include "ui/PanelyNastroju.h"
#include "ui/SluzbyAplikace.h"
#include "ui/StavPrikazu.h"

namespace Vrbatec::Ui {

void NabidkaOkna::Pripojit(HWND hlavniOkno) {
    okno_ = hlavniOkno;
    menu_ = ::GetMenu(hlavniOkno);
}

void NabidkaOkna::Odpojit() {
    menu_ = nullptr;
    sObrazky_ = false;
    okno_ = nullptr;
}

void NabidkaOkna::Obnovit(const StavProgramu& stav) {
    if (menu_ == nullptr) {
        return;
    }
    StavPrikazu::PouzitNaMenu(menu_, stav);
    StavPrikazu::ZaskrtnoutPanely(menu_, &panely_, NastaveniAplikace().toolBar);
}

bool NabidkaOkna::ZpracovatZpravu(UINT zprava, WPARAM, LPARAM, LRESULT&) {
    if (menu_ == nullptr) {
        return false;
    }
    if (zprava == WM_INITMENU && !sObrazky_) {
        PouzitObrazky();
    } else if (zprava == WM_THEMECHANGED && sObrazky_) {
        PouzitObrazky();
        ::DrawMenuBar(okno_);
    }
    return false;
}

void NabidkaOkna::NastavitTextZtlumeni(bool ztlumeno) {
    if (menu_ == nullptr) {
        return;
    }
    std::wstring text = ztlumeno ? L"Zapnout zvuk" : L"Ztlumit zvuk";
    MENUITEMINFOW polozka{};
    polozka.cbSize = sizeof(polozka);
    polozka.fMask = MIIM_STRING;
    polozka.dwTypeData = text.data();
    // A menu text is cosmetic: a refusal leaves the old one.
    ::SetMenuItemInfoW(menu_, ID_ZTLUMIT, FALSE, &polozka);
}

void NabidkaOkna::PouzitObrazky() {
    sObrazky_ = true;
    NabidkyHlavnihoOkna::PouzitObrazky(menu_, aplikace_.MalyPruh(), aplikace_.VerzeWindows());
}

} // namespace Vrbatec::Ui
