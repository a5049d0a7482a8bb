#include "ui/SoucastPrehravani.h"

#include "playback/Prehravani.h"
#include "res/resource.h"

namespace Vrbatec::Ui {

void SoucastPrehravani::VytvoritPrehravac() {
    prehravani_.VytvoritPrehravac();
}

void SoucastPrehravani::Odpojit() {
    prehravani_.ZrusitPrehravac();
}

bool SoucastPrehravani::ZpracovatZpravu(UINT zprava, WPARAM wParam, LPARAM, LRESULT& vysledek) {
    if (zprava == WM_COMMAND && PriPrikazu(LOWORD(wParam))) {
        vysledek = 0;
        return true;
    }
    return false;
}

void SoucastPrehravani::PriZmeneHlasitosti(int hlasitost) {
    prehravani_.NastavitHlasitostOvladanim(static_cast<std::uint32_t>(hlasitost));
}

void SoucastPrehravani::PriZmeneZtlumeni(bool ztlumit) {
    prehravani_.NastavitZtlumeniOvladanim(ztlumit);
}

bool SoucastPrehravani::PriPrikazu(UINT prikaz) {
    if (prikaz >= kPrvniZdrojNabidky && prikaz <= kPosledniZdrojNabidky) {
        // A number past the list is no source; nothing is said.
        prehravani_.PrehratZdroj(static_cast<int>(prikaz - kPrvniZdrojNabidky));
        return true;
    }
    switch (prikaz) {
    case ID_SPUSTIT_PRIJEM:
        prehravani_.Spustit();
        return true;
    case ID_ZASTAVIT_PRIJEM:
        prehravani_.Zastavit();
        return true;
    case ID_ZTLUMIT:
        prehravani_.PrepnoutZtlumeni();
        return true;
    case ID_ZVYSIT_HLASITOST:
        prehravani_.ZvysitHlasitost();
        return true;
    case ID_SNIZIT_HLASITOST:
        prehravani_.SnizitHlasitost();
        return true;
    default:
        return false;
    }
}

} // namespace Vrbatec::Ui
