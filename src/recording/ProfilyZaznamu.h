// The encoding profiles offered for recording, in the order the settings offer them: seven
// Windows Media system profiles, whose names the profile manager gives, then uncompressed WAV,
// which the program writes itself and so names itself. It needs no Windows Media component and
// records wherever there is a capture device.
//
// The chosen profile is stored by its identifier alone. An identifier that is not offered
// still goes to the profile manager, which reports it as a profile it cannot load.
#pragma once

#include <span>
#include <string_view>

#include "config/Guid.h"

namespace Vrbatec::ProfilyZaznamu {

enum class Zapisovac {
    WindowsMedia, // the system's ASF writer, encoding with the loaded profile
    Wav,          // the program's own 16-bit PCM writer
};

struct Profil {
    Guid id;
    Zapisovac zapisovac;
    // The name shown for the profile; empty where the profile manager names it.
    std::wstring_view vlastniNazev;
};

// {6A72ABE2-A8DD-465B-A3CA-CB02F44329DC}
inline constexpr Guid kProfilWav{
    0x6A72ABE2, 0xA8DD, 0x465B, {0xA3, 0xCA, 0xCB, 0x02, 0xF4, 0x43, 0x29, 0xDC}};

std::span<const Profil> Nabizene();

// The offered profile with that identifier; nullptr when none is.
const Profil* Najit(const Guid& id);

Zapisovac ZapisovacProfilu(const Guid& id);

// ".wma" or ".wav": the extension of the files that the profile records.
std::wstring_view Pripona(const Guid& id);

} // namespace Vrbatec::ProfilyZaznamu
