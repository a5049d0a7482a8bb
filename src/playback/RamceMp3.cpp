#include "playback/RamceMp3.h"

#include <array>

namespace Vrbatec::Stream {

namespace {

constexpr std::array<std::uint32_t, 15> kTokMpeg1{0,   32,  40,  48,  56,  64,  80, 96,
                                                  112, 128, 160, 192, 224, 256, 320};
constexpr std::array<std::uint32_t, 15> kTokMpeg2{0,  8,  16, 24,  32,  40,  48, 56,
                                                  64, 80, 96, 112, 128, 144, 160};
constexpr std::array<std::uint32_t, 3> kKmitocetMpeg1{44100, 48000, 32000};

} // namespace

std::optional<HlavickaMp3> CistHlavickuMp3(std::span<const std::uint8_t> bajty) {
    if (bajty.size() < kDelkaHlavickyMp3 || bajty[0] != 0xFF || (bajty[1] & 0xE0) != 0xE0) {
        return std::nullopt;
    }
    const unsigned verze = (bajty[1] >> 3) & 3u;
    const unsigned vrstva = (bajty[1] >> 1) & 3u;
    const unsigned indexToku = bajty[2] >> 4;
    const unsigned indexKmitoctu = (bajty[2] >> 2) & 3u;
    const unsigned zdurazneni = bajty[3] & 3u;
    // Version 01 and emphasis 10 are reserved; layer 01 is Layer III.
    if (verze == 1 || vrstva != 1 || indexToku == 0 || indexToku == 15 || indexKmitoctu == 3 ||
        zdurazneni == 2) {
        return std::nullopt;
    }
    HlavickaMp3 h;
    h.verze = verze == 3 ? VerzeMpeg::Mpeg1 : verze == 2 ? VerzeMpeg::Mpeg2 : VerzeMpeg::Mpeg25;
    const bool mpeg1 = h.verze == VerzeMpeg::Mpeg1;
    h.datovyTok = mpeg1 ? kTokMpeg1[indexToku] : kTokMpeg2[indexToku];
    h.vzorkovaciKmitocet = kKmitocetMpeg1[indexKmitoctu] / (mpeg1                         ? 1
                                                            : h.verze == VerzeMpeg::Mpeg2 ? 2
                                                                                          : 4);
    h.crc = (bajty[1] & 1u) == 0;
    h.vypln = ((bajty[2] >> 1) & 1u) != 0;
    h.kanaly = (bajty[3] >> 6) == 3 ? 1 : 2;
    // A Layer III frame holds 1152 samples in MPEG-1 and 576 in the others.
    const std::uint32_t nasobek = mpeg1 ? 144 : 72;
    h.delkaRamce = nasobek * h.datovyTok * 1000 / h.vzorkovaciKmitocet + (h.vypln ? 1 : 0);
    return h;
}

std::optional<Synchronizace<HlavickaMp3>> SynchronizovatMp3(std::span<const std::uint8_t> data) {
    return NajitTriRamce<HlavickaMp3>(
        data, kDelkaHlavickyMp3, CistHlavickuMp3, [](const HlavickaMp3& a, const HlavickaMp3& b) {
            return a.verze == b.verze && a.vzorkovaciKmitocet == b.vzorkovaciKmitocet;
        });
}

} // namespace Vrbatec::Stream
