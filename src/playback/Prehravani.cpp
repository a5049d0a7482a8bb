#include "playback/Prehravani.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "winapi/Diagnostika.h"
#include "config/UlozisteNastaveni.h"
#include "playback/PravidlaHlasitosti.h"
#include "playback/TextStavu.h"
#include "res/resource.h"
#include "sources/UlozisteZdroju.h"
#include "winapi/IVrbatecModul.h"

namespace Vrbatec {

namespace {

constexpr wchar_t kAtributBitoveRychlosti[] = L"Bitrate";
constexpr wchar_t kAtributTitulu[] = L"Title";

std::int32_t MilisekundBufferu(std::uint32_t sekund) {
    const std::uint64_t milisekund = std::uint64_t{sekund} * 1000;
    return static_cast<std::int32_t>(
        std::min<std::uint64_t>(milisekund, std::numeric_limits<std::int32_t>::max()));
}

} // namespace

Prehravani::Prehravani(Okoli& okoli, TovarnaPrehravace tovarna, Prostredi prostredi)
    : okoli_(okoli), tovarna_(std::move(tovarna)), prostredi_(std::move(prostredi)) {}

Prehravani::~Prehravani() = default;

void Prehravani::VytvoritPrehravac() {
    if (prehravac_) {
        return;
    }
    std::unique_ptr<Prehravac> prehravac;
    try {
        prehravac = tovarna_(okoli_.HlavniOkno(), *this);
    } catch (HRESULT hr) {
        // Without the control the program has nothing to play with.
        FatalniHResult(hr);
    }
    if (!prehravac) {
        return;
    }
    const Nastaveni& nastaveni = prostredi_.nastaveni;
    if (prehravac->MaSit()) {
        prehravac->NastavitDobuBufferu(MilisekundBufferu(nastaveni.sekundBufferu));
    }
    if (prehravac->MaNastaveni() && nastaveni.hlasitost <= PravidlaHlasitosti::kNejvyssi) {
        prehravac->NastavitHlasitost(static_cast<std::int32_t>(nastaveni.hlasitost));
    }
    prehravac_ = std::move(prehravac);
}

void Prehravani::ZrusitPrehravac() {
    prehravac_.reset();
    // A new control starts unmuted.
    ztlumeno_ = false;
}

template <class Kroky>
void Prehravani::ProvestPrikaz(Kroky kroky) {
    try {
        kroky();
    } catch (HRESULT hr) {
        ZobrazitChybuSPopisem(L"Příkaz přehrávače se nepodařilo provést.", hr);
    }
}

void Prehravani::Spustit() {
    ProvestPrikaz([this] {
        const int vybrany = okoli_.VybranyIndex();
        if (!PlatnyIndex(vybrany)) {
            ZobrazitTextZTabulky(IDS_INDEX_MIMO_ROZSAH);
            return;
        }
        // A copy: the views may be refreshed while the player is busy.
        const Zdroj zdroj = prostredi_.zdroje.Polozka(static_cast<std::uint32_t>(vybrany));
        if (!ZacitZdroj(zdroj)) {
            return;
        }
        prehravanyIndex_ = vybrany;
        UlozitPosledniPrehravany(vybrany);
        prehravanyNazev_ = zdroj.nazev;
        OznamitPrehravaniZdroje(zdroj.nazev);
    });
}

HRESULT Prehravani::PrehratZdroj(int index) {
    if (!PlatnyIndex(index)) {
        return E_INVALIDARG;
    }
    ProvestPrikaz([this, index] {
        const Zdroj zdroj = prostredi_.zdroje.Polozka(static_cast<std::uint32_t>(index));
        if (!ZacitZdroj(zdroj)) {
            return;
        }
        // Played from the submenu, not chosen as the one to come back to: the last played
        // index and the playing name stay.
        okoli_.VybratIndex(index);
        prehravanyIndex_ = index;
        OznamitPrehravaniZdroje(zdroj.nazev);
    });
    return S_OK;
}

void Prehravani::PrehratAdresu(std::wstring adresa) {
    // Held by value: the address may be the opened one, which stopping the player clears.
    ProvestPrikaz([this, &adresa] {
        if (!ZacitAdresu(adresa)) {
            return;
        }
        prehravanyIndex_ = kNicSeNeprehrava;
        otevrenaAdresa_ = adresa;
        okoli_.NastavitTitulek(TextStavu::TitulekPrehravani(adresa, prostredi_.nazevAplikace));
        okoli_.AktualizovatStavPrikazu();
        okoli_.NastavitIkonuPrehravani(true);
    });
}

void Prehravani::Zastavit() {
    if (!prehravac_) {
        return;
    }
    ProvestPrikaz([this] {
        prehravac_->Zastavit();
        prehravanyIndex_ = kNicSeNeprehrava;
        prehravanyNazev_.clear();
        okoli_.NastavitTitulek(prostredi_.nazevAplikace);
        okoli_.AktualizovatStavPrikazu();
        okoli_.NastavitIkonuPrehravani(false);
    });
}

void Prehravani::PrepnoutZtlumeni() {
    if (!prehravac_ || !prehravac_->MaNastaveni()) {
        return;
    }
    ProvestPrikaz([this] {
        const bool ztlumit = !Ztlumeno();
        prehravac_->NastavitZtlumeni(ztlumit);
        ztlumeno_ = ztlumit;
        okoli_.NastavitTextZtlumeni(ztlumit);
        okoli_.UkazatZtlumeniNaPanelu(ztlumit);
        okoli_.AktualizovatStavPrikazu();
    });
}

void Prehravani::ZvysitHlasitost() {
    const Nastaveni& nastaveni = prostredi_.nastaveni;
    PouzitHlasitost(PravidlaHlasitosti::Zvysit(nastaveni.hlasitost, nastaveni.krokZmenyHlasitosti));
}

void Prehravani::SnizitHlasitost() {
    const Nastaveni& nastaveni = prostredi_.nastaveni;
    PouzitHlasitost(PravidlaHlasitosti::Snizit(nastaveni.hlasitost, nastaveni.krokZmenyHlasitosti));
}

void Prehravani::NastavitHlasitostOvladanim(std::uint32_t hlasitost) {
    if (!prehravac_ || !prehravac_->MaNastaveni()) {
        return;
    }
    prostredi_.nastaveni.hlasitost = hlasitost;
    prehravac_->NastavitHlasitost(static_cast<std::int32_t>(hlasitost));
}

void Prehravani::NastavitZtlumeniOvladanim(bool ztlumit) {
    if (prehravac_ && prehravac_->MaNastaveni()) {
        prehravac_->NastavitZtlumeni(ztlumit);
        ztlumeno_ = ztlumit;
    }
    okoli_.NastavitTextZtlumeni(ztlumit);
}

void Prehravani::PriZmeneStavu(std::int32_t stav) {
    stav_ = stav;
    const TextStavu::UcinekStavu ucinek = TextStavu::PodleStavu(stav);
    if (ucinek.zapomenoutAdresu) {
        otevrenaAdresa_.clear();
        ZobrazitTitul({});
    }
    if (ucinek.zapomenoutNazev) {
        prehravanyNazev_.clear();
    }
    if (ucinek.textDatovehoToku) {
        if (std::optional<std::wstring> text = TextDatovehoToku()) {
            okoli_.NastavitTextStavu(TextStavu::PripojitTitul(std::move(*text), titul_));
            return;
        }
    }
    if (stav == static_cast<std::int32_t>(StavPrehravace::Pripraven) && prehravac_) {
        // The reason a stream failed says more than "ready".
        if (std::wstring duvod = prehravac_->DuvodSelhani(); !duvod.empty()) {
            okoli_.NastavitTextStavu(duvod);
            return;
        }
    }
    if (ucinek.text) {
        okoli_.NastavitTextStavu(std::wstring(*ucinek.text));
    } else {
        okoli_.ZnovuZobrazitTextStavu();
    }
}

void Prehravani::PriZmeneTitulu() {
    std::wstring titul;
    if (!prehravac_ || FAILED(prehravac_->InformaceMedia(kAtributTitulu, titul))) {
        return;
    }
    ZobrazitTitul(std::move(titul));
    if (stav_ == static_cast<std::int32_t>(StavPrehravace::Prehrava)) {
        PriZmeneStavu(stav_);
    }
}

void Prehravani::ZobrazitTitul(std::wstring titul) {
    if (titul == titul_) {
        return;
    }
    titul_ = std::move(titul);
    okoli_.NastavitTipIkony(
        TextStavu::PripojitTitul(tipIkony_.empty() ? prostredi_.nazevAplikace : tipIkony_, titul_));
}

bool Prehravani::Ztlumeno() const {
    if (!prehravac_ || !prehravac_->MaNastaveni()) {
        return false;
    }
    bool ztlumeno = false;
    if (FAILED(prehravac_->Ztlumeno(ztlumeno))) {
        return ztlumeno_;
    }
    return ztlumeno;
}

bool Prehravani::PlatnyIndex(int index) const {
    return index >= 0 && static_cast<std::uint32_t>(index) < prostredi_.zdroje.Pocet();
}

bool Prehravani::ZacitZdroj(const Zdroj& zdroj) {
    VytvoritPrehravac();
    if (!prehravac_) {
        return false;
    }
    prehravac_->Zastavit();
    ZobrazitTitul({});
    prehravac_->OtevritUrl(zdroj.url);
    PouzitVlastniHlasitost(zdroj.hlasitost);
    prehravac_->Prehrat();
    return true;
}

bool Prehravani::ZacitAdresu(const std::wstring& adresa) {
    VytvoritPrehravac();
    if (!prehravac_) {
        return false;
    }
    prehravac_->Zastavit();
    ZobrazitTitul({});
    prehravac_->OtevritUrl(adresa);
    prehravac_->Prehrat();
    return true;
}

void Prehravani::PouzitVlastniHlasitost(std::int32_t hlasitost) {
    // Without the settings object the player keeps its volume, and so do the panel and the
    // current volume, which must keep saying what the player has.
    if (!PravidlaHlasitosti::VlastniHlasitostPlati(hlasitost) || !prehravac_->MaNastaveni()) {
        return;
    }
    prostredi_.nastaveni.hlasitost = static_cast<std::uint32_t>(hlasitost);
    prehravac_->NastavitHlasitost(hlasitost);
    okoli_.UkazatHlasitostNaPanelu(static_cast<std::uint32_t>(hlasitost));
}

void Prehravani::PouzitHlasitost(std::optional<std::uint32_t> hlasitost) {
    if (!hlasitost) {
        return;
    }
    prostredi_.nastaveni.hlasitost = *hlasitost;
    if (prehravac_ && prehravac_->MaNastaveni()) {
        prehravac_->NastavitHlasitost(static_cast<std::int32_t>(*hlasitost));
    }
    okoli_.UkazatHlasitostNaPanelu(*hlasitost);
}

void Prehravani::OznamitPrehravaniZdroje(const std::wstring& nazev) {
    okoli_.AktualizovatStavPrikazu();
    tipIkony_ = TextStavu::TipIkonyPrehravani(prostredi_.nazevAplikace, nazev);
    okoli_.NastavitTipIkony(tipIkony_);
    okoli_.NastavitTitulek(TextStavu::TitulekPrehravani(nazev, prostredi_.nazevAplikace));
    okoli_.NastavitIkonuPrehravani(true);
}

void Prehravani::UlozitPosledniPrehravany(int index) {
    prostredi_.nastaveni.prehravanyIndex = index;
    if (const HRESULT hr = prostredi_.ulozitStavZobrazeni(); FAILED(hr)) {
        // Playback goes on; only the return to this source after a restart is lost.
        ZobrazitChybuSPopisem(L"Stav zobrazení se nepodařilo uložit.", hr);
    }
}

std::optional<std::wstring> Prehravani::TextDatovehoToku() const {
    std::wstring bitovaRychlost;
    if (!prehravac_ ||
        FAILED(prehravac_->InformaceMedia(kAtributBitoveRychlosti, bitovaRychlost))) {
        return std::nullopt;
    }
    const std::wstring nazev = TextStavu::NazevPrehravanehoZdroje(
        otevrenaAdresa_, prostredi_.zdroje, okoli_.VybranyIndex());
    return TextStavu::TextDatovehoToku(TextStavu::KilobituZaSekundu(bitovaRychlost), nazev);
}

Prehravani::Prostredi ProstrediAplikace() {
    return {.zdroje = Zdroje(),
            .nastaveni = NastaveniAplikace(),
            .ulozitStavZobrazeni = [] { return UlozisteAplikace().UlozitStavZobrazeni(); },
            .nazevAplikace = ZverejnenyModul().NazevAplikace()};
}

} // namespace Vrbatec
