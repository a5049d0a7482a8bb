// The AAC decoder on the system's transform, without a sound device: the tone that GStreamer's
// libav plugin encoded comes out at its rate, length and frequency, however the stream is cut.
// Under Wine the transform exists only with gstreamer1.0-libav; without it the tests fail on
// kZadnyDekoder, which says so.
#include "playback/DekoderAac.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "playback/TonyDekoderu.h"
#include "support/MeraniZvuku.h"

namespace Vrbatec::Testy {
namespace {

// The encoder's priming frame and the padding of the last one.
constexpr double kNavicVzorku = 3 * 1024;

struct Zacatek {
    std::vector<std::uint8_t> aac;
    Stream::Synchronizace<Stream::HlavickaAdts> sync;
};

Zacatek Synchronizovat(const wchar_t* soubor, std::size_t od = 0) {
    Zacatek z;
    z.aac = NacistTon(soubor);
    z.aac.erase(z.aac.begin(), z.aac.begin() + static_cast<std::ptrdiff_t>(od));
    const auto sync = Stream::SynchronizovatAdts(z.aac);
    EXPECT_TRUE(sync.has_value()) << "no frames in " << z.aac.size() << " bytes";
    if (sync) {
        z.sync = *sync;
    }
    return z;
}

TEST(DekoderAac, EachKindOfStreamComesOutAtItsRateLengthAndFrequency) {
    struct Pripad {
        const wchar_t* soubor;
        std::uint32_t kmitocet;
        std::uint16_t kanaly;
        double uroven;
    };
    // A sine at half of full scale has an effective level of 16383 / sqrt(2); the mono tone
    // is 3 dB louder, as GStreamer mixes the two channels into one at -3 dB each.
    const Pripad pripady[] = {
        {ZV_TON_AAC, 44100, 2, 11585.0},
        {ZV_TON_AAC_MONO, 22050, 1, 16383.0},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(testing::Message() << p.kmitocet << " Hz");
        const Zacatek z = Synchronizovat(p.soubor);
        EXPECT_EQ(1u, z.sync.hlavicka.profil) << "LC";
        EXPECT_EQ(p.kmitocet, z.sync.hlavicka.vzorkovaciKmitocet);
        EXPECT_EQ(p.kanaly, z.sync.hlavicka.kanaly);

        DekoderAac dekoder;
        ASSERT_EQ(S_OK, dekoder.Otevrit(z.sync.hlavicka));
        EXPECT_EQ((Stream::FormatPcm{p.kmitocet, p.kanaly}), dekoder.Format());
        std::vector<std::int16_t> pcm;
        ASSERT_EQ(S_OK, dekoder.Dekodovat(std::span(z.aac).subspan(z.sync.posun), pcm));
        ASSERT_FALSE(pcm.empty());

        const double snimku = static_cast<double>(pcm.size()) / p.kanaly;
        EXPECT_GE(snimku, kSekundTonuMp3 * p.kmitocet - 1024);
        EXPECT_LE(snimku, kSekundTonuMp3 * p.kmitocet + kNavicVzorku);

        const std::vector<std::int16_t> prvni = PrvniKanal(pcm, p.kanaly);
        const double kmitocet = Kmitocet(prvni, p.kmitocet);
        const double uroven = NejvyssiUroven(prvni, p.kmitocet);
        std::printf("AAC %u Hz, %u channel(s): %zu frames of PCM, %.2f Hz, level %.0f\n",
                    p.kmitocet, p.kanaly, pcm.size() / p.kanaly, kmitocet, uroven);
        EXPECT_NEAR(440.0, kmitocet, 1.0);
        EXPECT_NEAR(p.uroven, uroven, 600.0);
    }
}

TEST(DekoderAac, AStreamJoinedMidFrameAndReadInAnyPiecesGivesTheSameSound) {
    // Joined 1000 bytes in: in the third frame of about 372 bytes.
    const Zacatek z = Synchronizovat(ZV_TON_AAC, 1000);
    ASSERT_GT(z.sync.posun, 0u);
    // Around the 7 bytes of the header and the length of a frame.
    const std::size_t kusy[] = {1, 6, 7, 371, 373, 5000};
    OveritKusy<DekoderAac>(z.sync.hlavicka, z.aac, z.sync.posun, kusy);
}

TEST(DekoderAac, ResetForgetsAHalfFrameAndTheDecodersState) {
    const Zacatek z = Synchronizovat(ZV_TON_AAC);
    OveritObnoveni<DekoderAac>(z.sync.hlavicka, std::span(z.aac).subspan(z.sync.posun));
}

TEST(DekoderAac, RefusesWhatItCannotDecode) {
    const Zacatek z = Synchronizovat(ZV_TON_AAC);
    struct Pripad {
        const char* co;
        unsigned kanaly;
        std::uint32_t kmitocet;
    };
    const Pripad pripady[] = {
        {"no channels", 0, 44100}, {"eight channels", 8, 44100}, {"no rate", 2, 0}};
    for (const Pripad& p : pripady) {
        Stream::HlavickaAdts h = z.sync.hlavicka;
        h.kanaly = p.kanaly;
        h.vzorkovaciKmitocet = p.kmitocet;
        DekoderAac dekoder;
        EXPECT_EQ(E_INVALIDARG, dekoder.Otevrit(h)) << p.co;
        EXPECT_FALSE(dekoder.Otevreny()) << p.co;
        EXPECT_EQ((Stream::FormatPcm{}), dekoder.Format()) << p.co;
        std::vector<std::int16_t> pcm;
        EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_INVALID_STATE), dekoder.Dekodovat(z.aac, pcm)) << p.co;
        EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_INVALID_STATE), dekoder.Obnovit()) << p.co;
    }
}

} // namespace
} // namespace Vrbatec::Testy
