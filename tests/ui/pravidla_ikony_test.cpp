// The notification icon's rules without a window: texts cut to the shell's fields, the left
// click's command by the keys held, and the hotkey overview of the icon's own tooltip.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "config/Nastaveni.h"
#include "res/resource.h"
#include "ui/PravidlaIkony.h"

namespace pi = Vrbatec::Ui::PravidlaIkony;

namespace {

// A character outside the basic plane, as the shell's UTF-16 fields hold it.
const std::wstring kPar{static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDCFB)};

TEST(PravidlaIkony, TextsFitTheirFieldWithTheZeroAndNeverSplitAPair) {
    const struct {
        std::wstring text;
        std::size_t pole;
        std::wstring cekano;
    } pripady[] = {
        {std::wstring(127, L'a'), pi::kPoleTipu, std::wstring(127, L'a')},
        {std::wstring(128, L'a'), pi::kPoleTipu, std::wstring(126, L'a') + L"…"},
        {std::wstring(255, L'b'), pi::kPoleBubliny, std::wstring(255, L'b')},
        {std::wstring(300, L'b'), pi::kPoleBubliny, std::wstring(254, L'b') + L"…"},
        {std::wstring(64, L'c'), pi::kPoleTitulkuBubliny, std::wstring(62, L'c') + L"…"},
        // The pair would straddle the cut: it goes whole.
        {std::wstring(125, L'd') + kPar + L"xyz", pi::kPoleTipu, std::wstring(125, L'd') + L"…"},
        // The pair ends just before the cut: it stays whole.
        {std::wstring(124, L'd') + kPar + L"xyz", pi::kPoleTipu,
         std::wstring(124, L'd') + kPar + L"…"},
        {L"", pi::kPoleTipu, L""},
        {L"abc", 1, L""},
    };
    for (const auto& p : pripady) {
        const std::wstring vysledek = pi::Oriznout(p.text, p.pole);
        EXPECT_EQ(vysledek, p.cekano) << p.text.size() << " into " << p.pole;
        EXPECT_LT(vysledek.size(), std::max<std::size_t>(p.pole, 1));
    }
}

TEST(PravidlaIkony, LeftClickTakesTheActionOfTheKeysHeld) {
    Vrbatec::Nastaveni nastaveni;
    nastaveni.leve = 1;
    nastaveni.ctrlLeve = 2;
    nastaveni.shiftLeve = 3;
    nastaveni.ctrlShiftLeve = 4;
    const struct {
        bool ctrl, shift;
        std::uint32_t cekano;
    } pripady[] = {{false, false, 1}, {true, false, 2}, {false, true, 3}, {true, true, 4}};
    for (const auto& p : pripady) {
        EXPECT_EQ(pi::AkceLevehoTlacitka(nastaveni, p.ctrl, p.shift), p.cekano)
            << p.ctrl << p.shift;
    }
}

std::wstring Prehled(const Vrbatec::TabulkaHorkychKlaves& tabulka) {
    return pi::TextPrehleduKlaves(
        L"Zvukolet", tabulka.Zaznamy(),
        [](const Vrbatec::HorkaKlavesa& k) {
            return L"K" + std::to_wstring(k.modifikatory) + L"+" + std::to_wstring(k.klavesa);
        },
        [](std::uint32_t prikaz) { return L"P" + std::to_wstring(prikaz); });
}

TEST(PravidlaIkony, OverviewCountsTheSetHotkeysAndListsThemInTableOrder) {
    Vrbatec::TabulkaHorkychKlaves tabulka;
    tabulka.NastavitVychozi();
    ASSERT_EQ(tabulka.Pocet(), 10u);
    EXPECT_EQ(Prehled(tabulka),
              L"** Zvukolet **\nAktivních klávesových zkratek: 0 (z celkem 10 možných)\n");

    // Set out of table order: the lines still follow the table.
    auto zaznamy = tabulka.Zaznamy();
    zaznamy[7].modifikatory = 2;
    zaznamy[7].klavesa = 'P';
    zaznamy[0].klavesa = 0x70;
    zaznamy[3].modifikatory = 5;
    zaznamy[3].klavesa = '5';
    const std::wstring text = Prehled(tabulka);
    EXPECT_EQ(text, L"** Zvukolet **\nAktivních klávesových zkratek: 3 (z celkem 10 možných)\n"
                    L"K0+112 - P" +
                        std::to_wstring(zaznamy[0].prikaz) + L"\n" + L"K5+53 - P" +
                        std::to_wstring(zaznamy[3].prikaz) + L"\n" + L"K2+80 - P" +
                        std::to_wstring(zaznamy[7].prikaz) + L"\n");
}

} // namespace
