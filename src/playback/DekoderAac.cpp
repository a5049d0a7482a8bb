#include "playback/DekoderAac.h"

#include <mfapi.h>
#include <mfidl.h>
#include <mftransform.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstring>

#include "winapi/ComVlakna.h"
#include "winapi/Diagnostika.h"
#include "winapi/Handle.h"

namespace Vrbatec {

using Microsoft::WRL::ComPtr;

namespace {

// An AAC frame gives 1024 samples a channel, twice that when the decoder adds the spectral
// band replication of HE-AAC; the rest is room for a transform that gives out two at once.
constexpr DWORD kNejvicSnimkuVystupu = 4 * 2048;
constexpr LONGLONG kStoNsZaSekundu = 10'000'000;

// Media Foundation's functions from mfplat.dll, loaded at the first use and kept for the
// process: linked directly, a system without it (Windows N without its media features) could
// not start the program at all, when only AAC needs it.
struct FunkceMf {
    WinApi::UniqueModule knihovna;
    HRESULT chyba = S_OK; // why the functions are not there
    decltype(&::MFStartup) spustit = nullptr;
    decltype(&::MFShutdown) ukoncit = nullptr;
    decltype(&::MFTEnumEx) najitTransformace = nullptr;
    decltype(&::MFCreateMediaType) vytvoritTyp = nullptr;
    decltype(&::MFCreateMemoryBuffer) vytvoritBuffer = nullptr;
    decltype(&::MFCreateSample) vytvoritVzorek = nullptr;
};

template <class Funkce>
bool Najit(HMODULE knihovna, const char* nazev, Funkce& funkce) {
    funkce = reinterpret_cast<Funkce>(reinterpret_cast<void*>(::GetProcAddress(knihovna, nazev)));
    return funkce != nullptr;
}

FunkceMf NacistMf() {
    FunkceMf f;
    f.knihovna.Reset(::LoadLibraryExW(L"mfplat.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    const HMODULE k = f.knihovna.Get();
    if (k == nullptr || !Najit(k, "MFStartup", f.spustit) || !Najit(k, "MFShutdown", f.ukoncit) ||
        !Najit(k, "MFTEnumEx", f.najitTransformace) ||
        !Najit(k, "MFCreateMediaType", f.vytvoritTyp) ||
        !Najit(k, "MFCreateMemoryBuffer", f.vytvoritBuffer) ||
        !Najit(k, "MFCreateSample", f.vytvoritVzorek)) {
        f.chyba = HResultPosledniChyby();
    }
    return f;
}

const FunkceMf& Mf() {
    static const FunkceMf funkce = NacistMf();
    return funkce;
}

class SpusteniMf {
public:
    SpusteniMf()
        : hr_(FAILED(Mf().chyba) ? Mf().chyba : Mf().spustit(MF_VERSION, MFSTARTUP_LITE)) {}
    ~SpusteniMf() {
        if (SUCCEEDED(hr_)) {
            const HRESULT hr = Mf().ukoncit();
            if (FAILED(hr)) {
                FatalniHResult(hr);
            }
        }
    }
    SpusteniMf(const SpusteniMf&) = delete;
    SpusteniMf& operator=(const SpusteniMf&) = delete;
    HRESULT Vysledek() const { return hr_; }

private:
    HRESULT hr_;
};

// The array MFTEnumEx gives: each activation object released, then the array freed.
struct NalezeneTransformace {
    IMFActivate** pole = nullptr;
    UINT32 pocet = 0;

    NalezeneTransformace() = default;
    NalezeneTransformace(const NalezeneTransformace&) = delete;
    NalezeneTransformace& operator=(const NalezeneTransformace&) = delete;
    ~NalezeneTransformace() {
        for (UINT32 i = 0; i < pocet; ++i) {
            pole[i]->Release();
        }
        ::CoTaskMemFree(pole);
    }
};

HRESULT VytvoritTypVstupu(const Stream::HlavickaAdts& h, ComPtr<IMFMediaType>& typ) {
    HRESULT hr = Mf().vytvoritTyp(&typ);
    if (SUCCEEDED(hr)) {
        hr = typ->SetGUID(MF_MT_MAJOR_TYPE, MFMediaType_Audio);
    }
    if (SUCCEEDED(hr)) {
        hr = typ->SetGUID(MF_MT_SUBTYPE, MFAudioFormat_AAC);
    }
    if (SUCCEEDED(hr)) {
        hr = typ->SetUINT32(MF_MT_AUDIO_SAMPLES_PER_SECOND, h.vzorkovaciKmitocet);
    }
    if (SUCCEEDED(hr)) {
        hr = typ->SetUINT32(MF_MT_AUDIO_NUM_CHANNELS, h.kanaly);
    }
    if (SUCCEEDED(hr)) {
        hr = typ->SetUINT32(MF_MT_AUDIO_BITS_PER_SAMPLE, 16);
    }
    if (SUCCEEDED(hr)) {
        hr = typ->SetUINT32(MF_MT_AAC_PAYLOAD_TYPE, 1); // ADTS: each frame carries its header
    }
    if (SUCCEEDED(hr)) {
        const auto popis = Stream::PopisProDekoderAac(h);
        hr = typ->SetBlob(MF_MT_USER_DATA, popis.data(), static_cast<UINT32>(popis.size()));
    }
    return hr;
}

// The transform's failures while it is set up mean it cannot decode this stream here; only
// a lack of memory is a failure of its own.
HRESULT ChybaNastaveni(HRESULT hr) {
    return hr == E_OUTOFMEMORY ? hr : DekoderAac::kZadnyDekoder;
}

} // namespace

// Members end in reverse order: the transform before Media Foundation, that before COM.
struct Detail::KodekAac {
    static bool Prijme(const Stream::HlavickaAdts& h) {
        return h.kanaly >= 1 && h.kanaly <= 7 && h.vzorkovaciKmitocet != 0 && h.blokyDat >= 1;
    }

    // The transform is created in-process and called only from the decoder's thread, so COM
    // of either model serves.
    WinApi::ComVlakna com;
    SpusteniMf mf;
    ComPtr<IMFTransform> transformace;
    Stream::FormatPcm format;
    DWORD velikostVystupu = 0;
    bool daVzorky = false; // the transform gives its own output samples
    LONGLONG cas = 0;      // of the next frame, in 100 ns
    LONGLONG delkaRamce = 0;

    Stream::FormatPcm Format() const { return format; }

    HRESULT Otevrit(const Stream::HlavickaAdts& h) {
        delkaRamce = LONGLONG{1024} * h.blokyDat * kStoNsZaSekundu / h.vzorkovaciKmitocet;
        HRESULT hr = com.Vysledek();
        if (SUCCEEDED(hr)) {
            hr = mf.Vysledek();
        }
        if (FAILED(hr)) {
            return ChybaNastaveni(hr);
        }
        MFT_REGISTER_TYPE_INFO vstup{MFMediaType_Audio, MFAudioFormat_AAC};
        NalezeneTransformace nalezene;
        hr = Mf().najitTransformace(MFT_CATEGORY_AUDIO_DECODER,
                                    MFT_ENUM_FLAG_SYNCMFT | MFT_ENUM_FLAG_LOCALMFT |
                                        MFT_ENUM_FLAG_SORTANDFILTER,
                                    &vstup, nullptr, &nalezene.pole, &nalezene.pocet);
        if (FAILED(hr) || nalezene.pocet == 0) {
            return ChybaNastaveni(hr);
        }
        hr = nalezene.pole[0]->ActivateObject(IID_PPV_ARGS(&transformace));
        ComPtr<IMFMediaType> typ;
        if (SUCCEEDED(hr)) {
            hr = VytvoritTypVstupu(h, typ);
        }
        if (SUCCEEDED(hr)) {
            hr = transformace->SetInputType(0, typ.Get(), 0);
        }
        if (SUCCEEDED(hr)) {
            hr = NastavitVystup();
        }
        if (SUCCEEDED(hr)) {
            hr = transformace->ProcessMessage(MFT_MESSAGE_NOTIFY_BEGIN_STREAMING, 0);
        }
        if (SUCCEEDED(hr)) {
            hr = transformace->ProcessMessage(MFT_MESSAGE_NOTIFY_START_OF_STREAM, 0);
        }
        return FAILED(hr) ? ChybaNastaveni(hr) : S_OK;
    }

    // The first 16-bit PCM type the transform offers; its rate and channels are the format.
    HRESULT NastavitVystup() {
        for (DWORD i = 0;; ++i) {
            ComPtr<IMFMediaType> typ;
            HRESULT hr = transformace->GetOutputAvailableType(0, i, &typ);
            if (FAILED(hr)) {
                return hr; // MF_E_NO_MORE_TYPES when none of them is 16-bit PCM
            }
            GUID podtyp{};
            if (FAILED(typ->GetGUID(MF_MT_SUBTYPE, &podtyp)) || podtyp != MFAudioFormat_PCM ||
                ::MFGetAttributeUINT32(typ.Get(), MF_MT_AUDIO_BITS_PER_SAMPLE, 0) != 16) {
                continue;
            }
            const UINT32 kmitocet =
                ::MFGetAttributeUINT32(typ.Get(), MF_MT_AUDIO_SAMPLES_PER_SECOND, 0);
            const UINT32 kanalu = ::MFGetAttributeUINT32(typ.Get(), MF_MT_AUDIO_NUM_CHANNELS, 0);
            if (kmitocet == 0 || kanalu == 0 || kanalu > 8) {
                continue;
            }
            hr = transformace->SetOutputType(0, typ.Get(), 0);
            if (FAILED(hr)) {
                return hr;
            }
            MFT_OUTPUT_STREAM_INFO informace{};
            hr = transformace->GetOutputStreamInfo(0, &informace);
            if (FAILED(hr)) {
                return hr;
            }
            format = {kmitocet, static_cast<std::uint16_t>(kanalu)};
            daVzorky = (informace.dwFlags & (MFT_OUTPUT_STREAM_PROVIDES_SAMPLES |
                                             MFT_OUTPUT_STREAM_CAN_PROVIDE_SAMPLES)) != 0;
            velikostVystupu =
                std::max<DWORD>(informace.cbSize, kNejvicSnimkuVystupu * kanalu *
                                                      static_cast<DWORD>(Stream::kBajtuVzorku));
            return S_OK;
        }
    }

    HRESULT Dekodovat(Stream::RozdelovacAdts& rozdelovac, std::vector<std::int16_t>& pcm) {
        for (std::span<const std::uint8_t> ramec = rozdelovac.DalsiRamec(); !ramec.empty();
             ramec = rozdelovac.DalsiRamec()) {
            const HRESULT hr = Vlozit(ramec, pcm);
            if (FAILED(hr)) {
                return hr;
            }
        }
        return S_OK;
    }

    HRESULT Vlozit(std::span<const std::uint8_t> ramec, std::vector<std::int16_t>& pcm) {
        ComPtr<IMFMediaBuffer> buffer;
        HRESULT hr = Mf().vytvoritBuffer(static_cast<DWORD>(ramec.size()), &buffer);
        BYTE* data = nullptr;
        if (SUCCEEDED(hr)) {
            hr = buffer->Lock(&data, nullptr, nullptr);
        }
        if (SUCCEEDED(hr)) {
            std::memcpy(data, ramec.data(), ramec.size());
            hr = buffer->Unlock();
        }
        if (SUCCEEDED(hr)) {
            hr = buffer->SetCurrentLength(static_cast<DWORD>(ramec.size()));
        }
        ComPtr<IMFSample> vzorek;
        if (SUCCEEDED(hr)) {
            hr = Mf().vytvoritVzorek(&vzorek);
        }
        if (SUCCEEDED(hr)) {
            hr = vzorek->AddBuffer(buffer.Get());
        }
        // Times are not needed for decoding, but a transform built on a pipeline may drop
        // samples without them.
        if (SUCCEEDED(hr)) {
            hr = vzorek->SetSampleTime(cas);
        }
        if (SUCCEEDED(hr)) {
            hr = vzorek->SetSampleDuration(delkaRamce);
        }
        if (FAILED(hr)) {
            return hr;
        }
        cas += delkaRamce;
        hr = transformace->ProcessInput(0, vzorek.Get(), 0);
        if (hr == MF_E_NOTACCEPTING) {
            // It still holds output of earlier frames.
            hr = Vybrat(pcm);
            if (SUCCEEDED(hr)) {
                hr = transformace->ProcessInput(0, vzorek.Get(), 0);
            }
        }
        if (FAILED(hr)) {
            return hr;
        }
        return Vybrat(pcm);
    }

    // Takes all the output the transform has ready.
    HRESULT Vybrat(std::vector<std::int16_t>& pcm) {
        for (;;) {
            ComPtr<IMFSample> nas;
            HRESULT hr = S_OK;
            if (!daVzorky) {
                ComPtr<IMFMediaBuffer> buffer;
                hr = Mf().vytvoritBuffer(velikostVystupu, &buffer);
                if (SUCCEEDED(hr)) {
                    hr = Mf().vytvoritVzorek(&nas);
                }
                if (SUCCEEDED(hr)) {
                    hr = nas->AddBuffer(buffer.Get());
                }
                if (FAILED(hr)) {
                    return hr;
                }
            }
            MFT_OUTPUT_DATA_BUFFER vystup{};
            vystup.pSample = nas.Get();
            DWORD stav = 0;
            hr = transformace->ProcessOutput(0, 1, &vystup, &stav);
            ComPtr<IMFCollection> udalosti;
            udalosti.Attach(vystup.pEvents);
            ComPtr<IMFSample> jeho;
            if (daVzorky) {
                jeho.Attach(vystup.pSample);
            }
            if (hr == MF_E_TRANSFORM_NEED_MORE_INPUT) {
                return S_OK;
            }
            if (hr == MF_E_TRANSFORM_STREAM_CHANGE) {
                // The output is renegotiated; a new rate or channel count would need another
                // device, which the caller opened for the first format.
                const Stream::FormatPcm puvodni = format;
                hr = NastavitVystup();
                if (SUCCEEDED(hr) && format != puvodni) {
                    hr = HRESULT_FROM_WIN32(ERROR_INVALID_DATA);
                }
                if (FAILED(hr)) {
                    return hr;
                }
                continue;
            }
            if (FAILED(hr)) {
                return hr;
            }
            IMFSample* vzorek = daVzorky ? jeho.Get() : nas.Get();
            if (vzorek != nullptr) {
                hr = Pripojit(*vzorek, pcm);
                if (FAILED(hr)) {
                    return hr;
                }
            }
        }
    }

    static HRESULT Pripojit(IMFSample& vzorek, std::vector<std::int16_t>& pcm) {
        ComPtr<IMFMediaBuffer> buffer;
        HRESULT hr = vzorek.ConvertToContiguousBuffer(&buffer);
        BYTE* data = nullptr;
        DWORD delka = 0;
        if (SUCCEEDED(hr)) {
            hr = buffer->Lock(&data, nullptr, &delka);
        }
        if (FAILED(hr)) {
            return hr;
        }
        const std::size_t vzorku = delka / Stream::kBajtuVzorku;
        const std::size_t puvodne = pcm.size();
        pcm.resize(puvodne + vzorku);
        std::memcpy(pcm.data() + puvodne, data, vzorku * Stream::kBajtuVzorku);
        return buffer->Unlock();
    }
};

template class DekoderStreamu<Stream::HlavickaAdts, Detail::KodekAac>;

} // namespace Vrbatec
