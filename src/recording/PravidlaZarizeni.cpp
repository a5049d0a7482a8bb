#include "recording/PravidlaZarizeni.h"

#include <algorithm>
#include <numeric>
#include <type_traits>

namespace Vrbatec {

namespace {

// The lower-case form of one character; characters without case, and those outside the
// ranges below, are returned as they are.
char32_t MalePismeno(char32_t z) {
    if ((z >= U'A' && z <= U'Z') || (z >= 0xC0 && z <= 0xDE && z != 0xD7)) {
        return z + 0x20;
    }
    if (z >= 0x100 && z <= 0x17F) { // Latin Extended-A: upper and lower case alternate
        if (z == 0x130) {
            return U'i';
        }
        if (z == 0x178) {
            return 0xFF;
        }
        const bool lichyVelky = (z >= 0x139 && z <= 0x148) || (z >= 0x179 && z <= 0x17E);
        const bool sudyVelky = (z <= 0x137 && z != 0x130) || (z >= 0x14A && z <= 0x177);
        if ((lichyVelky && z % 2 == 1) || (sudyVelky && z % 2 == 0)) {
            return z + 1;
        }
        return z;
    }
    if (z >= 0x391 && z <= 0x3AB && z != 0x3A2) { // Greek capitals, with dialytika
        return z + 0x20;
    }
    switch (z) { // Greek capitals with tonos
    case 0x386:
        return 0x3AC;
    case 0x388:
    case 0x389:
    case 0x38A:
        return z + 0x25;
    case 0x38C:
        return 0x3CC;
    case 0x38E:
    case 0x38F:
        return z + 0x3F;
    default:
        break;
    }
    if (z >= 0x410 && z <= 0x42F) { // Cyrillic А–Я
        return z + 0x20;
    }
    if (z >= 0x400 && z <= 0x40F) { // Cyrillic Ѐ–Џ
        return z + 0x50;
    }
    return z;
}

// The value that orders a code unit: its folded code point. Where wchar_t holds UTF-16,
// surrogates are moved above the rest of the basic plane, so that names compare in code point
// order on every platform.
char32_t Klic(wchar_t znak) {
    const auto z = static_cast<char32_t>(static_cast<std::make_unsigned_t<wchar_t>>(znak));
    if constexpr (sizeof(wchar_t) == 2) {
        if (z >= 0xD800 && z <= 0xDFFF) {
            return z + 0x2000;
        }
        if (z >= 0xE000 && z <= 0xFFFF) {
            return z - 0x800;
        }
    }
    return MalePismeno(z);
}

int PorovnatBezVelikosti(const std::wstring& a, const std::wstring& b) {
    const std::size_t spolecna = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < spolecna; ++i) {
        const char32_t ka = Klic(a[i]);
        const char32_t kb = Klic(b[i]);
        if (ka != kb) {
            return ka < kb ? -1 : 1;
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace

bool MensiBezVelikosti(const std::wstring& a, const std::wstring& b) {
    return PorovnatBezVelikosti(a, b) < 0;
}

bool StejneBezVelikosti(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() && PorovnatBezVelikosti(a, b) == 0;
}

std::vector<std::size_t> SeraditAOcislovat(std::vector<ZarizeniZaznamu>& seznam) {
    std::vector<std::size_t> poradi(seznam.size());
    std::iota(poradi.begin(), poradi.end(), std::size_t{0});
    std::stable_sort(poradi.begin(), poradi.end(), [&seznam](std::size_t a, std::size_t b) {
        return MensiBezVelikosti(seznam[a].nazev, seznam[b].nazev);
    });

    std::vector<ZarizeniZaznamu> serazeny;
    serazeny.reserve(seznam.size());
    for (const std::size_t puvodni : poradi) {
        serazeny.push_back(std::move(seznam[puvodni]));
    }
    seznam = std::move(serazeny);

    if (seznam.empty()) {
        return poradi;
    }
    std::wstring zaklad = seznam.front().nazev;
    int pocitadlo = 1;
    for (std::size_t i = 1; i < seznam.size(); ++i) {
        std::wstring& nazev = seznam[i].nazev;
        if (nazev != zaklad) {
            zaklad = nazev;
            pocitadlo = 1;
        } else {
            ++pocitadlo;
            nazev += L" #" + std::to_wstring(pocitadlo);
        }
    }
    return poradi;
}

std::optional<std::size_t> VybratZarizeni(const std::vector<ZarizeniZaznamu>& vlastni,
                                          const ZarizeniZaznamu& zvolene) {
    const auto prvni = [&vlastni](auto&& vyhovuje) -> std::optional<std::size_t> {
        for (std::size_t i = 0; i < vlastni.size(); ++i) {
            if (vyhovuje(vlastni[i])) {
                return i;
            }
        }
        return std::nullopt;
    };
    if (!zvolene.cesta.empty()) {
        if (auto i = prvni([&](const ZarizeniZaznamu& z) {
                return StejneBezVelikosti(z.cesta, zvolene.cesta);
            })) {
            return i;
        }
    }
    if (auto i = prvni(
            [&](const ZarizeniZaznamu& z) { return StejneBezVelikosti(z.nazev, zvolene.nazev); })) {
        return i;
    }
    std::vector<ZarizeniZaznamu> cislovany = vlastni;
    const std::vector<std::size_t> poradi = SeraditAOcislovat(cislovany);
    for (std::size_t i = 0; i < cislovany.size(); ++i) {
        if (StejneBezVelikosti(cislovany[i].nazev, zvolene.nazev)) {
            return poradi[i];
        }
    }
    return std::nullopt;
}

} // namespace Vrbatec
