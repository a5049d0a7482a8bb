#include "playback/PrehravacStreamu.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "playback/AdresaUrl.h"
#include "playback/DekoderAac.h"
#include "playback/DekoderMp3.h"
#include "playback/DemultiplexorIcy.h"
#include "playback/DruhObsahu.h"
#include "playback/OdpovedHttp.h"
#include "playback/RamceAdts.h"
#include "playback/RamceMp3.h"
#include "playback/RezervaSpojeni.h"
#include "playback/SeznamSkladeb.h"
#include "playback/SpojeniStreamu.h"
#include "playback/TitulStreamu.h"
#include "playback/VystupZvuku.h"
#include "winapi/Diagnostika.h"
#include "winapi/Handle.h"

namespace Vrbatec {

namespace {

constexpr wchar_t kTridaOkna[] = L"ZvukoletMotorStreamu";
constexpr UINT kZpravaStavu = WM_APP + 1;
constexpr UINT kZpravaTitulu = WM_APP + 2;
constexpr UINT kZpravaPredani = WM_APP + 3;

// Sound decoded before the first write, so that a slow start of the network does not run
// the device dry at once.
constexpr std::uint32_t kMilisekundPredehravky = 500;
// What the content is judged by: enough for three frames of any bit rate.
constexpr std::size_t kBajtuProRozpoznani = 8 * 1024;
// Sound searched for the first three frames before the stream is given up.
constexpr std::size_t kNejvicePredSynchronizaci = 64 * 1024;
constexpr DWORD kNejdelsiOdklad = 30000;

constexpr wchar_t kNedostupny[] = L"Server není dostupný.";
constexpr wchar_t kStranka[] = L"Server poslal webovou stránku místo zvuku.";
constexpr wchar_t kFormat[] = L"Tento formát není podporován.";
constexpr wchar_t kChybaServeru[] = L"Server odpověděl chybou.";
constexpr wchar_t kPrilisPresmerovani[] = L"Server přesměrovává příliš mnohokrát.";
constexpr wchar_t kAdresa[] = L"Adresa streamu není platná.";
constexpr wchar_t kZvuk[] = L"Zvuk nelze přehrát.";

std::int32_t Cislo(StavPrehravace stav) {
    return static_cast<std::int32_t>(stav);
}

std::string NaUtf8(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int delka = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                            nullptr, 0, nullptr, nullptr);
    std::string vysledek(static_cast<std::size_t>(std::max(delka, 0)), '\0');
    if (delka > 0) {
        ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                              vysledek.data(), delka, nullptr, nullptr);
    }
    return vysledek;
}

// What the engine needs to know of each compressed format it decodes itself: how its frames
// are found and what its headers tell of the bit rate.
struct ProudMp3 {
    using Dekoder = DekoderMp3;
    using Hlavicka = Stream::HlavickaMp3;
    static std::optional<Stream::Synchronizace<Hlavicka>>
    Synchronizovat(std::span<const std::uint8_t> data) {
        return Stream::SynchronizovatMp3(data);
    }
    static std::uint32_t DatovyTok(const Hlavicka& h) { return h.datovyTok; }
};

struct ProudAac {
    using Dekoder = DekoderAac;
    using Hlavicka = Stream::HlavickaAdts;
    static std::optional<Stream::Synchronizace<Hlavicka>>
    Synchronizovat(std::span<const std::uint8_t> data) {
        return Stream::SynchronizovatAdts(data);
    }
    // ADTS frames say nothing of the bit rate; only the server's icy-br can.
    static std::uint32_t DatovyTok(const Hlavicka&) { return 0; }
};

// Why a session ended, as the worker decides what comes next.
enum class Konec {
    Zastaveno,  // the user stopped it
    Selhani,    // nothing to play there; the reason is kept
    Preruseno,  // the server dropped or stalled after the sound had started
    Nedostupny, // connecting failed
    Predani,    // content another player may know: offered to it
};

class PrehravacStreamu final : public Prehravac {
public:
    PrehravacStreamu(HINSTANCE instance, HWND rodic, PosluchacPrehravace& posluchac,
                     LimityStreamu limity)
        : posluchac_(posluchac), limity_(limity),
          zruseni_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        (void)rodic; // the window carries no picture; it only receives the worker's messages
        OveritVolani(static_cast<bool>(zruseni_));
        WNDCLASSEXW trida{};
        trida.cbSize = sizeof(trida);
        trida.lpfnWndProc = &PrehravacStreamu::ProceduraOkna;
        trida.hInstance = instance;
        trida.lpszClassName = kTridaOkna;
        if (::RegisterClassExW(&trida) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
            VyhoditHResult(HResultPosledniChyby());
        }
        okno_.Reset(::CreateWindowExW(0, kTridaOkna, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      instance, this));
        OveritVolani(static_cast<bool>(okno_));
    }

    ~PrehravacStreamu() override { UkoncitVlakno(); }

    PrehravacStreamu(const PrehravacStreamu&) = delete;
    PrehravacStreamu& operator=(const PrehravacStreamu&) = delete;

    HRESULT Zastavit() override {
        if (!UkoncitVlakno()) {
            return S_OK;
        }
        posluchac_.PriZmeneStavu(Cislo(StavPrehravace::Zastaveno));
        return S_OK;
    }

    HRESULT Prehrat() override {
        if (vlakno_.joinable() && !dobehlo_.load()) {
            return S_OK; // already playing what was opened
        }
        if (url_.empty()) {
            return E_UNEXPECTED;
        }
        // A playback that failed is tried again, as the control does on play.
        UkoncitVlakno();
        return Spustit();
    }

    HRESULT OtevritUrl(const std::wstring& url) override {
        UkoncitVlakno();
        url_ = url;
        {
            const std::lock_guard zamek(mutex_);
            titul_.clear();
            nazev_.clear();
            datovyTok_ = 0;
            duvod_.clear();
        }
        return Spustit();
    }

    bool MaNastaveni() const override { return true; }

    HRESULT NastavitHlasitost(std::int32_t hlasitost) override {
        if (hlasitost < 0 || hlasitost > static_cast<std::int32_t>(Stream::kNejvyssiHlasitost)) {
            return E_INVALIDARG;
        }
        vystup_.NastavitHlasitost(static_cast<std::uint32_t>(hlasitost));
        return S_OK;
    }

    HRESULT Ztlumeno(bool& ztlumeno) const override {
        ztlumeno = vystup_.Ztlumeno();
        return S_OK;
    }

    HRESULT NastavitZtlumeni(bool ztlumit) override {
        vystup_.NastavitZtlumeni(ztlumit);
        return S_OK;
    }

    bool MaSit() const override { return true; }

    HRESULT NastavitDobuBufferu(std::int32_t milisekund) override {
        if (milisekund < 0) {
            return E_INVALIDARG;
        }
        rezervaMs_.store(static_cast<std::uint32_t>(milisekund));
        return S_OK;
    }

    HRESULT InformaceMedia(const std::wstring& atribut, std::wstring& hodnota) const override {
        const std::lock_guard zamek(mutex_);
        if (url_.empty()) {
            return E_POINTER;
        }
        if (atribut == L"Title") {
            hodnota = titul_;
        } else if (atribut == L"Bitrate") {
            hodnota = datovyTok_ == 0 ? std::wstring() : std::to_wstring(datovyTok_ * 1000ULL);
        } else {
            hodnota.clear();
        }
        return S_OK;
    }

    HRESULT NazevMedia(std::wstring& nazev) const override {
        const std::lock_guard zamek(mutex_);
        if (url_.empty()) {
            return E_POINTER;
        }
        nazev = nazev_;
        return S_OK;
    }

    std::wstring DuvodSelhani() const override {
        const std::lock_guard zamek(mutex_);
        return duvod_;
    }

private:
    // One answer of the server, read up to the start of its body.
    struct Spojeni {
        std::unique_ptr<Stream::SpojeniStreamu> spojeni;
        Stream::RezervaSpojeni* rezerva = nullptr; // the same connection
        Stream::OdpovedHttp odpoved;
        std::vector<std::uint8_t> telo; // what came after the head
    };

    static LRESULT CALLBACK ProceduraOkna(HWND okno, UINT zprava, WPARAM w, LPARAM l) {
        if (zprava == WM_NCCREATE) {
            const auto* vytvoreni = reinterpret_cast<const CREATESTRUCTW*>(l);
            ::SetWindowLongPtrW(okno, GWLP_USERDATA,
                                reinterpret_cast<LONG_PTR>(vytvoreni->lpCreateParams));
        } else if (zprava == kZpravaStavu || zprava == kZpravaTitulu || zprava == kZpravaPredani) {
            auto* ja =
                reinterpret_cast<PrehravacStreamu*>(::GetWindowLongPtrW(okno, GWLP_USERDATA));
            // What a playback stopped since it was posted says no longer holds.
            if (ja != nullptr && static_cast<std::uint32_t>(l) == ja->generace_.load()) {
                ja->Dorucit(zprava, w);
            }
            return 0;
        }
        return ::DefWindowProcW(okno, zprava, w, l);
    }

    void Dorucit(UINT zprava, WPARAM w) {
        if (zprava == kZpravaStavu) {
            posluchac_.PriZmeneStavu(static_cast<std::int32_t>(w));
        } else if (zprava == kZpravaTitulu) {
            posluchac_.PriZmeneTitulu();
        } else if (!posluchac_.PrevzitAdresu(url_)) {
            {
                const std::lock_guard zamek(mutex_);
                duvod_ = kFormat;
            }
            posluchac_.PriZmeneStavu(Cislo(StavPrehravace::Pripraven));
        }
    }

    HRESULT Spustit() {
        ::ResetEvent(zruseni_.Get());
        zastavit_.store(false);
        dobehlo_.store(false);
        const std::uint32_t generace = generace_.load();
        try {
            vlakno_ = std::thread([this, generace] { Pracovat(generace); });
        } catch (const std::system_error& chyba) {
            return HRESULT_FROM_WIN32(static_cast<DWORD>(chyba.code().value()));
        }
        return S_OK;
    }

    // Whether a worker was running.
    bool UkoncitVlakno() {
        if (!vlakno_.joinable()) {
            return false;
        }
        zastavit_.store(true);
        {
            const std::lock_guard zamek(mutexSpojeni_);
            if (aktivniSpojeni_ != nullptr) {
                aktivniSpojeni_->Zrusit();
            }
        }
        ::SetEvent(zruseni_.Get());
        vlakno_.join();
        generace_.fetch_add(1);
        return true;
    }

    void Oznamit(std::uint32_t generace, StavPrehravace stav) {
        // A failed post only loses one state; the next one says where playback is.
        ::PostMessageW(okno_.Get(), kZpravaStavu, static_cast<WPARAM>(Cislo(stav)),
                       static_cast<LPARAM>(generace));
    }

    void OznamitTitul(std::uint32_t generace) {
        // A lost one leaves the old title shown until the next one comes.
        ::PostMessageW(okno_.Get(), kZpravaTitulu, 0, static_cast<LPARAM>(generace));
    }

    void Selhat(std::uint32_t generace, const wchar_t* duvod) {
        {
            const std::lock_guard zamek(mutex_);
            duvod_ = duvod;
        }
        Oznamit(generace, StavPrehravace::Pripraven);
    }

    void Pracovat(std::uint32_t generace) noexcept {
        try {
            Relace(generace);
        } catch (...) {
            // Out of memory or a broken thread: this playback ends, the program goes on.
            if (!zastavit_.load()) {
                Selhat(generace, kZvuk);
            }
        }
        // The device is silenced whether or not this playback ended well; a failure here
        // leaves nothing to undo, the next Otevrit closes the device anyway.
        if (FAILED(vystup_.Zastavit()) && !zastavit_.load()) {
            Selhat(generace, kZvuk);
        }
        dobehlo_.store(true);
    }

    void Relace(std::uint32_t generace) {
        const std::optional<Stream::Adresa> adresa = Stream::RozdelitUrl(NaUtf8(url_));
        if (!adresa) {
            Selhat(generace, kAdresa);
            return;
        }
        Oznamit(generace, StavPrehravace::Prechod);
        Stream::Adresa aktualni = *adresa;
        const wchar_t* duvod = nullptr;
        Konec konec = Prehrat(generace, aktualni, false, duvod);
        DWORD odklad = limity_.prvniOdkladMs;
        bool hralo = konec == Konec::Preruseno;
        while (konec == Konec::Preruseno || (hralo && konec == Konec::Nedostupny)) {
            Oznamit(generace, StavPrehravace::ZnovuPripojovani);
            const DWORD cekani = ::WaitForSingleObject(zruseni_.Get(), odklad);
            if (cekani == WAIT_OBJECT_0) {
                return;
            }
            if (cekani != WAIT_TIMEOUT) {
                Selhat(generace, kZvuk); // without the wait a stop could not reach the worker
                return;
            }
            konec = Prehrat(generace, aktualni, true, duvod);
            if (konec == Konec::Preruseno) {
                odklad = limity_.prvniOdkladMs; // it played again: a later drop starts afresh
            } else {
                odklad = std::min(odklad * 2, kNejdelsiOdklad);
            }
        }
        if (konec == Konec::Predani) {
            if (::PostMessageW(okno_.Get(), kZpravaPredani, 0, static_cast<LPARAM>(generace)) ==
                0) {
                Selhat(generace, kFormat);
            }
        } else if (konec == Konec::Selhani || konec == Konec::Nedostupny) {
            Selhat(generace, duvod != nullptr ? duvod : kNedostupny);
        }
    }

    // Connects to `adresa` and reads the head. The connection is registered for Zrusit.
    HRESULT Pripojit(const Stream::Adresa& adresa, Spojeni& s) {
        auto rezerva = std::make_unique<Stream::RezervaSpojeni>(Stream::VytvoritSpojeni(adresa));
        s.rezerva = rezerva.get();
        s.spojeni = std::move(rezerva);
        {
            const std::lock_guard zamek(mutexSpojeni_);
            if (zastavit_.load()) {
                return Stream::ChybaZruseno;
            }
            aktivniSpojeni_ = s.spojeni.get();
        }
        Stream::PozadavekStreamu pozadavek;
        pozadavek.adresa = adresa;
        pozadavek.hlavicky = Stream::HlavickyPrehravace();
        pozadavek.limitPripojeniMs = limity_.pripojeniMs;
        pozadavek.limitCteniMs = limity_.cteniMs;
        HRESULT hr = s.spojeni->Otevrit(pozadavek);
        std::array<std::uint8_t, 4096> kus{};
        while (SUCCEEDED(hr) && s.odpoved.Stav() == Stream::StavOdpovedi::ChybiBajty) {
            std::size_t precteno = 0;
            hr = s.spojeni->Cist(kus, precteno);
            if (hr == S_FALSE) {
                return E_FAIL; // closed before the head ended
            }
            if (SUCCEEDED(hr) &&
                s.odpoved.Pridat(std::span(kus).first(precteno)) == Stream::StavOdpovedi::Hotovo) {
                const std::size_t hlava = s.odpoved.PouzitoZPosledni();
                s.telo.assign(kus.begin() + static_cast<std::ptrdiff_t>(hlava),
                              kus.begin() + static_cast<std::ptrdiff_t>(precteno));
            }
        }
        if (SUCCEEDED(hr) && s.odpoved.Stav() != Stream::StavOdpovedi::Hotovo) {
            hr = E_FAIL;
        }
        return hr;
    }

    void Odregistrovat() {
        const std::lock_guard zamek(mutexSpojeni_);
        aktivniSpojeni_ = nullptr;
    }

    // Reads more of the body into `kam`; S_FALSE at its end.
    static HRESULT CistDal(Spojeni& s, std::vector<std::uint8_t>& kam) {
        std::array<std::uint8_t, 4096> kus{};
        std::size_t precteno = 0;
        const HRESULT hr = s.spojeni->Cist(kus, precteno);
        if (hr == S_OK) {
            kam.insert(kam.end(), kus.begin(), kus.begin() + static_cast<std::ptrdiff_t>(precteno));
        }
        return hr;
    }

    // One connection from the first request to the end of the sound. `adresa` becomes the
    // address the sound came from, for reconnecting.
    Konec Prehrat(std::uint32_t generace, Stream::Adresa& adresa, bool znovu,
                  const wchar_t*& duvod) {
        struct Odregistrace {
            PrehravacStreamu& ja;
            ~Odregistrace() { ja.Odregistrovat(); }
        } odregistrace{*this};

        Stream::Presmerovani presmerovani(adresa);
        Spojeni s;
        for (int kroku = 0;; ++kroku) {
            s = Spojeni{};
            const HRESULT hr = Pripojit(presmerovani.Aktualni(), s);
            if (zastavit_.load()) {
                return Konec::Zastaveno;
            }
            if (FAILED(hr)) {
                duvod = kNedostupny;
                return Konec::Nedostupny;
            }
            const Stream::UdajeOdpovedi& udaje = s.odpoved.Udaje();
            if (udaje.kod >= 300 && udaje.kod < 400 && !udaje.umisteni.empty()) {
                if (presmerovani.Presmerovat(udaje.umisteni) !=
                    Stream::VysledekPresmerovani::Presmerovano) {
                    duvod = kPrilisPresmerovani;
                    return Konec::Selhani;
                }
                continue;
            }
            if (udaje.kod != 200) {
                duvod = kChybaServeru;
                return Konec::Selhani;
            }
            // The start of the body decides what came; a playlist is read whole.
            Stream::DemultiplexorIcy demux(udaje.metaint);
            Stream::CastStreamu cast;
            demux.Pridat(s.telo, cast);
            std::vector<std::uint8_t> surove;
            HRESULT cteni = S_OK;
            while (cteni == S_OK && cast.zvuk.size() < kBajtuProRozpoznani) {
                surove.clear();
                cteni = CistDal(s, surove);
                demux.Pridat(surove, cast);
            }
            if (zastavit_.load()) {
                return Konec::Zastaveno;
            }
            if (FAILED(cteni)) {
                duvod = kNedostupny;
                return cast.zvuk.empty() && !znovu ? Konec::Nedostupny : Konec::Preruseno;
            }
            const std::string url = Stream::SlozitUrl(presmerovani.Aktualni());
            const Stream::Rozpoznani rozpoznani =
                Stream::RozpoznatObsah(udaje.typObsahu, cast.zvuk, url);
            if (rozpoznani.druh == Stream::DruhObsahu::Seznam) {
                std::vector<std::uint8_t> seznam = cast.zvuk;
                while (cteni == S_OK && seznam.size() <= Stream::kNejdelsiSeznam) {
                    cteni = CistDal(s, seznam);
                }
                const std::vector<std::string> polozky =
                    Stream::CistSeznam(rozpoznani.seznam, seznam);
                const auto dalsi = polozky.empty() ? std::nullopt : Stream::RozdelitUrl(polozky[0]);
                if (!dalsi) {
                    // Entries of other schemes, or a list of a kind read only by others.
                    duvod = kFormat;
                    return Konec::Predani;
                }
                if (kroku >= Stream::kNejvicePresmerovani) {
                    duvod = kPrilisPresmerovani;
                    return Konec::Selhani;
                }
                presmerovani = Stream::Presmerovani(*dalsi);
                continue;
            }
            if (rozpoznani.druh == Stream::DruhObsahu::Stranka) {
                duvod = kStranka;
                return Konec::Selhani;
            }
            if (rozpoznani.druh != Stream::DruhObsahu::Mp3 &&
                rozpoznani.druh != Stream::DruhObsahu::Aac) {
                duvod = kFormat;
                return Konec::Predani;
            }
            adresa = presmerovani.Aktualni();
            ZapamatovatUdaje(generace, udaje, cast);
            if (rozpoznani.druh == Stream::DruhObsahu::Aac) {
                return Hrat<ProudAac>(generace, s, demux, std::move(cast.zvuk), znovu, duvod);
            }
            return Hrat<ProudMp3>(generace, s, demux, std::move(cast.zvuk), znovu, duvod);
        }
    }

    void ZapamatovatUdaje(std::uint32_t generace, const Stream::UdajeOdpovedi& udaje,
                          Stream::CastStreamu& cast) {
        const std::lock_guard zamek(mutex_);
        if (!udaje.nazevStanice.empty()) {
            nazev_ = Stream::NaWideText(Stream::DekodovatText(udaje.nazevStanice));
        }
        if (udaje.datovyTok) {
            datovyTok_ = *udaje.datovyTok;
        }
        ZapamatovatTitulyBezZamku(generace, cast);
    }

    void ZapamatovatTitulyBezZamku(std::uint32_t generace, Stream::CastStreamu& cast) {
        for (const auto& blok : cast.bloky) {
            std::optional<std::wstring> titul = Stream::TitulStreamu(blok);
            // Stations repeat the title in every block; only a new one is news.
            if (titul && *titul != titul_) {
                titul_ = std::move(*titul);
                OznamitTitul(generace);
            }
        }
        cast.bloky.clear();
    }

    // Finds the frames of `Proud`'s format in the sound, decodes them and plays them until
    // the stream ends or the user stops it.
    template <class Proud>
    Konec Hrat(std::uint32_t generace, Spojeni& s, Stream::DemultiplexorIcy& demux,
               std::vector<std::uint8_t> zvuk, bool znovu, const wchar_t*& duvod) {
        if (!znovu) {
            Oznamit(generace, StavPrehravace::NacitaniBufferu);
        }
        std::optional<Stream::Synchronizace<typename Proud::Hlavicka>> sync;
        Stream::CastStreamu cast;
        HRESULT cteni = S_OK;
        while (!(sync = Proud::Synchronizovat(zvuk))) {
            if (zvuk.size() > kNejvicePredSynchronizaci || cteni != S_OK) {
                if (zastavit_.load()) {
                    return Konec::Zastaveno;
                }
                duvod = cteni == S_OK ? kFormat : kNedostupny;
                return cteni == S_OK ? Konec::Selhani : Konec::Preruseno;
            }
            std::vector<std::uint8_t> surove;
            cteni = CistDal(s, surove);
            demux.Pridat(surove, cast);
            zvuk.insert(zvuk.end(), cast.zvuk.begin(), cast.zvuk.end());
            cast.zvuk.clear();
        }
        typename Proud::Dekoder dekoder;
        HRESULT hr = dekoder.Otevrit(sync->hlavicka);
        if (hr == DekoderAac::kZadnyDekoder) {
            // No decoder of the format on this system: offered as any format the engine does
            // not play.
            duvod = kFormat;
            return Konec::Predani;
        }
        if (SUCCEEDED(hr)) {
            hr = vystup_.Otevrit(dekoder.Format());
        }
        if (FAILED(hr)) {
            duvod = kZvuk;
            return Konec::Selhani;
        }
        {
            const std::lock_guard zamek(mutex_);
            if (datovyTok_ == 0) {
                datovyTok_ = Proud::DatovyTok(sync->hlavicka);
            }
            // Now the bit rate tells how many bytes the user's reserve takes; an unknown one
            // keeps the first guess.
            if (datovyTok_ != 0) {
                s.rezerva->NastavitLimit(Stream::BajtuRezervy(rezervaMs_.load(), datovyTok_));
            }
        }
        const std::size_t predehravka =
            Stream::BajtuZaDobu(dekoder.Format(), kMilisekundPredehravky) / Stream::kBajtuVzorku;
        std::vector<std::int16_t> pcm;
        bool hraje = false;
        std::span<const std::uint8_t> nove = std::span(zvuk).subspan(sync->posun);
        while (true) {
            hr = dekoder.Dekodovat(nove, pcm);
            if (FAILED(hr)) {
                duvod = kZvuk;
                return Konec::Selhani;
            }
            if (!hraje && pcm.size() >= predehravka) {
                hraje = true;
                Oznamit(generace, StavPrehravace::Prehrava);
            }
            if (hraje && !pcm.empty()) {
                hr = vystup_.Zapsat(pcm, zruseni_.Get());
                pcm.clear();
                if (hr == HRESULT_FROM_WIN32(ERROR_CANCELLED)) {
                    return Konec::Zastaveno;
                }
                if (FAILED(hr)) {
                    duvod = kZvuk;
                    return Konec::Selhani;
                }
            }
            zvuk.clear();
            cteni = CistDal(s, zvuk);
            if (zastavit_.load()) {
                return Konec::Zastaveno;
            }
            if (cteni != S_OK) {
                // Dropped or silent: what is queued still plays while the worker reconnects.
                duvod = kNedostupny;
                return hraje || znovu ? Konec::Preruseno : Konec::Nedostupny;
            }
            demux.Pridat(zvuk, cast);
            {
                const std::lock_guard zamek(mutex_);
                ZapamatovatTitulyBezZamku(generace, cast);
            }
            zvuk.swap(cast.zvuk);
            cast.zvuk.clear();
            nove = zvuk;
        }
    }

    PosluchacPrehravace& posluchac_;
    LimityStreamu limity_;
    WinApi::UniqueHandle zruseni_;
    WinApi::UniqueWindow okno_;
    VystupZvuku vystup_;
    std::wstring url_; // set on the user-interface thread while no worker runs

    std::thread vlakno_;
    std::atomic<bool> zastavit_{false};
    std::atomic<bool> dobehlo_{false}; // the worker has ended by itself
    std::atomic<std::uint32_t> generace_{0};
    std::atomic<std::uint32_t> rezervaMs_{0};

    std::mutex mutexSpojeni_;
    Stream::SpojeniStreamu* aktivniSpojeni_ = nullptr;

    mutable std::mutex mutex_;
    std::wstring titul_;
    std::wstring nazev_;
    std::uint32_t datovyTok_ = 0; // kb/s
    std::wstring duvod_;
};

} // namespace

std::unique_ptr<Prehravac> VytvoritPrehravacStreamu(HINSTANCE instance, HWND rodic,
                                                    PosluchacPrehravace& posluchac,
                                                    LimityStreamu limity) {
    return std::make_unique<PrehravacStreamu>(instance, rodic, posluchac, limity);
}

} // namespace Vrbatec
