#include "recording/GrafWav.h"

#include <mmsystem.h>
#include <mmdeviceapi.h>
#include <audioclient.h>
#include <wrl/client.h>

#include <algorithm>
#include <array>
#include <vector>

#include "recording/VolbaVstupu.h"
#include "winapi/ComVlakna.h"
#include "winapi/Diagnostika.h"
#include "winapi/Multimedia.h"

namespace Vrbatec {

namespace {

using HlavickaWav::FormatPcm;
using Microsoft::WRL::ComPtr;

// Six buffers of 100 ms: the device keeps filling while the thread writes one, and a stop
// loses nothing but has little to write.
constexpr std::size_t kBufferu = 6;
constexpr DWORD kBufferuZaSekundu = 10;

// The driver message that gives a waveIn device's endpoint identifier; its header belongs to
// the driver kit, the number is fixed.
constexpr UINT kDotazNaIdKoncovehoBodu = DRV_RESERVED + 17;

WAVEFORMATEX FormatWaveIn(const FormatPcm& format) {
    WAVEFORMATEX f{};
    f.wFormatTag = WAVE_FORMAT_PCM;
    f.nChannels = format.kanalu;
    f.nSamplesPerSec = format.vzorkovani;
    f.wBitsPerSample = HlavickaWav::kBituNaVzorek;
    f.nBlockAlign = static_cast<WORD>(HlavickaWav::DelkaSnimku(format));
    f.nAvgBytesPerSec = format.vzorkovani * f.nBlockAlign;
    return f;
}

// The names the device list would show, case folded, in device order.
std::vector<std::wstring> NazvyZarizeni() {
    const UINT pocet = ::waveInGetNumDevs();
    std::vector<std::wstring> nazvy(pocet);
    for (UINT i = 0; i < pocet; ++i) {
        WAVEINCAPSW schopnosti{};
        if (::waveInGetDevCapsW(i, &schopnosti, sizeof(schopnosti)) == MMSYSERR_NOERROR) {
            nazvy[i] = schopnosti.szPname;
        }
    }
    return nazvy;
}

std::wstring VelkymiPismeny(std::wstring text) {
    if (!text.empty()) {
        ::CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    }
    return text;
}

struct PametCom {
    void operator()(void* p) const { ::CoTaskMemFree(p); }
};

// The rate and channels the system mixes the device's sound at; nothing where it does not say.
// The size query is skipped: systems disagree on how wide a number it writes.
std::optional<FormatPcm> FormatSmesi(UINT zarizeni) {
    std::array<wchar_t, 512> id{};
    if (::waveInMessage(reinterpret_cast<HWAVEIN>(static_cast<UINT_PTR>(zarizeni)),
                        kDotazNaIdKoncovehoBodu, reinterpret_cast<DWORD_PTR>(id.data()),
                        (id.size() - 1) * sizeof(wchar_t)) != MMSYSERR_NOERROR) {
        return std::nullopt;
    }
    const WinApi::ComVlakna com;
    if (!com.Pouzitelne()) {
        return std::nullopt;
    }
    ComPtr<IMMDeviceEnumerator> vycet;
    ComPtr<IMMDevice> zarizeniZvuku;
    ComPtr<IAudioClient> klient;
    WAVEFORMATEX* smes = nullptr;
    if (FAILED(::CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_INPROC_SERVER,
                                  IID_PPV_ARGS(&vycet))) ||
        FAILED(vycet->GetDevice(id.data(), &zarizeniZvuku)) ||
        FAILED(zarizeniZvuku->Activate(__uuidof(IAudioClient), CLSCTX_INPROC_SERVER, nullptr,
                                       reinterpret_cast<void**>(klient.GetAddressOf()))) ||
        FAILED(klient->GetMixFormat(&smes))) {
        return std::nullopt;
    }
    const std::unique_ptr<WAVEFORMATEX, PametCom> vlastni(smes);
    return FormatPcm{smes->nSamplesPerSec, smes->nChannels};
}

bool ZarizeniBere(UINT zarizeni, const FormatPcm& format) {
    const WAVEFORMATEX f = FormatWaveIn(format);
    return ::waveInOpen(nullptr, zarizeni, &f, 0, 0, WAVE_FORMAT_QUERY) == MMSYSERR_NOERROR;
}

// An open waveIn device with its buffers prepared; closing gives every buffer back first.
class Zachyt {
public:
    Zachyt() = default;
    ~Zachyt() {
        if (zarizeni_ == nullptr) {
            return;
        }
        ::waveInReset(zarizeni_);
        for (WAVEHDR& h : hlavicky_) {
            if ((h.dwFlags & WHDR_PREPARED) != 0) {
                ::waveInUnprepareHeader(zarizeni_, &h, sizeof(h));
            }
        }
        ::waveInClose(zarizeni_);
    }
    Zachyt(const Zachyt&) = delete;
    Zachyt& operator=(const Zachyt&) = delete;

    // Opens the device with every buffer queued, signalling udalost as each is filled.
    HRESULT Otevrit(UINT id, const FormatPcm& format, HANDLE udalost) {
        const WAVEFORMATEX f = FormatWaveIn(format);
        HRESULT hr = HResultZMm(::waveInOpen(
            &zarizeni_, id, &f, reinterpret_cast<DWORD_PTR>(udalost), 0, CALLBACK_EVENT));
        if (FAILED(hr)) {
            zarizeni_ = nullptr;
            return hr;
        }
        const DWORD delka = f.nAvgBytesPerSec / kBufferuZaSekundu / f.nBlockAlign * f.nBlockAlign;
        pamet_.resize(std::size_t{delka} * kBufferu);
        for (std::size_t i = 0; i < kBufferu; ++i) {
            WAVEHDR& h = hlavicky_[i];
            h.lpData = reinterpret_cast<LPSTR>(pamet_.data() + i * delka);
            h.dwBufferLength = delka;
            hr = HResultZMm(::waveInPrepareHeader(zarizeni_, &h, sizeof(h)));
            if (FAILED(hr)) {
                return hr;
            }
            hr = Vratit(i);
            if (FAILED(hr)) {
                return hr;
            }
        }
        return S_OK;
    }

    HRESULT Start() { return HResultZMm(::waveInStart(zarizeni_)); }

    // The next buffer in the device's order when the device has filled it; it is the caller's
    // until given back. Buffers the device refused to take back are passed over.
    const WAVEHDR* Naplneny() {
        for (std::size_t i = 0; i < kBufferu && !ve_fronte_[dalsi_]; ++i) {
            dalsi_ = (dalsi_ + 1) % kBufferu;
        }
        const WAVEHDR& h = hlavicky_[dalsi_];
        return ve_fronte_[dalsi_] && (h.dwFlags & WHDR_DONE) != 0 ? &h : nullptr;
    }
    // Takes the filled buffer off the turn; vratit queues it again.
    HRESULT Odebrat(bool vratit) {
        const std::size_t i = dalsi_;
        ve_fronte_[i] = false;
        dalsi_ = (dalsi_ + 1) % kBufferu;
        return vratit ? Vratit(i) : S_OK;
    }
    // Ends capturing: every buffer comes back filled with what it holds.
    void Zastavit() { ::waveInReset(zarizeni_); }

private:
    HRESULT Vratit(std::size_t i) {
        const HRESULT hr = HResultZMm(::waveInAddBuffer(zarizeni_, &hlavicky_[i], sizeof(WAVEHDR)));
        ve_fronte_[i] = SUCCEEDED(hr);
        return hr;
    }

    HWAVEIN zarizeni_ = nullptr;
    std::vector<std::uint8_t> pamet_;
    std::array<WAVEHDR, kBufferu> hlavicky_{};
    std::array<bool, kBufferu> ve_fronte_{};
    std::size_t dalsi_ = 0;
};

} // namespace

// The file and, once started, the device. The thread alone touches them while it runs; the
// last owner finishes the file.
struct GrafWav::Zaznam {
    std::wstring cesta;
    WinApi::UniqueHandle soubor;
    // A recording that never started leaves no file behind.
    bool spusteno = false;
    FormatPcm format;
    std::uint64_t limit = 0;
    std::uint64_t zapsano = 0;
    bool chybaZapisu = false;
    WinApi::UniqueHandle udalost;
    std::unique_ptr<Zachyt> zachyt;

    ~Zaznam() { Dokoncit(); }

    bool Prijima() const { return !chybaZapisu && zapsano < limit; }

    void Zapsat(const WAVEHDR& buffer) {
        if (!Prijima()) {
            return;
        }
        const auto delka =
            static_cast<DWORD>(std::min<std::uint64_t>(buffer.dwBytesRecorded, limit - zapsano));
        DWORD zapsanoTed = 0;
        const BOOL ok = ::WriteFile(soubor.Get(), buffer.lpData, delka, &zapsanoTed, nullptr);
        zapsano += zapsanoTed;
        chybaZapisu = !ok || zapsanoTed != delka;
    }

    // The thread: each filled buffer to the file and back to the device while the file takes
    // sound; at the stop, what the device still holds.
    static void Zapisovat(std::shared_ptr<Zaznam>& z, const WinApi::RizeniPrace<>& rizeni) {
        const std::array<HANDLE, 2> udalosti{rizeni.UdalostKonce(), z->udalost.Get()};
        while (::WaitForMultipleObjects(static_cast<DWORD>(udalosti.size()), udalosti.data(), FALSE,
                                        INFINITE) == WAIT_OBJECT_0 + 1) {
            while (const WAVEHDR* buffer = z->zachyt->Naplneny()) {
                z->Zapsat(*buffer);
                z->zachyt->Odebrat(z->Prijima());
            }
        }
        z->zachyt->Zastavit();
        while (const WAVEHDR* buffer = z->zachyt->Naplneny()) {
            z->Zapsat(*buffer);
            z->zachyt->Odebrat(false);
        }
    }

    // Declares what was written in whole frames, cuts off what it does not declare, closes.
    // Nothing here can report: a failure leaves the header the file already has, which plays.
    void Dokoncit() {
        zachyt.reset();
        if (!soubor) {
            return;
        }
        if (!spusteno) {
            soubor.Reset();
            ::DeleteFileW(cesta.c_str());
            return;
        }
        const std::uint64_t data = zapsano - zapsano % HlavickaWav::DelkaSnimku(format);
        const auto hlavicka = HlavickaWav::Sestavit(format, data);
        LARGE_INTEGER pozice{};
        DWORD zapsanoTed = 0;
        if (hlavicka && ::SetFilePointerEx(soubor.Get(), pozice, nullptr, FILE_BEGIN) &&
            ::WriteFile(soubor.Get(), hlavicka->data(), static_cast<DWORD>(hlavicka->size()),
                        &zapsanoTed, nullptr)) {
            pozice.QuadPart = static_cast<LONGLONG>(HlavickaWav::kDelkaHlavicky + data);
            if (::SetFilePointerEx(soubor.Get(), pozice, nullptr, FILE_BEGIN)) {
                ::SetEndOfFile(soubor.Get());
            }
        }
        soubor.Reset();
    }
};

GrafWav::GrafWav(std::uint32_t limitDat) : limitDat_(limitDat) {}

GrafWav::~GrafWav() {
    Zastavit();
}

HRESULT GrafWav::PridatZarizeni(const ZarizeniZaznamu& zarizeni) {
    if (zaznam_) {
        return HRESULT_FROM_WIN32(ERROR_INVALID_STATE);
    }
    std::vector<std::wstring> nazvy = NazvyZarizeni();
    for (std::wstring& nazev : nazvy) {
        nazev = VelkymiPismeny(std::move(nazev));
    }
    const auto nalez = VolbaVstupu::NajitZarizeni(nazvy, VelkymiPismeny(zarizeni.nazev));
    if (!nalez) {
        return HRESULT_FROM_WIN32(ERROR_NOT_FOUND);
    }
    const auto id = static_cast<UINT>(*nalez);
    WAVEINCAPSW schopnosti{};
    const HRESULT hr = HResultZMm(::waveInGetDevCapsW(id, &schopnosti, sizeof(schopnosti)));
    if (FAILED(hr)) {
        return hr;
    }
    for (const FormatPcm& format : VolbaVstupu::KandidatiFormatu(
             FormatSmesi(id), schopnosti.dwFormats, schopnosti.wChannels)) {
        if (ZarizeniBere(id, format)) {
            zarizeni_ = id;
            format_ = format;
            return S_OK;
        }
    }
    return HRESULT_FROM_WIN32(ERROR_NOT_SUPPORTED);
}

HRESULT GrafWav::NastavitVystup(const std::wstring& soubor, const Guid& profil) {
    if (!format_ || zaznam_) {
        return HRESULT_FROM_WIN32(ERROR_INVALID_STATE);
    }
    if (ProfilyZaznamu::ZapisovacProfilu(profil) != ProfilyZaznamu::Zapisovac::Wav) {
        return E_INVALIDARG;
    }
    auto zaznam = std::make_shared<Zaznam>();
    zaznam->format = *format_;
    const std::uint32_t nejvic = HlavickaWav::NejvetsiDelkaDat(*format_);
    zaznam->limit = limitDat_ == 0 ? nejvic : std::min(limitDat_, nejvic);
    zaznam->limit -= zaznam->limit % HlavickaWav::DelkaSnimku(*format_);
    zaznam->cesta = soubor;
    zaznam->soubor.Reset(::CreateFileW(soubor.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!zaznam->soubor) {
        return HResultPosledniChyby();
    }
    const auto hlavicka = HlavickaWav::Sestavit(*format_, 0);
    DWORD zapsano = 0;
    if (!::WriteFile(zaznam->soubor.Get(), hlavicka->data(), static_cast<DWORD>(hlavicka->size()),
                     &zapsano, nullptr) ||
        zapsano != hlavicka->size()) {
        const HRESULT hr =
            zapsano == 0 ? HResultPosledniChyby() : HRESULT_FROM_WIN32(ERROR_DISK_FULL);
        zaznam->soubor.Reset();
        ::DeleteFileW(soubor.c_str());
        return hr;
    }
    zaznam_ = std::move(zaznam);
    return S_OK;
}

HRESULT GrafWav::Spustit() {
    if (!zaznam_ || zaznam_->zachyt) {
        return HRESULT_FROM_WIN32(ERROR_INVALID_STATE);
    }
    Zaznam& z = *zaznam_;
    z.udalost.Reset(::CreateEventW(nullptr, FALSE, FALSE, nullptr));
    if (!z.udalost) {
        return HResultPosledniChyby();
    }
    z.zachyt = std::make_unique<Zachyt>();
    HRESULT hr = z.zachyt->Otevrit(zarizeni_, z.format, z.udalost.Get());
    if (SUCCEEDED(hr)) {
        hr = z.zachyt->Start();
    }
    if (FAILED(hr)) {
        return hr;
    }
    try {
        vlakno_.Spustit(zaznam_, &Zaznam::Zapisovat);
    } catch (HRESULT chyba) {
        return chyba;
    }
    z.spusteno = true;
    return S_OK;
}

void GrafWav::Zastavit() {
    vlakno_.Zastavit();
    zaznam_.reset();
    format_.reset();
}

} // namespace Vrbatec
