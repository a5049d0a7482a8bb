// The offered profiles against their identifiers as text, and what an identifier records into.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "config/Nastaveni.h"
#include "recording/ProfilyZaznamu.h"

namespace pz = Vrbatec::ProfilyZaznamu;
using Vrbatec::Guid;

namespace {

// "{7EA3126D-E1BA-4716-89AF-F65CEE0C0C67}" as the fields of a Guid.
Guid ZTextu(const std::string& text) {
    const auto hex = [&text](std::size_t od, std::size_t delka) {
        return static_cast<std::uint32_t>(std::stoul(text.substr(od, delka), nullptr, 16));
    };
    Guid guid;
    guid.data1 = hex(1, 8);
    guid.data2 = static_cast<std::uint16_t>(hex(10, 4));
    guid.data3 = static_cast<std::uint16_t>(hex(15, 4));
    for (std::size_t i = 0; i < 8; ++i) {
        const std::size_t od = i < 2 ? 20 + 2 * i : 25 + 2 * (i - 2);
        guid.data4[i] = static_cast<std::uint8_t>(hex(od, 2));
    }
    return guid;
}

const char* const kPoradi[] = {
    "{7EA3126D-E1BA-4716-89AF-F65CEE0C0C67}", "{7E4CAB5C-35DC-45BB-A7C0-19B28070D0CC}",
    "{60907F9F-B352-47E5-B210-0EF1F47E9F9D}", "{5EE06BE5-492B-480A-8A8F-12F373ECF9D4}",
    "{09BB5BC4-3176-457F-8DD6-3CD919123E2D}", "{1FC81930-61F2-436F-9D33-349F2A1C0F10}",
    "{407B9450-8BDC-4EE5-88B8-6F527BD941F2}", "{6A72ABE2-A8DD-465B-A3CA-CB02F44329DC}",
};

TEST(ProfilyZaznamu, SevenWindowsMediaProfilesInOrderThenWav) {
    const auto nabizene = pz::Nabizene();
    ASSERT_EQ(nabizene.size(), std::size(kPoradi));
    for (std::size_t i = 0; i < nabizene.size(); ++i) {
        EXPECT_EQ(nabizene[i].id, ZTextu(kPoradi[i])) << kPoradi[i];
        const bool wav = i == 7;
        EXPECT_EQ(nabizene[i].zapisovac, wav ? pz::Zapisovac::Wav : pz::Zapisovac::WindowsMedia);
        EXPECT_EQ(nabizene[i].vlastniNazev, wav ? L"WAV (PCM, bez komprese)" : L"") << kPoradi[i];
    }
    EXPECT_EQ(pz::kProfilWav, ZTextu(kPoradi[7]));
    // The default of the settings is one of those offered.
    EXPECT_EQ(pz::Najit(Vrbatec::kVychoziProfil), &nabizene[6]);
}

TEST(ProfilyZaznamu, LookupFindsEachOfferedProfileAndNothingElse) {
    const auto nabizene = pz::Nabizene();
    for (const pz::Profil& profil : nabizene) {
        EXPECT_EQ(pz::Najit(profil.id), &profil);
    }
    // Differs from the WAV profile in its last byte only.
    Guid skoroWav = pz::kProfilWav;
    skoroWav.data4[7] ^= 1;
    for (const Guid& cizi : {skoroWav, Guid{}}) {
        EXPECT_EQ(pz::Najit(cizi), nullptr);
        EXPECT_EQ(pz::ZapisovacProfilu(cizi), pz::Zapisovac::WindowsMedia);
        EXPECT_EQ(pz::Pripona(cizi), L".wma");
    }
    EXPECT_EQ(pz::Pripona(pz::kProfilWav), L".wav");
    EXPECT_EQ(pz::Pripona(nabizene[0].id), L".wma");
}

} // namespace
