// Which waveIn device the chosen name means, and the formats asked of it in order.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "recording/VolbaVstupu.h"

namespace vv = Vrbatec::VolbaVstupu;
using Vrbatec::HlavickaWav::FormatPcm;

namespace {

// 31 characters, as a longer waveIn name comes.
const std::wstring kOriznuty = L"MIKROFONNI POLE (REALTEK HIGH D";
const std::wstring kCely = kOriznuty + L"EFINITION AUDIO)";

TEST(VolbaVstupu, NamesFindTheirDevice) {
    static_assert(vv::kNejdelsiNazev == 31);
    ASSERT_EQ(kOriznuty.size(), vv::kNejdelsiNazev);
    const std::vector<std::wstring> nazvy = {
        L"LINKA", L"MIKROFON", L"LINKA", kOriznuty, L"MIKROFON #2", kOriznuty, L"MIKRO",
    };
    struct Pripad {
        std::wstring hledany;
        std::optional<std::size_t> cekano;
    };
    const Pripad pripady[] = {
        {L"LINKA", 0},
        {L"LINKA #2", 2},
        {L"LINKA #3", std::nullopt}, // only two devices of that name
        {L"LINKA #02", std::nullopt},
        {L"LINKA #1", std::nullopt},
        {L"LINK", std::nullopt},
        {L"MIKROFON #2", 4}, // a device named so is that device, not the second "MIKROFON"
        {kCely, 3},
        {kOriznuty + L" #2", 5},
        {kOriznuty, 3},
        {L"MIKROFON ZESILOVACE", std::nullopt}, // "MIKROFON" is whole, not cut
        {L"MIKRO", 6},
        {L"", std::nullopt},
        {L"LINKA #99999999999999999999", std::nullopt},
    };
    for (const Pripad& p : pripady) {
        EXPECT_EQ(vv::NajitZarizeni(nazvy, p.hledany), p.cekano)
            << std::string(p.hledany.begin(), p.hledany.end());
    }
    EXPECT_EQ(vv::NajitZarizeni({}, L"LINKA"), std::nullopt);
}

std::vector<std::pair<std::uint32_t, std::uint16_t>> Dvojice(const std::vector<FormatPcm>& f) {
    std::vector<std::pair<std::uint32_t, std::uint16_t>> v;
    for (const FormatPcm& x : f) {
        v.emplace_back(x.vzorkovani, x.kanalu);
    }
    return v;
}

TEST(VolbaVstupu, FormatsComeMixFirstThenTheBestTheDeviceNames) {
    using V = std::vector<std::pair<std::uint32_t, std::uint16_t>>;
    // Bits: 44.1 kHz 16-bit mono 0x400, stereo 0x800; 48 kHz 0x4000/0x8000; 22.05 kHz 0x40/0x80;
    // 96 kHz 0x40000/0x80000; the 8-bit ones 0x1, 0x2, 0x100 … never count.
    struct Pripad {
        std::optional<FormatPcm> smes;
        std::uint32_t schopnosti;
        std::uint16_t kanalu;
        V cekano;
    };
    const Pripad pripady[] = {
        {std::nullopt,
         0xFFFFF,
         2,
         {{48000, 2},
          {44100, 2},
          {96000, 2},
          {22050, 2},
          {11025, 2},
          {48000, 1},
          {44100, 1},
          {96000, 1},
          {22050, 1},
          {11025, 1}}},
        {FormatPcm{44100, 2}, 0x8000 | 0x800, 2, {{44100, 2}, {48000, 2}}},
        {FormatPcm{16000, 6}, 0x4000, 1, {{16000, 2}, {48000, 1}, {44100, 1}}},
        {std::nullopt, 0x80 | 0x400, 2, {{22050, 2}, {44100, 1}, {44100, 2}}},
        {std::nullopt, 0x1 | 0x2 | 0x100 | 0x200, 2, {{44100, 2}}},
        {std::nullopt, 0x8000, 0, {{44100, 1}}}, // a stereo bit on a device of no channels
        {FormatPcm{0, 2}, 0, 1, {{44100, 1}}},
    };
    for (const Pripad& p : pripady) {
        EXPECT_EQ(Dvojice(vv::KandidatiFormatu(p.smes, p.schopnosti, p.kanalu)), p.cekano)
            << std::hex << p.schopnosti;
    }
}

} // namespace
