// The MP3s and AACs of the 440 Hz tone that the build encodes (ZV_TON_MP3 and others), read
// whole, a decoding of an MP3 in one go, and the checks every decoder of the stream engine
// must pass, for the tests of the decoders and the output.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <span>
#include <vector>

#include "playback/DekoderMp3.h"
#include "playback/RamceMp3.h"

namespace Vrbatec::Testy {

inline constexpr double kSekundTonuMp3 = ZV_TON_MP3_SEKUND;

inline std::vector<std::uint8_t> NacistTon(const wchar_t* cesta = ZV_TON_MP3) {
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
    const std::vector<std::uint8_t> mp3 = NacistTon(cesta);
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

// `proud`, joined anywhere and synchronised `posun` bytes in, decoded in pieces of each size
// (the partial frame before the synchronised one too) gives what it gives decoded whole.
template <class Dekoder, class Hlavicka>
void OveritKusy(const Hlavicka& hlavicka, std::span<const std::uint8_t> proud, std::size_t posun,
                std::span<const std::size_t> kusy) {
    Dekoder vcelku;
    ASSERT_EQ(S_OK, vcelku.Otevrit(hlavicka));
    std::vector<std::int16_t> ocekavane;
    ASSERT_EQ(S_OK, vcelku.Dekodovat(proud.subspan(posun), ocekavane));
    ASSERT_GT(ocekavane.size(), 44100u);
    for (const std::size_t kus : kusy) {
        SCOPED_TRACE(testing::Message() << "pieces of " << kus << " bytes");
        Dekoder poKusech;
        ASSERT_EQ(S_OK, poKusech.Otevrit(hlavicka));
        std::vector<std::int16_t> pcm;
        for (std::size_t kde = 0; kde < proud.size(); kde += kus) {
            ASSERT_EQ(S_OK, poKusech.Dekodovat(
                                proud.subspan(kde, std::min(kus, proud.size() - kde)), pcm));
        }
        EXPECT_EQ(ocekavane.size(), pcm.size());
        EXPECT_TRUE(ocekavane == pcm);
    }
}

// After half a frame and a few whole ones of the middle of `zvuk`, as a connection that broke
// off, a reset gives the sound from the start exactly as the first decoding did.
template <class Dekoder, class Hlavicka>
void OveritObnoveni(const Hlavicka& hlavicka, std::span<const std::uint8_t> zvuk) {
    Dekoder dekoder;
    ASSERT_EQ(S_OK, dekoder.Otevrit(hlavicka));
    std::vector<std::int16_t> poprve;
    ASSERT_EQ(S_OK, dekoder.Dekodovat(zvuk, poprve));
    std::vector<std::int16_t> zahozene;
    ASSERT_EQ(S_OK, dekoder.Dekodovat(zvuk.subspan(20000, 3000), zahozene));
    ASSERT_EQ(S_OK, dekoder.Obnovit());
    std::vector<std::int16_t> podruhe;
    ASSERT_EQ(S_OK, dekoder.Dekodovat(zvuk, podruhe));
    EXPECT_EQ(poprve.size(), podruhe.size());
    EXPECT_TRUE(poprve == podruhe);
}

} // namespace Vrbatec::Testy
