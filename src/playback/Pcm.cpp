#include "playback/Pcm.h"

#include <algorithm>
#include <limits>

namespace Vrbatec::Stream {

std::size_t BajtuZaDobu(const FormatPcm& format, std::uint32_t milisekund) {
    const std::uint64_t snimku = std::uint64_t{format.vzorkovani} * milisekund / 1000;
    return static_cast<std::size_t>(std::max<std::uint64_t>(snimku, 1)) * BajtuSnimku(format);
}

std::uint32_t MilisekundVBajtech(const FormatPcm& format, std::uint64_t bajtu) {
    const std::uint64_t zaSekundu = std::uint64_t{format.vzorkovani} * BajtuSnimku(format);
    if (zaSekundu == 0) {
        return 0;
    }
    return static_cast<std::uint32_t>(bajtu * 1000 / zaSekundu);
}

std::uint32_t ZesileniHlasitosti(std::uint32_t hlasitost) {
    const std::uint64_t h = std::min(hlasitost, kNejvyssiHlasitost);
    constexpr std::uint64_t kDelitel =
        std::uint64_t{kNejvyssiHlasitost} * kNejvyssiHlasitost * kNejvyssiHlasitost;
    return static_cast<std::uint32_t>((h * h * h * kPlneZesileni + kDelitel / 2) / kDelitel);
}

void Zesilit(std::span<std::int16_t> vzorky, std::uint32_t zesileni) {
    if (zesileni == kPlneZesileni) {
        return;
    }
    constexpr std::int64_t kPulJednotky = kPlneZesileni / 2;
    constexpr std::int64_t kNejmensi = std::numeric_limits<std::int16_t>::min();
    constexpr std::int64_t kNejvetsi = std::numeric_limits<std::int16_t>::max();
    for (std::int16_t& vzorek : vzorky) {
        // The shift of a negative product rounds towards minus infinity, so adding half a unit
        // first rounds to the nearest value in both directions alike.
        const std::int64_t soucin = std::int64_t{vzorek} * zesileni + kPulJednotky;
        const std::int64_t hodnota = soucin >> kBituZlomkuZesileni;
        vzorek = static_cast<std::int16_t>(std::clamp(hodnota, kNejmensi, kNejvetsi));
    }
}

} // namespace Vrbatec::Stream
