// Guid and hotkey records as bytes, and how value names turn into commands.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "config/Guid.h"
#include "config/HorkaKlavesa.h"
#include "config/Nastaveni.h"
#include "config/NazevPrikazu.h"

namespace {

using namespace Vrbatec;
using Bajty = std::vector<std::uint8_t>;

template <class Pole>
Bajty Vektor(const Pole& pole) {
    return Bajty(pole.begin(), pole.end());
}

TEST(Guid, DefaultProfileHasWindowsMemoryLayout) {
    // {407B9450-8BDC-4EE5-88B8-6F527BD941F2} as a GUID lies in memory.
    const Bajty ocekavane{0x50, 0x94, 0x7B, 0x40, 0xDC, 0x8B, 0xE5, 0x4E,
                          0x88, 0xB8, 0x6F, 0x52, 0x7B, 0xD9, 0x41, 0xF2};
    EXPECT_EQ(Vektor(NaBajty(kVychoziProfil)), ocekavane);

    BajtyGuid bajty{};
    std::copy(ocekavane.begin(), ocekavane.end(), bajty.begin());
    EXPECT_EQ(GuidZBajtu(bajty), kVychoziProfil);
}

TEST(Guid, EveryByteSurvivesTheRoundTrip) {
    BajtyGuid bajty{};
    for (std::size_t i = 0; i < bajty.size(); ++i) {
        bajty[i] = static_cast<std::uint8_t>(0xF0 - 7 * i);
    }
    EXPECT_EQ(NaBajty(GuidZBajtu(bajty)), bajty);
}

TEST(HorkaKlavesa, PacksFourLittleEndianFieldsInOrder) {
    const HorkaKlavesa k{0x00000006, 0x00000051, 40006, kSkupinaVseobecne};
    const Bajty ocekavane{0x06, 0, 0, 0, 0x51, 0, 0, 0, 0x46, 0x9C, 0, 0, 0x24, 0x4E, 0, 0};
    EXPECT_EQ(Vektor(Zabalit(k)), ocekavane);
    EXPECT_EQ(Rozbalit(ocekavane), k);
}

TEST(HorkaKlavesa, HighBytesOfEveryFieldAreKept) {
    const HorkaKlavesa k{0x81828384, 0x91929394, 0xA1A2A3A4, 0xB1B2B3B4};
    const ZabalenaHorkaKlavesa bajty = Zabalit(k);
    EXPECT_EQ(bajty[3], 0x81);
    EXPECT_EQ(bajty[15], 0xB1);
    EXPECT_EQ(Rozbalit(bajty), k);
}

TEST(HorkaKlavesa, ShortDataLeavesTheMissingBytesZero) {
    const Bajty plne = Vektor(Zabalit({0x01020304, 0x11121314, 0x21222324, 0x31323334}));

    EXPECT_EQ(Rozbalit(Bajty{}), HorkaKlavesa{});
    EXPECT_EQ(Rozbalit(Bajty(plne.begin(), plne.begin() + 8)),
              (HorkaKlavesa{0x01020304, 0x11121314, 0, 0}));
    // A field cut in the middle keeps its low bytes.
    EXPECT_EQ(Rozbalit(Bajty(plne.begin(), plne.begin() + 6)),
              (HorkaKlavesa{0x01020304, 0x00001314, 0, 0}));
    EXPECT_EQ(Rozbalit(Bajty(plne.begin(), plne.begin() + 15)),
              (HorkaKlavesa{0x01020304, 0x11121314, 0x21222324, 0x00323334}));
}

TEST(HorkaKlavesa, BytesPastTheRecordAreIgnored) {
    Bajty dlouhe = Vektor(Zabalit({1, 2, 3, 4}));
    dlouhe.insert(dlouhe.end(), {0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(Rozbalit(dlouhe), (HorkaKlavesa{1, 2, 3, 4}));
}

struct PripadNazvu {
    const wchar_t* nazev;
    std::int32_t cislo;
};

TEST(CisloZNazvu, ReadsLikeTheShellsStrToInt) {
    const PripadNazvu pripady[] = {
        {L"40032", 40032},
        {L"0", 0},
        {L"007", 7},
        {L"-5", -5},
        {L"40032x", 40032},
        {L"12 34", 12},
        {L"abc", 0},
        {L"", 0},
        {L"-", 0},
        {L"-x5", 0},
        {L"--5", 0},
        {L" 5", 0}, // no leading space is skipped
        {L"+5", 0}, // nor a plus sign
        {L"2147483647", 2147483647},
        {L"-2147483648", INT32_MIN},
        {L"2147483648", INT32_MIN}, // only the low 32 bits remain
        {L"4294967295", -1},
        {L"4294967296", 0},
    };
    for (const PripadNazvu& p : pripady) {
        EXPECT_EQ(CisloZNazvu(p.nazev), p.cislo) << "case " << &p - pripady;
    }
}

TEST(NazevHodnotyPrikazu, IsSignedDecimalAndReadsBack) {
    EXPECT_EQ(NazevHodnotyPrikazu(40032), L"40032");
    EXPECT_EQ(NazevHodnotyPrikazu(0), L"0");
    EXPECT_EQ(NazevHodnotyPrikazu(0xFFFFFFFBu), L"-5");
    EXPECT_EQ(NazevHodnotyPrikazu(0x80000000u), L"-2147483648");
    for (std::uint32_t prikaz : {0u, 1u, 40001u, 51000u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
        EXPECT_EQ(static_cast<std::uint32_t>(CisloZNazvu(NazevHodnotyPrikazu(prikaz))), prikaz);
    }
}

} // namespace
