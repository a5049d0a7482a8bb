#include "recording/Nahravac.h"

#include "recording/ProfilyZaznamu.h"
#include "res/resource.h"
#include "winapi/Diagnostika.h"
#include "winapi/DiagnostikaText.h"
#include "winapi/VzorTextu.h"

namespace Vrbatec {

namespace {

NazevZaznamu::Okamzik MistniCas() {
    SYSTEMTIME cas{};
    ::GetLocalTime(&cas);
    return {cas.wDay, cas.wMonth, cas.wYear, cas.wHour, cas.wMinute};
}

bool CestaExistuje(const std::wstring& cesta) {
    return ::GetFileAttributesW(cesta.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring JmenoSouboru(const std::wstring& cesta) {
    const std::size_t oddelovac = cesta.find_last_of(L"\\/");
    return oddelovac == std::wstring::npos ? cesta : cesta.substr(oddelovac + 1);
}

// A table text with the file's name in place of its %s.
std::wstring TextSeSouborem(UINT id, const std::wstring& soubor) {
    std::wstring vzor;
    NacistRetezec(id, vzor);
    return VzorTextu::Dosadit(vzor, {soubor});
}

} // namespace

Nahravac::Nahravac(TovarnaGrafu tovarna, Hodiny hodiny, JeObsazena jeObsazena)
    : tovarna_(std::move(tovarna)), hodiny_(hodiny ? std::move(hodiny) : Hodiny(MistniCas)),
      jeObsazena_(jeObsazena ? std::move(jeObsazena) : JeObsazena(CestaExistuje)) {}

Nahravac::~Nahravac() {
    Dokoncit();
}

HRESULT Nahravac::Spustit(const ZadaniZaznamu& zadani) {
    if (Bezi()) {
        return S_FALSE;
    }
    const std::wstring_view pripona = ProfilyZaznamu::Pripona(zadani.profil);
    const NazevZaznamu::Okamzik okamzik = hodiny_();
    std::optional<std::wstring> cesta = NazevZaznamu::CestaZaznamu(
        zadani.slozka, zadani.prehravanyNazev, okamzik, pripona, jeObsazena_);
    if (!cesta) {
        // Every numbered name of this minute is taken; the message names the first of them.
        soubor_ = NazevZaznamu::VeSlozce(
            zadani.slozka, NazevZaznamu::CastSNazvem(zadani.prehravanyNazev) +
                               NazevZaznamu::DatumACas(okamzik) + std::wstring(pripona));
        const HRESULT hr = HRESULT_FROM_WIN32(ERROR_FILE_EXISTS);
        OznamitChybuSpusteni(hr);
        return hr;
    }
    soubor_ = std::move(*cesta);

    std::unique_ptr<GrafZaznamu> graf = tovarna_(ProfilyZaznamu::ZapisovacProfilu(zadani.profil));
    const HRESULT hr = graf ? SestavitGraf(*graf, zadani) : E_NOTIMPL;
    if (FAILED(hr)) {
        if (graf) {
            graf->Zastavit();
        }
        OznamitChybuSpusteni(hr);
        return hr;
    }
    graf_ = std::move(graf);

    if (okoli_ == nullptr) {
        return S_OK;
    }
    if (const HRESULT hrCasovace = okoli_->SpustitBlikani(); FAILED(hrCasovace)) {
        OznamitChybuSpusteni(hrCasovace);
        // Still recording: the commands must offer the way to stop it.
        okoli_->ZmenilSeZaznam();
        return hrCasovace;
    }
    const std::wstring jmeno = JmenoSouboru(soubor_);
    okoli_->OznamitNaIkone(TextSeSouborem(IDS_ZAZNAM_SPUSTEN, jmeno),
                           TextSeSouborem(IDS_PROBIHA_ZAZNAM, jmeno));
    okoli_->ZmenilSeZaznam();
    return S_OK;
}

HRESULT Nahravac::SestavitGraf(GrafZaznamu& graf, const ZadaniZaznamu& zadani) {
    HRESULT hr = graf.PridatZarizeni(zadani.zarizeni);
    if (SUCCEEDED(hr)) {
        hr = graf.NastavitVystup(soubor_, zadani.profil);
    }
    if (SUCCEEDED(hr)) {
        hr = graf.Spustit();
    }
    return hr;
}

void Nahravac::OznamitChybuSpusteni(HRESULT hr) const {
    ZobrazitChybuSPopisem(TextSeSouborem(IDS_CHYBA_SPUSTENI_ZAZNAMU, soubor_), hr);
}

void Nahravac::Ukoncit() {
    if (!Bezi()) {
        return;
    }
    Dokoncit();
    if (okoli_ == nullptr) {
        return;
    }
    if (const HRESULT hr = okoli_->UkoncitBlikani(); FAILED(hr)) {
        FatalniHResult(hr);
    }
    okoli_->OznamitNaIkone(TextSeSouborem(IDS_ZAZNAM_UKONCEN, JmenoSouboru(soubor_)), {});
    okoli_->ZmenilSeZaznam();
}

void Nahravac::Dokoncit() noexcept {
    if (graf_) {
        graf_->Zastavit();
        graf_.reset();
    }
}

} // namespace Vrbatec
