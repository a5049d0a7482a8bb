// The order and the numbers of the capture device list, and which device a chosen record
// stands for.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "recording/PravidlaZarizeni.h"

using Vrbatec::ZarizeniZaznamu;

namespace {

// Records with the given names; each one's path says where it came from ("p0", "p1", ...).
std::vector<ZarizeniZaznamu> Zarizeni(const std::vector<std::wstring>& nazvy) {
    std::vector<ZarizeniZaznamu> seznam;
    for (const std::wstring& nazev : nazvy) {
        seznam.push_back({nazev, L"popis", L"p" + std::to_wstring(seznam.size())});
    }
    return seznam;
}

TEST(PravidlaZarizeni, SortedIgnoringCaseAndExactlyEqualNamesNumbered) {
    struct Pripad {
        std::vector<std::wstring> nazvy;
        std::vector<std::wstring> vysledek;
        std::vector<std::size_t> poradi;
    };
    const Pripad pripady[] = {
        {{L"Mikrofon", L"Mikrofon", L"Line"}, {L"Line", L"Mikrofon", L"Mikrofon #2"}, {2, 0, 1}},
        // Case-only differences sit side by side in the system's order, unnumbered; Č folds
        // to č, which sorts after the ASCII letters.
        {{L"Mikrofon", L"Čtečka", L"mikrofon", L"čtečka", L"Line"},
         {L"Line", L"Mikrofon", L"mikrofon", L"Čtečka", L"čtečka"},
         {4, 0, 2, 1, 3}},
        // A name that differs starts counting again.
        {{L"Mic", L"Line", L"Mic", L"Mic", L"Line"},
         {L"Line", L"Line #2", L"Mic", L"Mic #2", L"Mic #3"},
         {1, 4, 0, 2, 3}},
        {{}, {}, {}},
        {{L"Mikrofon"}, {L"Mikrofon"}, {0}},
    };
    for (const Pripad& p : pripady) {
        std::vector<ZarizeniZaznamu> seznam = Zarizeni(p.nazvy);
        const std::vector<std::size_t> poradi = Vrbatec::SeraditAOcislovat(seznam);
        ASSERT_EQ(poradi, p.poradi) << p.nazvy.size();
        ASSERT_EQ(seznam.size(), p.vysledek.size());
        for (std::size_t i = 0; i < seznam.size(); ++i) {
            EXPECT_EQ(seznam[i].nazev, p.vysledek[i]);
            EXPECT_EQ(seznam[i].cesta, L"p" + std::to_wstring(poradi[i])); // moved whole
        }
    }
}

TEST(PravidlaZarizeni, TheChosenRecordStandsForItsPathThenItsNameThenItsNumber) {
    const std::vector<ZarizeniZaznamu> vlastni = Zarizeni({L"Mikrofon", L"Line", L"Mikrofon"});
    struct Pripad {
        ZarizeniZaznamu zvolene;
        std::optional<std::size_t> zarizeni;
    };
    const Pripad pripady[] = {
        {{L"Line", L"", L"p2"}, 2},
        {{L"Line", L"", L"jinde"}, 1},
        {{L"mikrofon", L"", L""}, 0},
        {{L"Mikrofon #2", L"", L""}, 2},
        {{L"Mikrofon #3", L"", L""}, std::nullopt},
        {{L"Line #2", L"", L""}, std::nullopt},
    };
    for (const Pripad& p : pripady) {
        EXPECT_EQ(Vrbatec::VybratZarizeni(vlastni, p.zvolene), p.zarizeni)
            << std::string(p.zvolene.nazev.begin(), p.zvolene.nazev.end());
    }
}

} // namespace
