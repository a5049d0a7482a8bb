#include "recording/HlavickaWav.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "config/BajtyLe.h"

namespace Vrbatec::HlavickaWav {

namespace {

// What the RIFF size counts besides the sound: "WAVE", the whole "fmt " chunk and the
// "data" chunk's own name and size.
constexpr std::uint32_t kRiffBezDat = kDelkaHlavicky - 8;
constexpr std::uint32_t kDelkaFormatu = 16;
constexpr std::uint16_t kKodovaniPcm = 1;

constexpr std::uint64_t kNejvic32 = std::numeric_limits<std::uint32_t>::max();

std::uint64_t BajtuZaSekundu(const FormatPcm& format) {
    return std::uint64_t{format.vzorkovani} * DelkaSnimku(format);
}

void ZapsatZnacku(std::uint8_t* cil, const char (&znacka)[5]) {
    std::memcpy(cil, znacka, 4);
}

} // namespace

std::uint32_t DelkaSnimku(const FormatPcm& format) {
    return std::uint32_t{format.kanalu} * (kBituNaVzorek / 8);
}

bool PlatnyFormat(const FormatPcm& format) {
    return format.kanalu > 0 && format.vzorkovani > 0 &&
           DelkaSnimku(format) <= std::numeric_limits<std::uint16_t>::max() &&
           BajtuZaSekundu(format) <= kNejvic32;
}

std::uint32_t NejvetsiDelkaDat(const FormatPcm& format) {
    if (!PlatnyFormat(format)) {
        return 0;
    }
    const std::uint32_t nejvic = static_cast<std::uint32_t>(kNejvic32 - kRiffBezDat);
    return nejvic - nejvic % DelkaSnimku(format);
}

std::optional<Bajty> Sestavit(const FormatPcm& format, std::uint64_t delkaDat) {
    if (!PlatnyFormat(format)) {
        return std::nullopt;
    }
    const std::uint64_t celychSnimku = delkaDat - delkaDat % DelkaSnimku(format);
    const auto data =
        static_cast<std::uint32_t>(std::min<std::uint64_t>(celychSnimku, NejvetsiDelkaDat(format)));

    Bajty b{};
    ZapsatZnacku(&b[0], "RIFF");
    BajtyLe::Zapsat32(&b[4], kRiffBezDat + data);
    ZapsatZnacku(&b[8], "WAVE");
    ZapsatZnacku(&b[12], "fmt ");
    BajtyLe::Zapsat32(&b[16], kDelkaFormatu);
    BajtyLe::Zapsat16(&b[20], kKodovaniPcm);
    BajtyLe::Zapsat16(&b[22], format.kanalu);
    BajtyLe::Zapsat32(&b[24], format.vzorkovani);
    BajtyLe::Zapsat32(&b[28], static_cast<std::uint32_t>(BajtuZaSekundu(format)));
    BajtyLe::Zapsat16(&b[32], static_cast<std::uint16_t>(DelkaSnimku(format)));
    BajtyLe::Zapsat16(&b[34], kBituNaVzorek);
    ZapsatZnacku(&b[36], "data");
    BajtyLe::Zapsat32(&b[40], data);
    return b;
}

} // namespace Vrbatec::HlavickaWav
