// The MP3s of the 440 Hz tone that the build encodes (ZV_TON_MP3 and others), read whole, and
// a decoding in one go, for the tests of the stream engine's decoder and output.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "playback/DekoderMp3.h"
#include "playback/RamceMp3.h"

namespace Vrbatec::Testy {

inline constexpr double kSekundTonuMp3 = ZV_TON_MP3_SEKUND;

inline std::vector<std::uint8_t> NacistTonMp3(const wchar_t* cesta = ZV_TON_MP3) {
    std::ifstream soubor(cesta, std::ios::binary);
    return {std::istreambuf_iterator<char>(soubor), std::istreambuf_iterator<char>()};
}

// The first channel of interleaved samples.
inline std::vector<std::int16_t> PrvniKanal(const std::vector<std::int16_t>& pcm, int kanalu) {
    std::vector<std::int16_t> kanal;
    for (std::size_t i = 0; i < pcm.size(); i += static_cast<std::size_t>(kanalu)) {
        kanal.push_back(pcm[i]);
    }
    return kanal;
}

// The whole tone decoded from where the stream synchronises; empty PCM after a failure,
// which the test has reported.
struct DekodovanyTon {
    Stream::HlavickaMp3 hlavicka;
    std::vector<std::int16_t> pcm;
};

inline DekodovanyTon DekodovatTonMp3(const wchar_t* cesta = ZV_TON_MP3) {
    DekodovanyTon ton;
    const std::vector<std::uint8_t> mp3 = NacistTonMp3(cesta);
    const auto synchronizace = Stream::SynchronizovatMp3(mp3);
    EXPECT_TRUE(synchronizace.has_value()) << "no frames in " << mp3.size() << " bytes";
    if (!synchronizace) {
        return ton;
    }
    ton.hlavicka = synchronizace->hlavicka;
    DekoderMp3 dekoder;
    EXPECT_EQ(S_OK, dekoder.Otevrit(ton.hlavicka));
    EXPECT_EQ(S_OK, dekoder.Dekodovat(std::span(mp3).subspan(synchronizace->posun), ton.pcm));
    return ton;
}

} // namespace Vrbatec::Testy
