#include "config/TabulkaHorkychKlaves.h"

#include <algorithm>
#include <array>

namespace Vrbatec {

namespace {

struct VychoziPrikaz {
    std::uint32_t prikaz;
    std::uint32_t skupina;
};

// Playback and recording first, then the general commands under their own heading.
constexpr std::array<VychoziPrikaz, 10> kVychoziPrikazy{{
    {40006, 0},                 // start playing
    {40007, 0},                 // stop playing
    {40013, 0},                 // mute or unmute
    {40020, 0},                 // volume up
    {40021, 0},                 // volume down
    {40030, 0},                 // start recording
    {40031, 0},                 // stop recording
    {40014, kSkupinaVseobecne}, // open URL
    {40001, kSkupinaVseobecne}, // exit
    {40002, kSkupinaVseobecne}, // settings
}};

} // namespace

bool TabulkaHorkychKlaves::Obsahuje(std::uint32_t prikaz) const {
    return std::any_of(zaznamy_.begin(), zaznamy_.end(),
                       [prikaz](const HorkaKlavesa& k) { return k.prikaz == prikaz; });
}

bool TabulkaHorkychKlaves::Pridat(std::uint32_t prikaz, std::uint32_t skupina) {
    if (Obsahuje(prikaz)) {
        return false;
    }
    HorkaKlavesa zaznam;
    zaznam.prikaz = prikaz;
    zaznam.skupina = skupina;
    zaznamy_.push_back(zaznam);
    return true;
}

void TabulkaHorkychKlaves::NastavitVychozi() {
    Vyprazdnit();
    for (const VychoziPrikaz& p : kVychoziPrikazy) {
        Pridat(p.prikaz, p.skupina);
    }
}

} // namespace Vrbatec
