// The reading rules of the list file followed step by step, without any shortcut: every
// record's end is searched for from its start, and every field is looked up afresh from the
// start of the record's content. Slow, and therefore a reference for the codec, which reads
// each record in one pass and most records without looking at their fixed text.
#pragma once

#include <string_view>
#include <vector>

#include "sources/HodnotyPoli.h"
#include "sources/Utf16.h"
#include "sources/Zdroj.h"

namespace Vrbatec::CteniPodlePravidel {

// The slot keeps its value when the field is missing.
inline void NajitPole(std::u16string_view obsah, std::u16string_view oteviraci,
                      std::u16string_view zaviraci, std::u16string_view& prihradka) {
    const std::size_t zacatek = obsah.find(oteviraci);
    if (zacatek == std::u16string_view::npos) {
        return;
    }
    const std::size_t konec = obsah.find(zaviraci, zacatek);
    if (konec == std::u16string_view::npos) {
        return;
    }
    prihradka = obsah.substr(zacatek + oteviraci.size(), konec - zacatek - oteviraci.size());
}

inline std::vector<Zdroj> Precist(std::u16string_view text) {
    constexpr std::u16string_view kZacatek = u"<zdroj>";
    std::vector<Zdroj> zdroje;
    std::u16string_view nazev;
    std::u16string_view url;
    std::u16string_view cislo;
    std::size_t p = 0;
    while (true) {
        const std::size_t zacatek = text.find(kZacatek, p);
        if (zacatek == std::u16string_view::npos) {
            break;
        }
        const std::size_t konec = text.find(u"</zdroj>", zacatek);
        if (konec == std::u16string_view::npos) {
            break;
        }
        p = konec;
        const std::u16string_view obsah =
            text.substr(zacatek + kZacatek.size(), konec - zacatek - kZacatek.size());
        NajitPole(obsah, u"<nazev>", u"</nazev>", nazev);
        NajitPole(obsah, u"<url>", u"</url>", url);
        Zdroj zdroj{Utf16::NaWString(nazev), Utf16::NaWString(url), kBezVlastniHlasitosti, true};
        NajitPole(obsah, u"<hlasitost>", u"</hlasitost>", cislo);
        zdroj.hlasitost = HodnotyPoli::CisloZTextu(cislo);
        NajitPole(obsah, u"<menu>", u"</menu>", cislo);
        zdroj.menu = HodnotyPoli::PriznakZTextu(cislo);
        zdroje.push_back(std::move(zdroj));
    }
    return zdroje;
}

} // namespace Vrbatec::CteniPodlePravidel
