#include "recording/VolbaVstupu.h"

#include <algorithm>

namespace Vrbatec::VolbaVstupu {

namespace {

using HlavickaWav::FormatPcm;

struct CislovanyNazev {
    std::wstring_view zaklad;
    std::size_t poradi; // 2 for " #2"
};

// " #N" with N of 2 or more, digits only and no leading zero, as the device list numbers.
std::optional<CislovanyNazev> RozlozitCislo(std::wstring_view nazev) {
    const std::size_t mrizka = nazev.rfind(L" #");
    if (mrizka == std::wstring_view::npos || mrizka + 2 == nazev.size() ||
        nazev[mrizka + 2] == L'0' || nazev.size() - mrizka > 2 + 6) {
        return std::nullopt;
    }
    std::size_t poradi = 0;
    for (const wchar_t znak : nazev.substr(mrizka + 2)) {
        if (znak < L'0' || znak > L'9') {
            return std::nullopt;
        }
        poradi = poradi * 10 + static_cast<std::size_t>(znak - L'0');
    }
    if (poradi < 2) {
        return std::nullopt;
    }
    return CislovanyNazev{nazev.substr(0, mrizka), poradi};
}

bool Oriznuty(std::wstring_view nazevZarizeni, std::wstring_view hledany) {
    return nazevZarizeni.size() == kNejdelsiNazev && hledany.size() > kNejdelsiNazev &&
           hledany.starts_with(nazevZarizeni);
}

bool Odpovida(std::wstring_view nazevZarizeni, std::wstring_view hledany) {
    return nazevZarizeni == hledany || Oriznuty(nazevZarizeni, hledany);
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
    if (const auto presne =
            PrvniTakovy(nazvy, [&](const std::wstring& n) { return n == hledany; })) {
        return presne;
    }
    if (const auto cislovany = RozlozitCislo(hledany)) {
        std::size_t nalezeno = 0;
        for (std::size_t i = 0; i < nazvy.size(); ++i) {
            if (Odpovida(nazvy[i], cislovany->zaklad) && ++nalezeno == cislovany->poradi) {
                return i;
            }
        }
        // The number names which of the devices it is: with fewer devices it is none of them.
        return std::nullopt;
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
