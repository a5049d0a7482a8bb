#include "ui/PanelUloh.h"

#include <algorithm>

#include "ui/ObrazkovyPruh.h"
#include "ui/PravidlaIkony.h"
#include "ui/SluzbyAplikace.h"
#include "winapi/IVrbatecModul.h"

namespace Vrbatec::Ui {

PanelUloh::PanelUloh(const SluzbyAplikace& aplikace, std::unique_ptr<ShellPaneluUloh> shell)
    : aplikace_(aplikace), shell_(std::move(shell)) {}

void PanelUloh::Pripojit(HWND hlavniOkno) {
    okno_ = hlavniOkno;
    zpravaTlacitkaNaPanelu_ = ::RegisterWindowMessageW(L"TaskbarButtonCreated");
}

void PanelUloh::Odpojit() {
    NahraditSeznamSkoku(StavProgramu{.ukonceni = true});
    naPanelu_.reset();
    okno_ = nullptr;
}

void PanelUloh::Obnovit(const StavProgramu& stav) {
    ObsahPaneluUloh::Obnovit(tlacitka_, stav);
    if (naPanelu_ && *naPanelu_ != tlacitka_ && stav.oknoViditelne) {
        std::vector<THUMBBUTTON> tlacitka = TlacitkaShellu();
        shell_->AktualizovatTlacitka(okno_, tlacitka);
        naPanelu_ = tlacitka_;
    }
    NahraditSeznamSkoku(stav);
}

bool PanelUloh::ZpracovatZpravu(UINT zprava, WPARAM, LPARAM, LRESULT& vysledek) {
    if (zprava != zpravaTlacitkaNaPanelu_ || zprava == 0) {
        return false;
    }
    PridatTlacitka();
    vysledek = 0;
    return true;
}

void PanelUloh::PridatTlacitka() {
    // The records already hold the last refresh's states, so the buttons come in as they are.
    std::vector<THUMBBUTTON> tlacitka = TlacitkaShellu();
    shell_->PridatTlacitka(okno_, aplikace_.MalyPruh().Seznam(), tlacitka,
                           ZverejnenyModul().NazevAplikace());
    naPanelu_ = tlacitka_;
}

std::vector<THUMBBUTTON> PanelUloh::TlacitkaShellu() const {
    std::vector<THUMBBUTTON> tlacitka;
    for (const ObsahPaneluUloh::TlacitkoNahledu& zaznam : tlacitka_) {
        THUMBBUTTON tlacitko{};
        tlacitko.dwMask = THB_BITMAP | THB_TOOLTIP | THB_FLAGS;
        tlacitko.iId = zaznam.prikaz;
        tlacitko.iBitmap = static_cast<UINT>(zaznam.obrazek);
        const std::wstring tip = PravidlaIkony::Oriznout(zaznam.tip, ObsahPaneluUloh::kPoleTipu);
        std::copy(tip.begin(), tip.end(), tlacitko.szTip);
        int priznaky = zaznam.povoleno ? THBF_ENABLED : THBF_DISABLED;
        if (zaznam.zavritNahled) {
            priznaky |= THBF_DISMISSONCLICK;
        }
        tlacitko.dwFlags = static_cast<THUMBBUTTONFLAGS>(priznaky);
        tlacitka.push_back(tlacitko);
    }
    return tlacitka;
}

void PanelUloh::NahraditSeznamSkoku(const StavProgramu& stav) {
    std::vector<ObsahPaneluUloh::UlohaSkoku> ulohy = ObsahPaneluUloh::UlohySkoku(stav);
    if (seznamSkoku_ == ulohy) {
        return;
    }
    // A list the shell refuses is not asked for again until the tasks change.
    shell_->NahraditSeznamSkoku(ulohy);
    seznamSkoku_ = std::move(ulohy);
}

} // namespace Vrbatec::Ui
