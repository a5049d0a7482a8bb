// The fixed choices of the settings pages: which item a stored value opens with, including
// values that no item has.
#include "ui/nastaveni/PravidlaStranek.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <span>

namespace Vrbatec::Ui {
namespace {

namespace ps = PravidlaStranek;

struct Pripad {
    const char* nazev;
    std::span<const ps::Volba> (*volby)();
    std::uint32_t hodnota;
    std::size_t index;
};

TEST(PravidlaStranek, AStoredValueSelectsItsItemAndAnUnknownOneTheFirst) {
    const Pripad pripady[] = {
        {"icon always", ps::RezimyIkony, 2, 0},
        {"icon when minimised", ps::RezimyIkony, 1, 1},
        {"icon never", ps::RezimyIkony, 0, 2},
        {"icon mode 3", ps::RezimyIkony, 3, 0},
        {"icon mode -1", ps::RezimyIkony, 0xFFFFFFFF, 0},
        {"idle", ps::PriorityProcesu, 64, 0},
        {"below normal", ps::PriorityProcesu, 16384, 1},
        {"normal", ps::PriorityProcesu, 32, 2},
        {"above normal", ps::PriorityProcesu, 32768, 3},
        {"high", ps::PriorityProcesu, 128, 4},
        {"real time", ps::PriorityProcesu, 256, 5},
        {"no priority class", ps::PriorityProcesu, 0, 0},
        {"not a class", ps::PriorityProcesu, 33, 0},
        {"only while playing", ps::PravidlaSpusteniZaznamu, 2, 0},
        {"with playback", ps::PravidlaSpusteniZaznamu, 1, 1},
        {"always", ps::PravidlaSpusteniZaznamu, 0, 2},
        {"rule 3", ps::PravidlaSpusteniZaznamu, 3, 0},
        {"rule -1", ps::PravidlaSpusteniZaznamu, 0xFFFFFFFF, 0},
    };
    for (const Pripad& pripad : pripady) {
        SCOPED_TRACE(pripad.nazev);
        EXPECT_EQ(ps::IndexVolby(pripad.volby(), pripad.hodnota), pripad.index);
    }
}

// One value per item, or a stored value could not tell which item it means.
TEST(PravidlaStranek, EveryListHasDistinctValuesAndTexts) {
    for (const auto volby :
         {ps::RezimyIkony(), ps::PriorityProcesu(), ps::PravidlaSpusteniZaznamu()}) {
        std::set<std::uint32_t> hodnoty;
        std::set<std::wstring_view> texty;
        for (const ps::Volba& volba : volby) {
            EXPECT_TRUE(hodnoty.insert(volba.hodnota).second) << volba.hodnota;
            EXPECT_FALSE(volba.text.empty());
            EXPECT_TRUE(texty.insert(volba.text).second);
        }
    }
    EXPECT_EQ(ps::PriorityProcesu().size(), 6u);
    EXPECT_EQ(ps::PriorityProcesu()[0].text, L"Nízká");
    EXPECT_EQ(ps::PravidlaSpusteniZaznamu()[1].text,
              L"Automaticky spusit přehrávaní vybrané stanice a začít nahrávat");
}

} // namespace
} // namespace Vrbatec::Ui
