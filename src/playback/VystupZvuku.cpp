#include "playback/VystupZvuku.h"

#include <algorithm>
#include <cstring>

namespace Vrbatec {

struct VystupZvuku::Buffery {
    HWAVEOUT zarizeni = nullptr;
    std::vector<std::uint8_t> pamet;
    std::array<WAVEHDR, kBufferu> hlavicky{};
    // Written to the device and not known to be back; a prepared buffer that was never
    // written has no done flag either.
    std::array<bool, kBufferu> odeslany{};

    ~Buffery() {
        // The device gives back what it holds first; a queued buffer cannot be unprepared.
        ::waveOutReset(zarizeni);
        for (WAVEHDR& h : hlavicky) {
            if ((h.dwFlags & WHDR_PREPARED) == 0) {
                continue;
            }
            const MMRESULT vysledek = ::waveOutUnprepareHeader(zarizeni, &h, sizeof(h));
            if (vysledek != MMSYSERR_NOERROR) {
                FatalniHResult(HResultZMm(vysledek));
            }
        }
    }

    bool VeFronte(std::size_t i) const {
        return odeslany[i] && (hlavicky[i].dwFlags & WHDR_DONE) == 0;
    }
};

VystupZvuku::VystupZvuku() = default;

VystupZvuku::~VystupZvuku() {
    // The buffers go before the device they belong to.
    buffery_.reset();
}

HRESULT VystupZvuku::Otevrit(const Stream::FormatPcm& format) {
    buffery_.reset();
    zarizeni_.Reset();
    plneny_ = 0;
    naplneno_ = 0;
    odeslano_ = 0;
    if (format.vzorkovani == 0 || format.kanalu == 0 || format.kanalu > 2) {
        return E_INVALIDARG;
    }
    if (!udalost_) {
        udalost_.Reset(::CreateEventW(nullptr, FALSE, FALSE, nullptr));
        if (!udalost_) {
            return HResultPosledniChyby();
        }
    }
    WAVEFORMATEX f{};
    f.wFormatTag = WAVE_FORMAT_PCM;
    f.nChannels = format.kanalu;
    f.nSamplesPerSec = format.vzorkovani;
    f.wBitsPerSample = 16;
    f.nBlockAlign = static_cast<WORD>(Stream::BajtuSnimku(format));
    f.nAvgBytesPerSec = f.nSamplesPerSec * f.nBlockAlign;
    HRESULT hr =
        HResultZMm(::waveOutOpen(zarizeni_.Adresa(), WAVE_MAPPER, &f,
                                 reinterpret_cast<DWORD_PTR>(udalost_.Get()), 0, CALLBACK_EVENT));
    if (FAILED(hr)) {
        return hr;
    }
    const std::size_t delka = Stream::BajtuZaDobu(format, kMilisekundBufferu);
    auto buffery = std::make_unique<Buffery>();
    buffery->zarizeni = zarizeni_.Get();
    buffery->pamet.resize(delka * kBufferu);
    for (std::size_t i = 0; i < kBufferu; ++i) {
        WAVEHDR& h = buffery->hlavicky[i];
        h.lpData = reinterpret_cast<LPSTR>(buffery->pamet.data() + i * delka);
        h.dwBufferLength = static_cast<DWORD>(delka);
        hr = HResultZMm(::waveOutPrepareHeader(zarizeni_.Get(), &h, sizeof(h)));
        if (FAILED(hr)) {
            // The prepared ones are given back before the device closes.
            buffery.reset();
            zarizeni_.Reset();
            return hr;
        }
    }
    buffery_ = std::move(buffery);
    format_ = format;
    return S_OK;
}

HRESULT VystupZvuku::PockatNaBuffer(std::size_t index, HANDLE zruseni) {
    while (buffery_->VeFronte(index)) {
        const HANDLE cekat[] = {udalost_.Get(), zruseni};
        const DWORD pocet = zruseni != nullptr ? 2 : 1;
        // The device sets the event for each buffer it gives back, and the event stays set
        // until a wait takes it, so none is missed; the timeout only keeps a device that never
        // signals from holding the thread for ever.
        const DWORD vysledek = ::WaitForMultipleObjects(pocet, cekat, FALSE, 50);
        if (vysledek == WAIT_OBJECT_0 + 1) {
            return HRESULT_FROM_WIN32(ERROR_CANCELLED);
        }
        if (vysledek == WAIT_FAILED) {
            return HResultPosledniChyby();
        }
    }
    return S_OK;
}

HRESULT VystupZvuku::Odeslat() {
    WAVEHDR& h = buffery_->hlavicky[plneny_];
    h.dwBufferLength = static_cast<DWORD>(naplneno_);
    const HRESULT hr = HResultZMm(::waveOutWrite(zarizeni_.Get(), &h, sizeof(h)));
    if (FAILED(hr)) {
        return hr;
    }
    buffery_->odeslany[plneny_] = true;
    odeslano_ += naplneno_;
    naplneno_ = 0;
    plneny_ = (plneny_ + 1) % kBufferu;
    return S_OK;
}

HRESULT VystupZvuku::Zapsat(std::span<const std::int16_t> pcm, HANDLE zruseni) {
    if (!buffery_) {
        return HRESULT_FROM_WIN32(ERROR_INVALID_STATE);
    }
    const std::size_t delkaBufferu = buffery_->pamet.size() / kBufferu;
    std::span<const std::uint8_t> bajty(reinterpret_cast<const std::uint8_t*>(pcm.data()),
                                        pcm.size_bytes());
    while (!bajty.empty()) {
        if (naplneno_ == 0) {
            const HRESULT hr = PockatNaBuffer(plneny_, zruseni);
            if (FAILED(hr)) {
                return hr;
            }
        }
        // Read for each piece, not once per call: a long write would hold a change back.
        const std::uint32_t zesileni =
            ztlumeno_.load() ? 0 : Stream::ZesileniHlasitosti(hlasitost_.load());
        std::uint8_t* cil = buffery_->pamet.data() + plneny_ * delkaBufferu;
        const std::size_t uz = naplneno_;
        const std::size_t kus = std::min(delkaBufferu - uz, bajty.size());
        std::memcpy(cil + uz, bajty.data(), kus);
        Stream::Zesilit({reinterpret_cast<std::int16_t*>(cil + uz), kus / Stream::kBajtuVzorku},
                        zesileni);
        naplneno_ += kus;
        bajty = bajty.subspan(kus);
        if (naplneno_ == delkaBufferu) {
            const HRESULT hr = Odeslat();
            if (FAILED(hr)) {
                return hr;
            }
        }
    }
    return S_OK;
}

HRESULT VystupZvuku::Dohrat(HANDLE zruseni) {
    if (!buffery_) {
        return HRESULT_FROM_WIN32(ERROR_INVALID_STATE);
    }
    if (naplneno_ > 0) {
        const HRESULT hr = Odeslat();
        if (FAILED(hr)) {
            return hr;
        }
    }
    for (std::size_t i = 0; i < kBufferu; ++i) {
        const HRESULT hr = PockatNaBuffer(i, zruseni);
        if (FAILED(hr)) {
            return hr;
        }
    }
    return S_OK;
}

std::uint32_t VystupZvuku::VeFronte() const {
    if (!buffery_) {
        return 0;
    }
    MMTIME pozice{};
    pozice.wType = TIME_BYTES;
    const std::uint64_t odeslano = odeslano_.load();
    std::uint64_t prehrano = odeslano;
    if (::waveOutGetPosition(zarizeni_.Get(), &pozice, sizeof(pozice)) == MMSYSERR_NOERROR &&
        pozice.wType == TIME_BYTES) {
        prehrano = std::min<std::uint64_t>(pozice.u.cb, odeslano);
    }
    return Stream::MilisekundVBajtech(format_, odeslano - prehrano + naplneno_.load());
}

HRESULT VystupZvuku::Zastavit() {
    if (!buffery_) {
        return S_OK;
    }
    naplneno_ = 0;
    odeslano_ = 0;
    plneny_ = 0;
    return HResultZMm(::waveOutReset(zarizeni_.Get()));
}

} // namespace Vrbatec
