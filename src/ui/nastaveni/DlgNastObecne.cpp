#include "ui/nastaveni/DlgNastObecne.h"

#include "res/resource.h"
#include "ui/ObrazkovyPruh.h"
#include "ui/nastaveni/KomboVoleb.h"
#include "ui/nastaveni/PravidlaStranek.h"
#include "winapi/OknoImpl.h"

namespace Vrbatec::Ui {

namespace {

void Zaskrtnout(HWND dialog, int id, bool zaskrtnuto) {
    ::CheckDlgButton(dialog, id, zaskrtnuto ? BST_CHECKED : BST_UNCHECKED);
}

bool Zaskrtnuto(HWND dialog, int id) {
    return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

} // namespace

DlgNastObecne::DlgNastObecne(KontextStranek& kontext)
    : StrankaZeSablony(kontext, IDD_NAST_OBECNE) {}

DlgNastObecne::~DlgNastObecne() {
    Zrusit();
}

bool DlgNastObecne::PriInicializaci() {
    HWND okno = Hwnd();
    const Nastaveni& kopie = kontext_.kopie;
    soubor_.PripojitEdit(::GetDlgItem(okno, IDC_SOUBOR_ZDROJU), kopie.soubor.c_str(),
                         kontext_.malyPruh.Seznam(), kObrazekProchazeni);
    Zaskrtnout(okno, IDC_ULOZIT_POSLEDNI, kopie.ulozitPosledni);
    Zaskrtnout(okno, IDC_PRUH_ULOH, kopie.pruhUloh);
    Zaskrtnout(okno, IDC_ZDROJE_V_NABIDCE, kopie.zdrojePopupMenu);
    NaplnitKomboVoleb(ikona_, okno, IDC_REZIM_IKONY, PravidlaStranek::RezimyIkony(), kopie.ikona);
    NaplnitKomboVoleb(priorita_, okno, IDC_PRIORITA, PravidlaStranek::PriorityProcesu(),
                      kopie.processPriority);
    return false;
}

bool DlgNastObecne::PriPrikazu(WORD id, WORD kod, HWND) {
    switch (id) {
    case IDC_REZIM_IKONY:
    case IDC_PRIORITA:
        if (kod != CBN_SELCHANGE) {
            return false;
        }
        break;
    case IDC_SOUBOR_ZDROJU:
        if (kod != EN_CHANGE) {
            return false;
        }
        break;
    case IDC_ULOZIT_POSLEDNI:
    case IDC_PRUH_ULOH:
    case IDC_ZDROJE_V_NABIDCE:
        if (kod != BN_CLICKED) {
            return false;
        }
        break;
    default:
        return false;
    }
    OznamitZmenu();
    return true;
}

bool DlgNastObecne::PriPouziti() {
    HWND okno = Hwnd();
    Nastaveni& kopie = kontext_.kopie;
    kopie.processPriority = VybranaVolba(priorita_);
    // The file need not exist yet: the list is then empty and is written there later.
    kopie.soubor = WinApi::TextOkna(soubor_.Hwnd());
    kopie.ikona = VybranaVolba(ikona_);
    kopie.pruhUloh = Zaskrtnuto(okno, IDC_PRUH_ULOH);
    kopie.ulozitPosledni = Zaskrtnuto(okno, IDC_ULOZIT_POSLEDNI);
    kopie.zdrojePopupMenu = Zaskrtnuto(okno, IDC_ZDROJE_V_NABIDCE);
    return true;
}

} // namespace Vrbatec::Ui
