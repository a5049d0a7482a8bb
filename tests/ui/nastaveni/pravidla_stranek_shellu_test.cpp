// The rules of the hotkey and icon pages that need no window: the hotkey control's value and a
// record's combination, the refused combinations, the records of a group and the functions an
// icon event can show.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "res/resource.h"
#include "ui/nastaveni/FunkceIkony.h"
#include "ui/nastaveni/PravidlaHorkychKlaves.h"

namespace {

using namespace Vrbatec;
namespace phk = Ui::PravidlaHorkychKlaves;

// RegisterHotKey's bits on the record's side.
constexpr std::uint32_t kAlt = 1, kCtrl = 2, kShift = 4;

TEST(PravidlaHorkychKlaves, ControlValueAndRecordCombinationMapEachModifierToItsCounterpart) {
    const struct {
        std::uint32_t modifikatory;
        std::uint32_t klavesa;
        std::uint16_t hodnota;
    } pripady[] = {
        {0, 0, 0x0000},
        {0, 0x74, 0x0074},
        {kShift, 'A', 0x0141},
        {kCtrl, 'P', 0x0250},
        {kAlt, '5', 0x0435},
        {kCtrl | kShift, 'P', 0x0350},
        {kAlt | kCtrl | kShift, 0x0D, 0x070D},
    };
    for (const auto& p : pripady) {
        const HorkaKlavesa zaznam{.modifikatory = p.modifikatory, .klavesa = p.klavesa};
        EXPECT_EQ(phk::HodnotaOvladace(zaznam), p.hodnota) << p.modifikatory << " " << p.klavesa;
        EXPECT_EQ(phk::ZHodnotyOvladace(p.hodnota), (phk::Kombinace{p.modifikatory, p.klavesa}))
            << p.hodnota;
    }
}

TEST(PravidlaHorkychKlaves, ExtendedKeyFlagAndBitsAboveTheValueAreDropped) {
    EXPECT_EQ(phk::ZHodnotyOvladace(0x0A21), (phk::Kombinace{kCtrl, 0x21}));
    EXPECT_EQ(phk::ZHodnotyOvladace(0xFFFF0841), (phk::Kombinace{0, 0x41}));
    // The Windows-key bit of a record has no place in the control.
    EXPECT_EQ(phk::HodnotaOvladace({.modifikatory = kShift | 8, .klavesa = 'A'}), 0x0141);
}

TabulkaHorkychKlaves TabulkaSKlavesami() {
    TabulkaHorkychKlaves tabulka;
    tabulka.NastavitVychozi();
    tabulka.Zaznamy()[0].modifikatory = kCtrl | kAlt; // start playing: Ctrl + Alt + P
    tabulka.Zaznamy()[0].klavesa = 'P';
    tabulka.Zaznamy()[8].modifikatory = kShift; // exit: Shift + F12
    tabulka.Zaznamy()[8].klavesa = 0x7B;
    return tabulka;
}

TEST(PravidlaHorkychKlaves, CombinationOfAnyRecordIsTakenAndNoKeyNeverIs) {
    const TabulkaHorkychKlaves tabulka = TabulkaSKlavesami();
    const struct {
        phk::Kombinace kombinace;
        bool pouzita;
    } pripady[] = {
        {{kCtrl | kAlt, 'P'}, true},
        {{kShift, 0x7B}, true},
        {{kCtrl, 'P'}, false},        // same key, other modifiers
        {{kCtrl | kAlt, 'Q'}, false}, // same modifiers, other key
        {{0, 0x7B}, false},
        // The unbound records hold 0 + 0; clearing a hotkey is never a conflict.
        {{0, 0}, false},
        {{kCtrl | kAlt, 0}, false},
    };
    for (const auto& p : pripady) {
        EXPECT_EQ(phk::JePouzita(tabulka, p.kombinace), p.pouzita)
            << p.kombinace.modifikatory << " " << p.kombinace.klavesa;
    }
}

TEST(PravidlaHorkychKlaves, GroupListsItsRecordsInTableOrderAndZeroListsAll) {
    TabulkaHorkychKlaves tabulka;
    tabulka.NastavitVychozi();
    EXPECT_EQ(phk::ZaznamySkupiny(tabulka, 0),
              (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(phk::ZaznamySkupiny(tabulka, kSkupinaVseobecne), (std::vector<std::size_t>{7, 8, 9}));
    EXPECT_TRUE(phk::ZaznamySkupiny(tabulka, 12345).empty());

    // Records of one group need not stand together.
    TabulkaHorkychKlaves smisena;
    smisena.Pridat(ID_KONEC, kSkupinaVseobecne);
    smisena.Pridat(ID_ZTLUMIT, 0);
    smisena.Pridat(ID_NASTAVENI, kSkupinaVseobecne);
    EXPECT_EQ(phk::ZaznamySkupiny(smisena, kSkupinaVseobecne), (std::vector<std::size_t>{0, 2}));
    EXPECT_TRUE(phk::ZaznamySkupiny(TabulkaHorkychKlaves{}, 0).empty());
}

TEST(FunkceIkony, OfferedCommandsHaveTheirPlaceAndOthersNone) {
    const struct {
        std::uint32_t prikaz;
        int index;
    } pripady[] = {
        {ID_PLOVOUCI_NABIDKA, 0}, {ID_KONEC, 1}, {ID_SKRYT_OKNO, 5},
        {ID_OTEVRIT_URL, 11},     {0, -1},       {ID_UKONCIT_ZAZNAM, -1},
        {ID_ZDROJE_VYSILANI, -1},
    };
    for (const auto& p : pripady) {
        EXPECT_EQ(Ui::FunkceIkony::IndexPrikazu(p.prikaz), p.index) << p.prikaz;
    }
}

// Every event edits a setting of its own.
TEST(FunkceIkony, EachEventEditsItsOwnSetting) {
    Nastaveni nastaveni;
    std::uint32_t hodnota = 1;
    for (const auto& udalost : Ui::FunkceIkony::kUdalosti) {
        nastaveni.*udalost.prikaz = hodnota++;
    }
    EXPECT_EQ(
        (std::vector<std::uint32_t>{nastaveni.leve, nastaveni.ctrlLeve, nastaveni.ctrlShiftLeve,
                                    nastaveni.shiftLeve, nastaveni.stredni}),
        (std::vector<std::uint32_t>{1, 2, 3, 4, 5}));
}

} // namespace
