// Guid bytes, short and long hotkey records, and how value names turn into commands. The exact
// hotkey layout is seen in the settings store's tests.
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "config/Guid.h"
#include "config/HorkaKlavesa.h"
#include "config/Nastaveni.h"
#include "config/NazevPrikazu.h"

namespace {

using namespace Vrbatec;
using Bajty = std::vector<std::uint8_t>;

TEST(Guid, DefaultProfileHasWindowsMemoryLayoutBothWays) {
    // {407B9450-8BDC-4EE5-88B8-6F527BD941F2} as a GUID lies in memory.
    const BajtyGuid bajty{0x50, 0x94, 0x7B, 0x40, 0xDC, 0x8B, 0xE5, 0x4E,
                          0x88, 0xB8, 0x6F, 0x52, 0x7B, 0xD9, 0x41, 0xF2};
    EXPECT_EQ(NaBajty(kVychoziProfil), bajty);
    EXPECT_EQ(GuidZBajtu(bajty), kVychoziProfil);
}

TEST(HorkaKlavesa, ShortDataLeavesTheMissingBytesZeroAndLongDataIsCut) {
    const ZabalenaHorkaKlavesa plne = Zabalit({0x01020304, 0x11121314, 0x21222324, 0x31323334});
    const auto prvnich = [&](std::size_t n) { return Bajty(plne.begin(), plne.begin() + n); };
    EXPECT_EQ(Rozbalit(Bajty{}), HorkaKlavesa{});
    // A field cut in the middle keeps its low bytes.
    EXPECT_EQ(Rozbalit(prvnich(6)), (HorkaKlavesa{0x01020304, 0x00001314, 0, 0}));
    Bajty dlouhe = prvnich(16);
    dlouhe.insert(dlouhe.end(), {0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(Rozbalit(dlouhe), Rozbalit(plne));
}

TEST(CisloZNazvu, ReadsLikeTheShellsStrToIntAndNamesReadBack) {
    const std::int32_t m = INT32_MIN;
    const std::pair<const wchar_t*, std::int32_t> pripady[] = {
        {L"40032x", 40032},
        {L"--5", 0},
        {L"2147483648", m},
        {L"4294967296", 0},
    };
    for (const auto& [nazev, cislo] : pripady) {
        EXPECT_EQ(CisloZNazvu(nazev), cislo) << testing::PrintToString(std::wstring(nazev));
    }
    EXPECT_EQ(NazevHodnotyPrikazu(0xFFFFFFFBu), L"-5");
    for (std::uint32_t prikaz : {40001u, 0x80000000u, 0xFFFFFFFFu}) {
        EXPECT_EQ(static_cast<std::uint32_t>(CisloZNazvu(NazevHodnotyPrikazu(prikaz))), prikaz);
    }
}

} // namespace
