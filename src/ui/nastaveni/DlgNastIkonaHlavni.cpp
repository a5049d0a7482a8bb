#include "ui/nastaveni/DlgNastIkonaHlavni.h"

#include "res/resource.h"
#include "ui/nastaveni/FunkceIkony.h"
#include "ui/nastaveni/ListBoxHorkeKlavesy.h"
#include "winapi/Diagnostika.h"
#include "winapi/IVrbatecModul.h"

namespace Vrbatec::Ui {

DlgNastIkonaHlavni::DlgNastIkonaHlavni(KontextStranek& kontext)
    : StrankaNastaveni(IDD_NAST_IKONA), kontext_(kontext) {}

HWND DlgNastIkonaHlavni::VytvoritOkno(HWND ramec) {
    return VytvoritNemodalne(ZverejnenyModul().Instance(), MAKEINTRESOURCEW(IDD_NAST_IKONA), ramec);
}

bool DlgNastIkonaHlavni::PriInicializaci() {
    HWND okno = Hwnd();
    ::CheckDlgButton(okno, IDC_ZOBRAZIT_KLAVESY,
                     kontext_.kopie.zobrKlavesy ? BST_CHECKED : BST_UNCHECKED);
    udalosti_.Pripojit(::GetDlgItem(okno, IDC_UDALOST_MYSI));
    funkce_.Pripojit(::GetDlgItem(okno, IDC_FUNKCE_UDALOSTI));
    if (::SendMessageW(funkce_.Hwnd(), CB_SETDROPPEDWIDTH, kSirkaRozbaleniFunkci, 0) == CB_ERR) {
        FatalniHResult(E_FAIL);
    }
    for (const std::uint32_t prikaz : FunkceIkony::kPrikazy) {
        PridatTextTabulky(funkce_, prikaz, prikaz);
    }
    for (std::size_t i = 0; i < FunkceIkony::kUdalosti.size(); ++i) {
        PridatTextTabulky(udalosti_, FunkceIkony::kUdalosti[i].idTextu, static_cast<LPARAM>(i));
    }
    udalosti_.Vybrat(0);
    ZobrazitFunkci();
    // The focus stays where the frame has it: the page only appears beside the page list.
    return false;
}

bool DlgNastIkonaHlavni::PriPrikazu(WORD id, WORD kod, HWND) {
    switch (id) {
    case IDC_UDALOST_MYSI:
        if (kod == CBN_SELCHANGE) {
            ZobrazitFunkci();
        }
        return true;
    case IDC_FUNKCE_UDALOSTI:
        if (kod == CBN_SELCHANGE) {
            VybratFunkci();
        }
        return true;
    case IDC_ZOBRAZIT_KLAVESY:
        if (kod == BN_CLICKED) {
            OznamitZmenu();
        }
        return true;
    default:
        return false;
    }
}

bool DlgNastIkonaHlavni::PriPouziti() {
    kontext_.kopie.zobrKlavesy = ::IsDlgButtonChecked(Hwnd(), IDC_ZOBRAZIT_KLAVESY) == BST_CHECKED;
    return true;
}

std::uint32_t* DlgNastIkonaHlavni::PrikazUdalosti() const {
    const int vyber = udalosti_.Vyber();
    if (vyber < 0) {
        return nullptr;
    }
    const auto udalost = static_cast<std::size_t>(udalosti_.DataPolozky(vyber));
    if (udalost >= FunkceIkony::kUdalosti.size()) {
        return nullptr;
    }
    return &(kontext_.kopie.*FunkceIkony::kUdalosti[udalost].prikaz);
}

void DlgNastIkonaHlavni::ZobrazitFunkci() {
    const std::uint32_t* prikaz = PrikazUdalosti();
    if (prikaz == nullptr) {
        return;
    }
    // The items are in the order of the offered commands.
    funkce_.Vybrat(FunkceIkony::IndexPrikazu(*prikaz));
}

void DlgNastIkonaHlavni::VybratFunkci() {
    std::uint32_t* prikaz = PrikazUdalosti();
    const int vyber = funkce_.Vyber();
    if (prikaz == nullptr || vyber < 0) {
        return;
    }
    *prikaz = static_cast<std::uint32_t>(funkce_.DataPolozky(vyber));
    OznamitZmenu();
}

} // namespace Vrbatec::Ui
