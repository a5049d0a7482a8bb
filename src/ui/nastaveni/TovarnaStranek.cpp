#include <memory>

#include "ui/nastaveni/DlgNastHorkeKlavesy.h"
#include "ui/nastaveni/DlgNastIkonaHlavni.h"
#include "ui/nastaveni/DlgNastObecne.h"
#include "ui/nastaveni/DlgNastPoSpusteni.h"
#include "ui/nastaveni/DlgNastPrehravac.h"
#include "ui/nastaveni/DlgNastZaznam.h"
#include "ui/nastaveni/DlgNastaveni.h"
#include "ui/nastaveni/PravidlaDialoguNastaveni.h"

namespace Vrbatec::Ui {

std::unique_ptr<WinApi::StrankaNastaveni> VytvoritStrankuNastaveni(int id,
                                                                   KontextStranek& kontext) {
    namespace Pravidla = PravidlaDialoguNastaveni;
    switch (id) {
    case Pravidla::kObecne:
        return std::make_unique<DlgNastObecne>(kontext);
    case Pravidla::kHorkeKlavesy:
        return std::make_unique<DlgNastHorkeKlavesy>(kontext);
    case Pravidla::kIkona:
        return std::make_unique<DlgNastIkonaHlavni>(kontext);
    case Pravidla::kPoSpusteni:
        return std::make_unique<DlgNastPoSpusteni>(kontext);
    case Pravidla::kPrehravac:
        return std::make_unique<DlgNastPrehravac>(kontext);
    case Pravidla::kZaznam:
        return std::make_unique<DlgNastZaznam>(kontext);
    default:
        return nullptr;
    }
}

} // namespace Vrbatec::Ui
