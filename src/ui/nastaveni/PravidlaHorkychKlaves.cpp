#include "ui/nastaveni/PravidlaHorkychKlaves.h"

#include <algorithm>
#include <array>

#include "ui/TextHorkeKlavesy.h"

namespace Vrbatec::Ui::PravidlaHorkychKlaves {

namespace {

struct DvojiceModifikatoru {
    std::uint32_t ovladac;
    std::uint32_t zaznam;
};

constexpr std::array<DvojiceModifikatoru, 3> kModifikatory{{
    {kOvladacShift, TextHorkeKlavesy::kShift},
    {kOvladacCtrl, TextHorkeKlavesy::kCtrl},
    {kOvladacAlt, TextHorkeKlavesy::kAlt},
}};

} // namespace

std::uint16_t HodnotaOvladace(const HorkaKlavesa& zaznam) {
    std::uint32_t priznaky = 0;
    for (const DvojiceModifikatoru& m : kModifikatory) {
        if ((zaznam.modifikatory & m.zaznam) != 0) {
            priznaky |= m.ovladac;
        }
    }
    return static_cast<std::uint16_t>((priznaky << 8) | (zaznam.klavesa & 0xFFu));
}

Kombinace ZHodnotyOvladace(std::uint32_t hodnota) {
    const std::uint32_t priznaky = (hodnota >> 8) & 0xFFu;
    Kombinace kombinace{.klavesa = hodnota & 0xFFu};
    for (const DvojiceModifikatoru& m : kModifikatory) {
        if ((priznaky & m.ovladac) != 0) {
            kombinace.modifikatory |= m.zaznam;
        }
    }
    return kombinace;
}

bool JePouzita(const TabulkaHorkychKlaves& tabulka, const Kombinace& kombinace) {
    if (kombinace.klavesa == 0) {
        return false;
    }
    const auto zaznamy = tabulka.Zaznamy();
    return std::any_of(zaznamy.begin(), zaznamy.end(), [&](const HorkaKlavesa& z) {
        return Kombinace{z.modifikatory, z.klavesa} == kombinace;
    });
}

std::vector<std::size_t> ZaznamySkupiny(const TabulkaHorkychKlaves& tabulka,
                                        std::uint32_t skupina) {
    std::vector<std::size_t> indexy;
    const auto zaznamy = tabulka.Zaznamy();
    for (std::size_t i = 0; i < zaznamy.size(); ++i) {
        if (skupina == 0 || zaznamy[i].skupina == skupina) {
            indexy.push_back(i);
        }
    }
    return indexy;
}

} // namespace Vrbatec::Ui::PravidlaHorkychKlaves
