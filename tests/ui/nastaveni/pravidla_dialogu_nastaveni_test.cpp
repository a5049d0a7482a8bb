#include <gtest/gtest.h>

#include "ui/nastaveni/PravidlaDialoguNastaveni.h"

namespace Vrbatec::Ui::PravidlaDialoguNastaveni {
namespace {

TEST(PravidlaDialoguNastaveni, AStartParameterOpensItsPageOrTheGeneralOne) {
    const struct {
        long long parametr;
        int stranka;
    } pripady[] = {
        {0, kObecne},
        {kPrehravac, kPrehravac},
        {kHorkeKlavesy, kHorkeKlavesy},
        {kIkona, kIkona},
        {kPoSpusteni, kPoSpusteni},
        {kZaznam, kObecne},
        {kObecne, kObecne},
        {-1, kObecne},
        {0x1'0000'006BLL, kObecne},
    };
    for (const auto& pripad : pripady) {
        EXPECT_EQ(pripad.stranka, kStranky[StartovniStranka(pripad.parametr)].id)
            << pripad.parametr;
    }
    EXPECT_EQ(kStranky.size(), IndexStranky(106));
}

TEST(PravidlaDialoguNastaveni, ApplyTakesTheDialogsFieldsAndKeepsWhatChangedOutsideIt) {
    Nastaveni zive;
    zive.toolBar = kPanelVelkeIkony;
    zive.ovladaciPanel = false;
    zive.prehravanyIndex = 7;
    zive.vlastniVzhled = false;

    Nastaveni dialog; // the copy taken when the dialog opened, then edited
    dialog.soubor = L"D:\\Rádia\\seznam.xml";
    dialog.processPriority = 64;
    dialog.stredni = 40001;
    dialog.spustitPrijem = true;
    dialog.krokZmenyHlasitosti = 9;
    dialog.prehravacStreamu = kStreamyOvladacem;
    dialog.slozka = L"D:\\Záznamy";
    dialog.priSpusteni = kZaznamVzdy;
    dialog.horkeKlavesy.NastavitVychozi();
    dialog.horkeKlavesy.Zaznamy().front().klavesa = 'R';

    Nastaveni ocekavane = dialog;
    ocekavane.toolBar = zive.toolBar;
    ocekavane.ovladaciPanel = zive.ovladaciPanel;
    ocekavane.prehravanyIndex = zive.prehravanyIndex;
    ocekavane.vlastniVzhled = zive.vlastniVzhled;

    PrevzitUpravy(zive, dialog);
    EXPECT_EQ(ocekavane, zive);
}

} // namespace
} // namespace Vrbatec::Ui::PravidlaDialoguNastaveni
