#include "recording/ProfilyZaznamu.h"

#include <algorithm>
#include <iterator>

namespace Vrbatec::ProfilyZaznamu {

namespace {

constexpr Profil WindowsMedia(const Guid& id) {
    return {id, Zapisovac::WindowsMedia, {}};
}

constexpr Profil kNabizene[] = {
    WindowsMedia({0x7EA3126D, 0xE1BA, 0x4716, {0x89, 0xAF, 0xF6, 0x5C, 0xEE, 0x0C, 0x0C, 0x67}}),
    WindowsMedia({0x7E4CAB5C, 0x35DC, 0x45BB, {0xA7, 0xC0, 0x19, 0xB2, 0x80, 0x70, 0xD0, 0xCC}}),
    WindowsMedia({0x60907F9F, 0xB352, 0x47E5, {0xB2, 0x10, 0x0E, 0xF1, 0xF4, 0x7E, 0x9F, 0x9D}}),
    WindowsMedia({0x5EE06BE5, 0x492B, 0x480A, {0x8A, 0x8F, 0x12, 0xF3, 0x73, 0xEC, 0xF9, 0xD4}}),
    WindowsMedia({0x09BB5BC4, 0x3176, 0x457F, {0x8D, 0xD6, 0x3C, 0xD9, 0x19, 0x12, 0x3E, 0x2D}}),
    WindowsMedia({0x1FC81930, 0x61F2, 0x436F, {0x9D, 0x33, 0x34, 0x9F, 0x2A, 0x1C, 0x0F, 0x10}}),
    WindowsMedia({0x407B9450, 0x8BDC, 0x4EE5, {0x88, 0xB8, 0x6F, 0x52, 0x7B, 0xD9, 0x41, 0xF2}}),
    {kProfilWav, Zapisovac::Wav, L"WAV (PCM, bez komprese)"},
};

} // namespace

std::span<const Profil> Nabizene() {
    return kNabizene;
}

const Profil* Najit(const Guid& id) {
    const auto nalezeny = std::find_if(std::begin(kNabizene), std::end(kNabizene),
                                       [&id](const Profil& profil) { return profil.id == id; });
    return nalezeny == std::end(kNabizene) ? nullptr : nalezeny;
}

Zapisovac ZapisovacProfilu(const Guid& id) {
    const Profil* profil = Najit(id);
    return profil ? profil->zapisovac : Zapisovac::WindowsMedia;
}

std::wstring_view Pripona(const Guid& id) {
    return ZapisovacProfilu(id) == Zapisovac::Wav ? L".wav" : L".wma";
}

} // namespace Vrbatec::ProfilyZaznamu
