// The sound the playback tests and benchmarks play and listen for: a 440 Hz sine at half of
// full scale, 16-bit mono PCM at 44.1 kHz, as a WAV file.
#pragma once

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

namespace Vrbatec::Testy {

constexpr std::uint32_t kVzorkovaniTonu = 44100;
constexpr double kKmitocetTonu = 440.0;

// Writes the tone; false when the file cannot be written whole.
inline bool ZapsatTonWav(const std::filesystem::path& cesta, std::uint32_t sekund) {
    const std::uint32_t snimku = kVzorkovaniTonu * sekund;
    // Every field falls on its natural alignment: the struct is the 44 bytes of the file.
    struct {
        char riff[4] = {'R', 'I', 'F', 'F'};
        std::uint32_t velikost = 0;
        char hlavicky[8] = {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
        std::uint32_t delkaFormatu = 16;
        std::uint16_t kodovani = 1, kanalu = 1;
        std::uint32_t vzorkovani = kVzorkovaniTonu, bajtuZaSekundu = kVzorkovaniTonu * 2;
        std::uint16_t snimek = 2, bitu = 16;
        char data[4] = {'d', 'a', 't', 'a'};
        std::uint32_t delkaDat = 0;
    } hlavicka;
    static_assert(sizeof(hlavicka) == 44);
    hlavicka.delkaDat = snimku * 2;
    hlavicka.velikost = 36 + hlavicka.delkaDat;

    std::vector<std::int16_t> vzorky;
    vzorky.reserve(snimku);
    for (std::uint32_t n = 0; n < snimku; ++n) {
        const double faze = 2 * 3.14159265358979323846 * kKmitocetTonu * n / kVzorkovaniTonu;
        vzorky.push_back(static_cast<std::int16_t>(std::lround(16383 * std::sin(faze))));
    }
    std::ofstream soubor(cesta, std::ios::binary | std::ios::trunc);
    soubor.write(reinterpret_cast<const char*>(&hlavicka), sizeof(hlavicka));
    soubor.write(reinterpret_cast<const char*>(vzorky.data()),
                 static_cast<std::streamsize>(vzorky.size() * sizeof(std::int16_t)));
    soubor.close();
    return !soubor.fail();
}

} // namespace Vrbatec::Testy
