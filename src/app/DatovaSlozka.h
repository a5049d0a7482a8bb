// Where the program keeps its data: a folder under local application data, or the program
// folder itself when it runs from a removable drive (so that a program carried on a stick
// leaves nothing behind on the computer).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Vrbatec::DatovaSlozka {

inline constexpr std::uint32_t kJednotkaVymenna = 2; // DRIVE_REMOVABLE

// Drive types outside 2..5 (removable, fixed, remote, CD-ROM) count as 0.
std::uint32_t NormalizovatTypJednotky(std::uint32_t typ);

// The folder of a path without its file name ("C:\a\b.exe" → "C:\a").
std::wstring SlozkaSouboru(const std::wstring& cesta);

struct Plan {
    std::wstring cesta;
    // Folders to create in this order when missing; empty when the data stay in the
    // program folder.
    std::vector<std::wstring> vytvorit;
    // Whether the local application-data folder is needed at all.
    bool potrebujeLocalAppData = false;
};

Plan Naplanovat(const std::wstring& slozkaProgramu, std::uint32_t typJednotky,
                const std::wstring& localAppData);

} // namespace Vrbatec::DatovaSlozka
