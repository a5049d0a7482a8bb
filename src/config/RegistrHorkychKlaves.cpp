#include "config/RegistrHorkychKlaves.h"

#include <set>
#include <vector>

#include "winapi/KlicRegistru.h"
#include "config/NazevPrikazu.h"
#include "config/PopisNastaveni.h"

namespace Vrbatec {

namespace {

constexpr std::size_t kMaxDelkaNazvu = 49;

void PridatPrikazyZNazvu(TabulkaHorkychKlaves& tabulka, const KlicRegistru& klic) {
    std::vector<std::wstring> nazvy;
    // Whatever could be listed before a failure still counts.
    klic.NazvyHodnot(kMaxDelkaNazvu, nazvy);
    for (const std::wstring& nazev : nazvy) {
        if (!nazev.empty()) {
            tabulka.Pridat(static_cast<std::uint32_t>(CisloZNazvu(nazev)), 0);
        }
    }
}

void NacistZaznam(HorkaKlavesa& zaznam, const KlicRegistru& klic) {
    ZabalenaHorkaKlavesa data{};
    std::size_t precteno = 0;
    if (klic.CistBinarni(NazevHodnotyPrikazu(zaznam.prikaz).c_str(), data, precteno) != S_OK) {
        return;
    }
    // The command names the value; what the value says about its command does not count.
    const HorkaKlavesa ulozena = Rozbalit(data);
    zaznam.modifikatory = ulozena.modifikatory;
    zaznam.klavesa = ulozena.klavesa;
    zaznam.skupina = ulozena.skupina;
}

// The longest name a registry value can have.
constexpr std::size_t kNejdelsiNazevHodnoty = 16383;

} // namespace

HRESULT NacistHorkeKlavesy(TabulkaHorkychKlaves& tabulka, const std::wstring& korenNastaveni) {
    KlicRegistru klic(HKEY_CURRENT_USER, korenNastaveni);
    if (klic.Otevrit(kKlicHorkychKlaves, false) != S_OK) {
        return 1;
    }
    PridatPrikazyZNazvu(tabulka, klic);
    for (HorkaKlavesa& zaznam : tabulka.Zaznamy()) {
        NacistZaznam(zaznam, klic);
    }
    return S_OK;
}

HRESULT UlozitHorkeKlavesy(const TabulkaHorkychKlaves& tabulka,
                           const std::wstring& korenNastaveni) {
    KlicRegistru klic(HKEY_CURRENT_USER, korenNastaveni);
    HRESULT hr = klic.Otevrit(true);
    if (hr != S_OK) {
        return hr;
    }
    hr = klic.Otevrit(kKlicHorkychKlaves, true);
    if (hr != S_OK) {
        return hr;
    }
    // Every record is written over the stored one first, and only then goes what no longer
    // belongs to the table: a save cut short leaves the hotkeys as they were or as they are
    // now, never none.
    std::set<std::wstring> vlastni;
    for (const HorkaKlavesa& zaznam : tabulka.Zaznamy()) {
        const std::wstring nazev = NazevHodnotyPrikazu(zaznam.prikaz);
        hr = klic.ZapsatBinarni(nazev.c_str(), Zabalit(zaznam));
        if (hr != S_OK) {
            return hr;
        }
        vlastni.insert(nazev);
    }
    std::vector<std::wstring> hodnoty;
    std::vector<std::wstring> podklice;
    hr = klic.NazvyHodnot(kNejdelsiNazevHodnoty, hodnoty);
    if (hr == S_OK) {
        hr = klic.NazvyPodklicu(podklice);
    }
    for (std::size_t i = 0; hr == S_OK && i < hodnoty.size(); ++i) {
        if (!vlastni.contains(hodnoty[i])) {
            hr = klic.SmazatHodnotu(hodnoty[i].c_str());
        }
    }
    for (std::size_t i = 0; hr == S_OK && i < podklice.size(); ++i) {
        hr = klic.SmazatPodklic(podklice[i].c_str());
    }
    return hr;
}

} // namespace Vrbatec
