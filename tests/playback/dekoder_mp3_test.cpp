// The MP3 decoder on the system's codec, without a sound device: the tone that lame encoded
// comes out at its rate, length and frequency, however the stream is cut.
#include "playback/DekoderMp3.h"

#include <gtest/gtest.h>

#include <cmath>

#include "playback/TonyDekoderu.h"
#include "support/MeraniZvuku.h"

namespace Vrbatec::Testy {
namespace {

// lame's encoder delay and the padding of the last frame: under 2304 samples.
constexpr double kNavicVzorku = 2 * 1152;

TEST(DekoderMp3, EachKindOfStreamComesOutAtItsRateLengthAndFrequency) {
    struct Pripad {
        const wchar_t* soubor;
        Stream::VerzeMpeg verze;
        std::uint32_t kmitocet;
        int kanaly;
        std::uint32_t datovyTok;
    };
    const Pripad pripady[] = {
        {ZV_TON_MP3, Stream::VerzeMpeg::Mpeg1, 44100, 2, 128},
        {ZV_TON_MP3_MPEG2, Stream::VerzeMpeg::Mpeg2, 22050, 1, 32},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(testing::Message() << p.kmitocet << " Hz");
        const DekodovanyTon ton = DekodovatTonMp3(p.soubor);
        ASSERT_FALSE(ton.pcm.empty());
        EXPECT_EQ(p.verze, ton.hlavicka.verze);
        EXPECT_EQ(p.kmitocet, ton.hlavicka.vzorkovaciKmitocet);
        EXPECT_EQ(p.kanaly, ton.hlavicka.kanaly);
        EXPECT_EQ(p.datovyTok, ton.hlavicka.datovyTok);

        const double snimku = static_cast<double>(ton.pcm.size()) / p.kanaly;
        EXPECT_GE(snimku, kSekundTonuMp3 * p.kmitocet);
        EXPECT_LE(snimku, kSekundTonuMp3 * p.kmitocet + kNavicVzorku);

        const std::vector<std::int16_t> prvni = PrvniKanal(ton.pcm, p.kanaly);
        EXPECT_NEAR(440.0, Kmitocet(prvni, p.kmitocet), 1.0);
        // A sine at half of full scale has an effective level of 16383 / sqrt(2).
        EXPECT_NEAR(11585.0, NejvyssiUroven(prvni, p.kmitocet), 600.0);
    }
}

TEST(DekoderMp3, AStreamJoinedMidFrameAndReadInAnyPiecesGivesTheSameSound) {
    const std::vector<std::uint8_t> mp3 = NacistTon();
    // Joined 1000 bytes in: in the third frame of 417 or 418 bytes.
    const std::span<const std::uint8_t> proud = std::span(mp3).subspan(1000);
    const auto synchronizace = Stream::SynchronizovatMp3(proud);
    ASSERT_TRUE(synchronizace.has_value());
    ASSERT_GT(synchronizace->posun, 0u);
    const std::size_t kusy[] = {1, 3, 417, 419, 1001, 5000, 40000};
    OveritKusy<DekoderMp3>(synchronizace->hlavicka, proud, synchronizace->posun, kusy);
}

TEST(DekoderMp3, ResetForgetsAHalfFrameAndTheCodecState) {
    const std::vector<std::uint8_t> mp3 = NacistTon();
    const auto synchronizace = Stream::SynchronizovatMp3(mp3);
    ASSERT_TRUE(synchronizace.has_value());
    OveritObnoveni<DekoderMp3>(synchronizace->hlavicka,
                               std::span(mp3).subspan(synchronizace->posun));
}

TEST(DekoderMp3, RefusesWhatItCannotDecode) {
    Stream::HlavickaMp3 dobra =
        *Stream::CistHlavickuMp3(std::vector<std::uint8_t>{0xFF, 0xFB, 0x90, 0x64});
    struct Pripad {
        const char* co;
        int kanaly;
        std::uint32_t kmitocet;
    };
    const Pripad pripady[] = {
        {"no channels", 0, 44100}, {"six channels", 6, 44100}, {"no rate", 2, 0}};
    for (const Pripad& p : pripady) {
        Stream::HlavickaMp3 h = dobra;
        h.kanaly = p.kanaly;
        h.vzorkovaciKmitocet = p.kmitocet;
        DekoderMp3 dekoder;
        EXPECT_EQ(E_INVALIDARG, dekoder.Otevrit(h)) << p.co;
        EXPECT_FALSE(dekoder.Otevreny()) << p.co;
        std::vector<std::int16_t> pcm;
        EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_INVALID_STATE),
                  dekoder.Dekodovat(std::vector<std::uint8_t>(500, 0xFF), pcm))
            << p.co;
        EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_INVALID_STATE), dekoder.Obnovit()) << p.co;
    }
    DekoderMp3 dekoder;
    EXPECT_EQ(S_OK, dekoder.Otevrit(dobra));
    EXPECT_EQ((Stream::FormatPcm{44100, 2}), dekoder.Format());
}

} // namespace
} // namespace Vrbatec::Testy
