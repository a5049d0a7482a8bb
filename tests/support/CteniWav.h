// Reads back a WAV file that the program recorded, checking what a player relies on: the RIFF
// and data sizes agree with the file's length, and the format is 16-bit PCM.
#pragma once

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace Vrbatec::Testy {

struct ZvukWav {
    std::uint32_t vzorkovani = 0;
    std::uint16_t kanalu = 0;
    // The first channel.
    std::vector<std::int16_t> vzorky;

    double Sekund() const { return static_cast<double>(vzorky.size()) / vzorkovani; }
};

// The sound, or nothing with the reason in `chyba`.
inline std::optional<ZvukWav> NacistWav(const std::filesystem::path& cesta, std::string& chyba) {
    std::ifstream soubor(cesta, std::ios::binary);
    const std::vector<std::uint8_t> bajty{std::istreambuf_iterator<char>(soubor),
                                          std::istreambuf_iterator<char>()};
    const auto cislo32 = [&](std::size_t kde) {
        std::uint32_t hodnota = 0;
        std::memcpy(&hodnota, bajty.data() + kde, 4);
        return hodnota;
    };
    const auto cislo16 = [&](std::size_t kde) {
        std::uint16_t hodnota = 0;
        std::memcpy(&hodnota, bajty.data() + kde, 2);
        return hodnota;
    };
    const auto znaky = [&](std::size_t kde) {
        return std::string(bajty.begin() + kde, bajty.begin() + kde + 4);
    };
    if (bajty.size() < 44) {
        chyba = "shorter than a header: " + std::to_string(bajty.size()) + " bytes";
        return std::nullopt;
    }
    if (znaky(0) != "RIFF" || znaky(8) != "WAVE" || znaky(12) != "fmt " || cislo32(16) != 16 ||
        znaky(36) != "data") {
        chyba = "not a RIFF WAVE file with fmt and data chunks";
        return std::nullopt;
    }
    if (cislo32(4) != bajty.size() - 8 || cislo32(40) != bajty.size() - 44) {
        chyba = "sizes " + std::to_string(cislo32(4)) + "/" + std::to_string(cislo32(40)) +
                " do not match the file of " + std::to_string(bajty.size()) + " bytes";
        return std::nullopt;
    }
    ZvukWav zvuk;
    zvuk.kanalu = cislo16(22);
    zvuk.vzorkovani = cislo32(24);
    if (cislo16(20) != 1 || cislo16(34) != 16 || zvuk.kanalu == 0 ||
        cislo16(32) != zvuk.kanalu * 2 || cislo32(28) != zvuk.vzorkovani * zvuk.kanalu * 2) {
        chyba = "not a consistent 16-bit PCM format";
        return std::nullopt;
    }
    if (cislo32(40) % (zvuk.kanalu * 2u) != 0) {
        chyba = "a partial frame at the end";
        return std::nullopt;
    }
    const std::size_t snimek = zvuk.kanalu * 2u;
    for (std::size_t kde = 44; kde + snimek <= bajty.size(); kde += snimek) {
        zvuk.vzorky.push_back(static_cast<std::int16_t>(cislo16(kde)));
    }
    return zvuk;
}

} // namespace Vrbatec::Testy
