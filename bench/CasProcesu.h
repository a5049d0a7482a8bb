// The CPU time of the program a benchmark started. Under Wine the system keeps no times of
// other processes; the Unix side does, in /proc/<pid>/stat, which Wine shows on drive Z:.
#pragma once

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>

namespace Mereni {

// The Unix processes whose command line names the program; the program's own is the one that
// was not there before it started.
inline std::set<std::wstring> ProcesyProgramu() {
    std::set<std::wstring> nalezene;
    WIN32_FIND_DATAW nalez{};
    HANDLE hledani = FindFirstFileW(L"Z:\\proc\\*", &nalez);
    if (hledani == INVALID_HANDLE_VALUE) {
        return nalezene;
    }
    do {
        const std::wstring id = nalez.cFileName;
        if (id.empty() || id.find_first_not_of(L"0123456789") != std::wstring::npos) {
            continue;
        }
        std::ifstream radek(std::filesystem::path(L"Z:\\proc\\" + id + L"\\cmdline"),
                            std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(radek), {}};
        if (text.find("Zvukolet.exe") != std::string::npos) {
            nalezene.insert(id);
        }
    } while (FindNextFileW(hledani, &nalez));
    FindClose(hledani);
    return nalezene;
}

// User and system time of the Unix process so far, in seconds; -1 when it cannot be read.
inline double CasUnixProcesu(const std::wstring& id) {
    std::ifstream soubor(std::filesystem::path(L"Z:\\proc\\" + id + L"\\stat"));
    std::string stav;
    std::getline(soubor, stav);
    // The fields after the command's name in parentheses, which may hold spaces.
    std::istringstream pole(stav.substr(stav.rfind(')') + 2));
    std::string hodnota;
    double tiku = -1;
    for (int cislo = 3; pole >> hodnota; ++cislo) {
        if (cislo == 14) {
            tiku = std::stod(hodnota);
        } else if (cislo == 15) {
            return (tiku + std::stod(hodnota)) / 100; // USER_HZ
        }
    }
    return -1;
}

// User and kernel time of the process so far, in seconds: from the Unix side under Wine,
// whose own figures for another process leave out most of its threads, else from the system.
inline double CasProcesoru(HANDLE proces, const std::wstring& unixId) {
    if (!unixId.empty()) {
        return CasUnixProcesu(unixId);
    }
    FILETIME vznik, konec, jadro, uzivatel;
    if (!GetProcessTimes(proces, &vznik, &konec, &jadro, &uzivatel)) {
        return -1;
    }
    const auto sekundy = [](const FILETIME& cas) {
        return static_cast<double>((static_cast<unsigned long long>(cas.dwHighDateTime) << 32) |
                                   cas.dwLowDateTime) /
               1e7;
    };
    return sekundy(jadro) + sekundy(uzivatel);
}

} // namespace Mereni
