#include "recording/VolbaVstupu.h"

#include <algorithm>

#include "recording/PravidlaZarizeni.h"

namespace Vrbatec::VolbaVstupu {

namespace {

using HlavickaWav::FormatPcm;

bool Oriznuty(std::wstring_view nazevZarizeni, std::wstring_view hledany) {
    return nazevZarizeni.size() == kNejdelsiNazev && hledany.size() > kNejdelsiNazev &&
           hledany.starts_with(nazevZarizeni);
}

std::optional<std::size_t> PrvniTakovy(std::span<const std::wstring> nazvy, auto podminka) {
    const auto nalez = std::find_if(nazvy.begin(), nazvy.end(), podminka);
    if (nalez == nazvy.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(nalez - nazvy.begin());
}

// The order of rates to prefer, with the bit of each one's first flag (8-bit mono); the
// flags of one rate follow as 8-bit stereo, 16-bit mono, 16-bit stereo.
struct Rychlost {
    std::uint32_t vzorkovani;
    unsigned prvniBit;
};
constexpr Rychlost kRychlosti[] = {
    {48000, 12}, {44100, 8}, {96000, 16}, {22050, 4}, {11025, 0},
};
constexpr unsigned kMono16 = 2;
constexpr unsigned kStereo16 = 3;

void PridatNovy(std::vector<FormatPcm>& formaty, const FormatPcm& format) {
    const bool uzJe = std::any_of(formaty.begin(), formaty.end(), [&](const FormatPcm& f) {
        return f.vzorkovani == format.vzorkovani && f.kanalu == format.kanalu;
    });
    if (!uzJe && HlavickaWav::PlatnyFormat(format)) {
        formaty.push_back(format);
    }
}

} // namespace

std::optional<std::size_t> NajitZarizeni(std::span<const std::wstring> nazvy,
                                         std::wstring_view hledany) {
    std::vector<ZarizeniZaznamu> zarizeni;
    for (const std::wstring& nazev : nazvy) {
        zarizeni.push_back({nazev, {}, {}});
    }
    if (const auto podleSeznamu = VybratZarizeni(zarizeni, {std::wstring(hledany), {}, {}})) {
        return podleSeznamu;
    }
    return PrvniTakovy(nazvy, [&](const std::wstring& n) { return Oriznuty(n, hledany); });
}

std::vector<FormatPcm> KandidatiFormatu(std::optional<FormatPcm> smes, std::uint32_t schopnosti,
                                        std::uint16_t kanalu) {
    const auto nejvic2 = [](std::uint16_t k) { return std::min<std::uint16_t>(k, 2); };
    std::vector<FormatPcm> formaty;
    if (smes) {
        PridatNovy(formaty, {smes->vzorkovani, nejvic2(smes->kanalu)});
    }
    const std::uint16_t kanaluZarizeni = std::max<std::uint16_t>(nejvic2(kanalu), 1);
    for (std::uint16_t k = kanaluZarizeni; k >= 1; --k) {
        for (const Rychlost& r : kRychlosti) {
            const unsigned bit = r.prvniBit + (k == 2 ? kStereo16 : kMono16);
            if ((schopnosti >> bit) & 1u) {
                PridatNovy(formaty, {r.vzorkovani, k});
            }
        }
    }
    PridatNovy(formaty, {44100, kanaluZarizeni});
    return formaty;
}

} // namespace Vrbatec::VolbaVstupu
