#include "ui/SoucastPanelu.h"

#include "config/UlozisteNastaveni.h"
#include "playback/DlgOvladaciPanel.h"
#include "sources/PohledyZdroju.h"
#include "ui/PanelyNastroju.h"
#include "ui/SluzbyAplikace.h"
#include "winapi/IVrbatecModul.h"

namespace Vrbatec::Ui {

void SoucastPanelu::Pripojit(HWND hlavniOkno) {
    okno_ = hlavniOkno;
    Sestavit(NastaveniAplikace().toolBar == kPanelVelkeIkony);
}

void SoucastPanelu::Odpojit() {
    pohledy_.OdpojitCombo();
    panely_.Zrusit();
    okno_ = nullptr;
}

void SoucastPanelu::Obnovit(const StavProgramu& stav) {
    panely_.PouzitStav(stav);
}

void SoucastPanelu::Sestavit(bool velkeIkony) {
    const Nastaveni& nastaveni = NastaveniAplikace();
    pohledy_.OdpojitCombo();
    panely_.Sestavit(okno_, ZverejnenyModul().Instance(),
                     velkeIkony ? aplikace_.VelkyPruh() : aplikace_.MalyPruh(), velkeIkony,
                     {nastaveni.toolBarHlavni, nastaveni.ovladaciPanel, nastaveni.cbSeznamZdroju});
    pohledy_.PripojitCombo(panely_.Combo());
    if (DlgOvladaciPanel* panel = panely_.OvladaciPanel()) {
        panel->NastavitOvladani(&hlasitost_);
    }
}

} // namespace Vrbatec::Ui
