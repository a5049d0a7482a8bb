// The offered profiles against their identifiers as text, and what an identifier records into.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "config/Nastaveni.h"
#include "recording/ProfilyZaznamu.h"

namespace pz = Vrbatec::ProfilyZaznamu;
using Vrbatec::Guid;

namespace {

// A Guid written as "{7EA3126D-E1BA-4716-89AF-F65CEE0C0C67}".
std::string Text(const Guid& g) {
    const auto& d = g.data4;
    char text[39];
    std::snprintf(text, sizeof(text), "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  unsigned{g.data1}, unsigned{g.data2}, unsigned{g.data3}, unsigned{d[0]},
                  unsigned{d[1]}, unsigned{d[2]}, unsigned{d[3]}, unsigned{d[4]}, unsigned{d[5]},
                  unsigned{d[6]}, unsigned{d[7]});
    return text;
}

const char* const kPoradi[] = {
    "{7EA3126D-E1BA-4716-89AF-F65CEE0C0C67}", "{7E4CAB5C-35DC-45BB-A7C0-19B28070D0CC}",
    "{60907F9F-B352-47E5-B210-0EF1F47E9F9D}", "{5EE06BE5-492B-480A-8A8F-12F373ECF9D4}",
    "{09BB5BC4-3176-457F-8DD6-3CD919123E2D}", "{1FC81930-61F2-436F-9D33-349F2A1C0F10}",
    "{407B9450-8BDC-4EE5-88B8-6F527BD941F2}", "{6A72ABE2-A8DD-465B-A3CA-CB02F44329DC}",
};

// Each offered profile is found by its identifier and records into the file of its kind.
TEST(ProfilyZaznamu, SevenWindowsMediaProfilesInOrderThenWav) {
    const auto nabizene = pz::Nabizene();
    ASSERT_EQ(nabizene.size(), std::size(kPoradi));
    for (std::size_t i = 0; i < nabizene.size(); ++i) {
        const bool wav = i == 7;
        EXPECT_EQ(Text(nabizene[i].id), kPoradi[i]);
        EXPECT_EQ(pz::Najit(nabizene[i].id), &nabizene[i]) << kPoradi[i];
        EXPECT_EQ(nabizene[i].zapisovac, wav ? pz::Zapisovac::Wav : pz::Zapisovac::WindowsMedia);
        EXPECT_EQ(pz::Pripona(nabizene[i].id), wav ? L".wav" : L".wma") << kPoradi[i];
    }
    EXPECT_EQ(nabizene[7].vlastniNazev, L"WAV (PCM, bez komprese)");
    EXPECT_EQ(pz::kProfilWav, nabizene[7].id);
    // The default of the settings is one of those offered.
    EXPECT_EQ(pz::Najit(Vrbatec::kVychoziProfil), &nabizene[6]);
}

TEST(ProfilyZaznamu, AnUnknownIdentifierRecordsIntoWindowsMedia) {
    // Differs from the WAV profile in its last byte only.
    Guid skoroWav = pz::kProfilWav;
    skoroWav.data4[7] ^= 1;
    for (const Guid& cizi : {skoroWav, Guid{}}) {
        EXPECT_EQ(pz::Najit(cizi), nullptr);
        EXPECT_EQ(pz::ZapisovacProfilu(cizi), pz::Zapisovac::WindowsMedia);
        EXPECT_EQ(pz::Pripona(cizi), L".wma");
    }
}

} // namespace
