#include "playback/RamceAdts.h"

namespace Vrbatec::Stream {

namespace {

constexpr std::array<std::uint32_t, 13> kKmitocty{96000, 88200, 64000, 48000, 44100, 32000, 24000,
                                                  22050, 16000, 12000, 11025, 8000,  7350};

} // namespace

std::optional<HlavickaAdts> CistHlavickuAdts(std::span<const std::uint8_t> bajty) {
    if (bajty.size() < kDelkaHlavickyAdts || bajty[0] != 0xFF || (bajty[1] & 0xF0) != 0xF0) {
        return std::nullopt;
    }
    HlavickaAdts h;
    const unsigned vrstva = (bajty[1] >> 1) & 3u;
    h.mpeg2 = ((bajty[1] >> 3) & 1u) != 0;
    h.bezCrc = (bajty[1] & 1u) != 0;
    h.profil = bajty[2] >> 6;
    h.indexKmitoctu = (bajty[2] >> 2) & 0xFu;
    h.kanaly = ((bajty[2] & 1u) << 2) | (bajty[3] >> 6);
    h.delkaRamce = (std::size_t{bajty[3] & 3u} << 11) | (std::size_t{bajty[4]} << 3) |
                   (std::size_t{bajty[5]} >> 5);
    h.blokyDat = (bajty[6] & 3u) + 1;
    const std::size_t delkaHlavicky = h.bezCrc ? 7 : 9;
    if (vrstva != 0 || h.indexKmitoctu >= kKmitocty.size() || h.kanaly == 0 ||
        h.delkaRamce <= delkaHlavicky) {
        return std::nullopt;
    }
    h.vzorkovaciKmitocet = kKmitocty[h.indexKmitoctu];
    return h;
}

std::optional<Synchronizace<HlavickaAdts>> SynchronizovatAdts(std::span<const std::uint8_t> data) {
    return NajitTriRamce<HlavickaAdts>(data, kDelkaHlavickyAdts, CistHlavickuAdts,
                                       [](const HlavickaAdts& a, const HlavickaAdts& b) {
                                           return a.mpeg2 == b.mpeg2 && a.profil == b.profil &&
                                                  a.indexKmitoctu == b.indexKmitoctu &&
                                                  a.kanaly == b.kanaly;
                                       });
}

std::array<std::uint8_t, 2> KonfiguraceDekoderu(const HlavickaAdts& hlavicka) {
    const unsigned typ = hlavicka.profil + 1;
    return {
        static_cast<std::uint8_t>((typ << 3) | (hlavicka.indexKmitoctu >> 1)),
        static_cast<std::uint8_t>(((hlavicka.indexKmitoctu & 1u) << 7) | (hlavicka.kanaly << 3))};
}

std::array<std::uint8_t, kDelkaPopisuAac> PopisProDekoderAac(const HlavickaAdts& hlavicka) {
    const std::array<std::uint8_t, 2> konfigurace = KonfiguraceDekoderu(hlavicka);
    return {1, 0, 0xFE, 0, 0, 0, 0, 0, 0, 0, 0, 0, konfigurace[0], konfigurace[1]};
}

} // namespace Vrbatec::Stream
