#include "config/RegistrHorkychKlaves.h"

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
    // A failed delete shows in the writes that follow, if it matters at all.
    klic.SmazatPodklic(kKlicHorkychKlaves);
    hr = klic.Otevrit(kKlicHorkychKlaves, true);
    if (hr != S_OK) {
        return hr;
    }
    for (const HorkaKlavesa& zaznam : tabulka.Zaznamy()) {
        hr = klic.ZapsatBinarni(NazevHodnotyPrikazu(zaznam.prikaz).c_str(), Zabalit(zaznam));
        if (hr != S_OK) {
            return hr;
        }
    }
    return S_OK;
}

} // namespace Vrbatec
