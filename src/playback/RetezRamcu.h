// Finding where a compressed stream really starts.
//
// A stream joined in the middle, or preceded by tags or junk, holds bytes that look like a
// frame header by chance: two bytes of 0xFF 0xFx come about once in 4096 byte pairs. A
// position is taken only when three headers of the same kind follow one another, each where
// the previous frame's length says.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace Vrbatec::Stream {

template <class Hlavicka>
struct Synchronizace {
    std::size_t posun = 0; // of the first of the three frames
    Hlavicka hlavicka;     // of the first frame
};

// `cist(bajty)` gives the header at the start of `bajty` (which holds at least `delkaHlavicky`
// bytes) or nothing; `stejneho(a, b)` says whether two headers belong to one stream.
template <class Hlavicka, class Cist, class Stejneho>
std::optional<Synchronizace<Hlavicka>> NajitTriRamce(std::span<const std::uint8_t> data,
                                                     std::size_t delkaHlavicky, Cist cist,
                                                     Stejneho stejneho) {
    for (std::size_t posun = 0; posun + delkaHlavicky <= data.size(); ++posun) {
        const std::optional<Hlavicka> prvni = cist(data.subspan(posun));
        if (!prvni) {
            continue;
        }
        std::size_t dalsi = posun + prvni->delkaRamce;
        bool retez = true;
        for (int i = 0; i < 2 && retez; ++i) {
            if (dalsi + delkaHlavicky > data.size()) {
                retez = false;
                break;
            }
            const std::optional<Hlavicka> h = cist(data.subspan(dalsi));
            retez = h && stejneho(*prvni, *h);
            if (retez) {
                dalsi += h->delkaRamce;
            }
        }
        if (retez) {
            return Synchronizace<Hlavicka>{posun, *prvni};
        }
    }
    return std::nullopt;
}

} // namespace Vrbatec::Stream
