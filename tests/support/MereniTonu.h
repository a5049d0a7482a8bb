// The measures the tests take of recorded sound: how loud its loudest stretch is and what
// frequency it has, from 16-bit samples of one channel.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace Vrbatec::Testy {

// The effective level of the loudest 50 ms, so that the device's latency or a short gap does
// not water a level down.
inline double NejvyssiUroven(std::span<const std::int16_t> vzorky, std::uint32_t vzorkovani) {
    const std::size_t okno = vzorkovani / 20;
    double nejvic = 0;
    for (std::size_t zacatek = 0; zacatek + okno <= vzorky.size(); zacatek += okno) {
        double soucet = 0;
        for (std::size_t i = zacatek; i < zacatek + okno; ++i) {
            soucet += static_cast<double>(vzorky[i]) * vzorky[i];
        }
        nejvic = std::max(nejvic, std::sqrt(soucet / static_cast<double>(okno)));
    }
    return nejvic;
}

// From the median distance between rising zero crossings, which silence or a gap in the
// recording does not move.
inline double Kmitocet(std::span<const std::int16_t> vzorky, std::uint32_t vzorkovani) {
    std::vector<std::size_t> periody;
    std::size_t predchozi = 0;
    for (std::size_t i = 1; i < vzorky.size(); ++i) {
        if (vzorky[i - 1] < 0 && vzorky[i] >= 0) {
            if (predchozi != 0) {
                periody.push_back(i - predchozi);
            }
            predchozi = i;
        }
    }
    if (periody.empty()) {
        return 0;
    }
    std::nth_element(periody.begin(), periody.begin() + periody.size() / 2, periody.end());
    return static_cast<double>(vzorkovani) / static_cast<double>(periody[periody.size() / 2]);
}

} // namespace Vrbatec::Testy
