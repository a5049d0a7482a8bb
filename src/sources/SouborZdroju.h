// The list file on disk.
//
// Reading never fails loudly: a missing or unreadable file gives an empty list. It does
// say, though, when a file was there with content the list could not take, so that the
// next save keeps a copy of it instead of silently replacing the user's list. Writing
// replaces the file in one step, so a failed or interrupted save leaves the previous file
// as it was.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "sources/Zdroj.h"

namespace Vrbatec::SouborZdroju {

// Far beyond any real list (100 000 sources take about 30 MiB); a bigger file is not read,
// so that no file can exhaust the memory.
inline constexpr std::uint64_t kNejvetsiVelikost = 64ull * 1024 * 1024;

struct Precteno {
    std::vector<Zdroj> zdroje;
    HRESULT hr = S_OK;
    // The file exists, but could not be read or, not being empty, gave no records.
    bool nepouzitelny = false;
};

Precteno Precist(const std::wstring& cesta);

// Writes the whole file into a temporary file in the same folder, flushes it and puts it in
// place of the old one. Throws the HRESULT of a failed step; the old file is then intact
// and the temporary file is gone.
void Zapsat(const std::wstring& cesta, std::span<const Zdroj> zdroje);

// Copies the file beside itself under the first backup name not yet taken, and returns
// that name. Throws the HRESULT of a failure.
std::wstring Zalohovat(const std::wstring& cesta);

// A file that cannot be opened may still be known to be empty (for instance while another
// program holds it open); such a file has nothing to lose.
bool ZnameJakoPrazdny(const std::wstring& cesta);

// False only when the system says that there is no such file.
bool MoznaExistuje(const std::wstring& cesta);

// The absolute form of the path, as the messages and the remembered state use it.
std::wstring PlnaCesta(const std::wstring& cesta);

} // namespace Vrbatec::SouborZdroju
