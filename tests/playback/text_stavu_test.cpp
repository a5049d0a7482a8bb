#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <stdexcept>

#include "playback/TextStavu.h"

namespace ts = Vrbatec::TextStavu;
using Vrbatec::SeznamZdroju;

namespace {

TEST(TextStavu, BitRateIsTheLeadingDigitsInWholeKilobits) {
    struct Pripad {
        const wchar_t* text;
        std::int32_t kilobitu;
    };
    for (const Pripad p : {Pripad{L"128000", 128}, Pripad{L"64999", 64}, Pripad{L"", 0},
                           Pripad{L"999", 0}, Pripad{L"1000", 1}, Pripad{L"0", 0},
                           Pripad{L"kbps", 0}, Pripad{L"320000 b/s", 320}, Pripad{L"96000.5", 96},
                           Pripad{L" 128000", 0}, Pripad{L"-128000", 0}, Pripad{L"+128000", 0}}) {
        EXPECT_EQ(ts::KilobituZaSekundu(p.text), p.kilobitu) << "\"" << p.text << "\"";
    }
}

TEST(TextStavu, AnEndlessNumberStopsAtTheLargestRateInsteadOfOverflowing) {
    EXPECT_EQ(ts::KilobituZaSekundu(L"99999999999999999999999999999999"), INT_MAX / 1000);
    EXPECT_EQ(ts::KilobituZaSekundu(L"2147483647"), INT_MAX / 1000);
    EXPECT_EQ(ts::KilobituZaSekundu(L"4294967296000"), INT_MAX / 1000);
}

TEST(TextStavu, TheOpenedAddressNamesThePlaybackElseTheSelectedSourceInsideTheList) {
    SeznamZdroju zdroje{[](std::int32_t) { throw std::logic_error("index outside the list"); }};
    EXPECT_EQ(ts::NazevPrehravanehoZdroje(L"", zdroje, 0), L"");
    EXPECT_EQ(ts::NazevPrehravanehoZdroje(L"C:\\hudba.mp3", zdroje, 0), L"C:\\hudba.mp3");

    zdroje.Pridat(L"Radiožurnál", L"http://a", false);
    zdroje.Pridat(L"Vltava", L"http://b", false);
    EXPECT_EQ(ts::NazevPrehravanehoZdroje(L"", zdroje, 1), L"Vltava");
    EXPECT_EQ(ts::NazevPrehravanehoZdroje(L"http://c", zdroje, 1), L"http://c");
    for (const std::int32_t mimo : {-1, 2, 3, INT_MIN, INT_MAX}) {
        EXPECT_EQ(ts::NazevPrehravanehoZdroje(L"", zdroje, mimo), L"") << mimo;
    }
}

TEST(TextStavu, NamesAreWrittenAsTheyAreEvenWithPercentSigns) {
    EXPECT_EQ(ts::TextDatovehoToku(128, L"Rádio %s %d"), L"Přehrávání - 128 kb/s - Rádio %s %d");
    EXPECT_EQ(ts::TextDatovehoToku(0, L""), L"Přehrávání - 0 kb/s - ");
    EXPECT_EQ(ts::TitulekPrehravani(L"100%d", L"Zvukolet"), L"100%d - Zvukolet");
    EXPECT_EQ(ts::TipIkonyPrehravani(L"Zvukolet", L"Vltava"), L"Zvukolet\nVltava");
}

TEST(TextStavu, OnlyStoppedAndReadyForgetWhatWasOpenedAndOnlyStoppedTheName) {
    for (std::int32_t stav = -2; stav <= 13; ++stav) {
        const ts::UcinekStavu ucinek = ts::PodleStavu(stav);
        EXPECT_EQ(ucinek.zapomenoutAdresu, stav == 1 || stav == 10) << stav;
        EXPECT_EQ(ucinek.zapomenoutNazev, stav == 1) << stav;
        EXPECT_EQ(ucinek.textDatovehoToku, stav == 3) << stav;
        const bool beze_zmeny = stav < 1 || stav > 11 || stav == 4 || stav == 5;
        EXPECT_EQ(!ucinek.text.has_value(), beze_zmeny) << stav;
    }
    EXPECT_FALSE(ts::PodleStavu(INT_MIN).text.has_value());
    EXPECT_FALSE(ts::PodleStavu(INT_MAX).text.has_value());
}

} // namespace
