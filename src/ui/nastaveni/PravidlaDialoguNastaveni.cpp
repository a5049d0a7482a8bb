#include "ui/nastaveni/PravidlaDialoguNastaveni.h"

namespace Vrbatec::Ui::PravidlaDialoguNastaveni {

std::size_t IndexStranky(int id) {
    for (std::size_t i = 0; i < kStranky.size(); ++i) {
        if (kStranky[i].id == id) {
            return i;
        }
    }
    return kStranky.size();
}

std::size_t StartovniStranka(long long parametr) {
    switch (parametr) {
    case kPrehravac:
    case kHorkeKlavesy:
    case kIkona:
    case kPoSpusteni:
        return IndexStranky(static_cast<int>(parametr));
    default:
        return IndexStranky(kObecne);
    }
}

void PrevzitUpravy(Nastaveni& cil, const Nastaveni& dialog) {
    // The general page.
    cil.soubor = dialog.soubor;
    cil.ulozitPosledni = dialog.ulozitPosledni;
    cil.ikona = dialog.ikona;
    cil.pruhUloh = dialog.pruhUloh;
    cil.zdrojePopupMenu = dialog.zdrojePopupMenu;
    cil.processPriority = dialog.processPriority;
    // The hotkey and icon pages.
    cil.horkeKlavesy = dialog.horkeKlavesy;
    cil.leve = dialog.leve;
    cil.ctrlLeve = dialog.ctrlLeve;
    cil.ctrlShiftLeve = dialog.ctrlShiftLeve;
    cil.shiftLeve = dialog.shiftLeve;
    cil.stredni = dialog.stredni;
    cil.zobrKlavesy = dialog.zobrKlavesy;
    // The after-start page.
    cil.skrytDoIkony = dialog.skrytDoIkony;
    cil.spustitPrijem = dialog.spustitPrijem;
    // The player page.
    cil.sekundBufferu = dialog.sekundBufferu;
    cil.hlasitost = dialog.hlasitost;
    cil.krokZmenyHlasitosti = dialog.krokZmenyHlasitosti;
    cil.prehravacStreamu = dialog.prehravacStreamu;
    // The recording page.
    cil.friendlyName = dialog.friendlyName;
    cil.popisZarizeni = dialog.popisZarizeni;
    cil.devicePath = dialog.devicePath;
    cil.slozka = dialog.slozka;
    cil.profil = dialog.profil;
    cil.priSpusteni = dialog.priSpusteni;
}

} // namespace Vrbatec::Ui::PravidlaDialoguNastaveni
