#include "ui/nastaveni/DlgNastPoSpusteni.h"

#include <commctrl.h>

#include "res/resource.h"

namespace Vrbatec::Ui {

DlgNastPoSpusteni::DlgNastPoSpusteni(KontextStranek& kontext)
    : StrankaZeSablony(kontext, IDD_NAST_PO_SPUSTENI) {}

DlgNastPoSpusteni::~DlgNastPoSpusteni() {
    Zrusit();
}

bool DlgNastPoSpusteni::PriInicializaci() {
    akce_.PripojitSeznamZaskrtnuti(::GetDlgItem(Hwnd(), IDC_AKCE_PO_SPUSTENI));
    const Nastaveni& kopie = kontext_.kopie;
    akce_.Zaskrtnout(akce_.PridatPolozkuZTabulky(IDS_SKRYT_DO_IKONY), kopie.skrytDoIkony);
    akce_.Zaskrtnout(akce_.PridatPolozkuZTabulky(IDS_SPUSTIT_PRIJEM_PO_STARTU),
                     kopie.spustitPrijem);
    return false;
}

// Only a click counts as a change. A tick given with the space bar is not announced, yet the
// apply reads every tick as it stands.
bool DlgNastPoSpusteni::PriOznameni(const NMHDR& oznameni, LRESULT&) {
    if (oznameni.idFrom != IDC_AKCE_PO_SPUSTENI || oznameni.code != NM_CLICK) {
        return false;
    }
    OznamitZmenu();
    return true;
}

bool DlgNastPoSpusteni::PriPouziti() {
    Nastaveni& kopie = kontext_.kopie;
    kopie.skrytDoIkony = akce_.ZaskrtnutaPolozkaZTabulky(IDS_SKRYT_DO_IKONY);
    kopie.spustitPrijem = akce_.ZaskrtnutaPolozkaZTabulky(IDS_SPUSTIT_PRIJEM_PO_STARTU);
    return true;
}

} // namespace Vrbatec::Ui
