#include "playback/DekoderMp3.h"

#include <algorithm>
#include <cstring>

#include "winapi/Multimedia.h"

namespace Vrbatec {

namespace {

// 144 × 320 kb/s / 32 kHz, or 72 × 160 kb/s / 8 kHz, and the padding byte.
constexpr DWORD kNejdelsiRamec = 1441;
// What one conversion takes at most: several frames at once, fewer calls into the codec for
// a stream that arrives in large reads. Counted in frames, not bytes, because a frame's
// samples do not depend on its length: short frames of a low bit rate would otherwise need
// a huge output buffer.
constexpr DWORD kRamcuNaPrevod = 16;
constexpr DWORD kVstupuNaPrevod = kRamcuNaPrevod * kNejdelsiRamec;

// Samples per frame: 1152 for MPEG-1, 576 for MPEG-2 and 2.5.
DWORD VzorkuRamce(const Stream::HlavickaMp3& h) {
    return h.verze == Stream::VerzeMpeg::Mpeg1 ? 1152 : 576;
}

MPEGLAYER3WAVEFORMAT FormatMp3(const Stream::HlavickaMp3& h) {
    MPEGLAYER3WAVEFORMAT f{};
    f.wfx.wFormatTag = WAVE_FORMAT_MPEGLAYER3;
    f.wfx.nChannels = static_cast<WORD>(h.kanaly);
    f.wfx.nSamplesPerSec = h.vzorkovaciKmitocet;
    f.wfx.nAvgBytesPerSec = h.datovyTok * 1000 / 8;
    f.wfx.nBlockAlign = 1;
    f.wfx.wBitsPerSample = 0;
    f.wfx.cbSize = MPEGLAYER3_WFX_EXTRA_BYTES;
    f.wID = MPEGLAYER3_ID_MPEG;
    f.fdwFlags = MPEGLAYER3_FLAG_PADDING_ISO;
    f.nBlockSize = static_cast<WORD>(h.delkaRamce);
    f.nFramesPerBlock = 1;
    f.nCodecDelay = 0;
    return f;
}

WAVEFORMATEX FormatVystupu(const Stream::HlavickaMp3& h) {
    WAVEFORMATEX f{};
    f.wFormatTag = WAVE_FORMAT_PCM;
    f.nChannels = static_cast<WORD>(h.kanaly);
    f.nSamplesPerSec = h.vzorkovaciKmitocet;
    f.wBitsPerSample = 16;
    f.nBlockAlign = static_cast<WORD>(f.nChannels * 2);
    f.nAvgBytesPerSec = f.nSamplesPerSec * f.nBlockAlign;
    return f;
}

} // namespace

// The codec stream with one header prepared over its two buffers; the header is given back
// before the stream closes (the members go in reverse order).
struct Detail::KodekMp3 {
    static bool Prijme(const Stream::HlavickaMp3& h) {
        return h.kanaly >= 1 && h.kanaly <= 2 && h.vzorkovaciKmitocet != 0 && h.delkaRamce != 0 &&
               h.delkaRamce <= kNejdelsiRamec;
    }

    WinApi::UniqueAcmStream proud;
    std::vector<std::uint8_t> vstup;
    std::vector<std::uint8_t> vystup;
    ACMSTREAMHEADER hlavicka{};
    bool pripravena = false;
    DWORD zbyva = 0; // bytes the codec left at the front of the input
    Stream::FormatPcm format;

    ~KodekMp3() {
        if (pripravena) {
            hlavicka.cbSrcLength = static_cast<DWORD>(vstup.size());
            hlavicka.cbDstLength = static_cast<DWORD>(vystup.size());
            const MMRESULT vysledek = ::acmStreamUnprepareHeader(proud.Get(), &hlavicka, 0);
            if (vysledek != MMSYSERR_NOERROR) {
                FatalniHResult(HResultZMm(vysledek));
            }
        }
    }

    HRESULT Otevrit(const Stream::HlavickaMp3& h) {
        format = {h.vzorkovaciKmitocet, static_cast<std::uint16_t>(h.kanaly)};
        MPEGLAYER3WAVEFORMAT zdroj = FormatMp3(h);
        WAVEFORMATEX cil = FormatVystupu(h);
        HRESULT hr = HResultZMm(::acmStreamOpen(proud.Adresa(), nullptr,
                                                reinterpret_cast<WAVEFORMATEX*>(&zdroj), &cil,
                                                nullptr, 0, 0, ACM_STREAMOPENF_NONREALTIME));
        if (FAILED(hr)) {
            return hr;
        }
        // The frames of a full input and two more, in case the codec gives out what it held
        // back together with the new ones. Its own estimate is not asked: for a low bit rate
        // it is many times that. Should the room ever be short, the codec takes less of the
        // input and the rest waits in it.
        const DWORD delkaVystupu = (kRamcuNaPrevod + 2) * VzorkuRamce(h) * cil.nBlockAlign;
        vstup.resize(kVstupuNaPrevod);
        vystup.resize(delkaVystupu);
        hlavicka.cbStruct = sizeof(hlavicka);
        hlavicka.pbSrc = vstup.data();
        hlavicka.cbSrcLength = static_cast<DWORD>(vstup.size());
        hlavicka.pbDst = vystup.data();
        hlavicka.cbDstLength = static_cast<DWORD>(vystup.size());
        hr = HResultZMm(::acmStreamPrepareHeader(proud.Get(), &hlavicka, 0));
        pripravena = SUCCEEDED(hr);
        return hr;
    }

    // Converts the first `delka` bytes of the input and appends what comes out. What the
    // codec left of the input moves to the front, `zbyva` bytes of it.
    HRESULT Prevest(DWORD delka, std::vector<std::int16_t>& pcm) {
        hlavicka.cbSrcLength = delka;
        hlavicka.cbDstLength = static_cast<DWORD>(vystup.size());
        hlavicka.cbSrcLengthUsed = 0;
        hlavicka.cbDstLengthUsed = 0;
        const HRESULT hr =
            HResultZMm(::acmStreamConvert(proud.Get(), &hlavicka, ACM_STREAMCONVERTF_BLOCKALIGN));
        if (FAILED(hr)) {
            return hr;
        }
        const DWORD pouzito = std::min(hlavicka.cbSrcLengthUsed, delka);
        zbyva = delka - pouzito;
        std::memmove(vstup.data(), vstup.data() + pouzito, zbyva);
        const std::size_t vzorku = hlavicka.cbDstLengthUsed / sizeof(std::int16_t);
        const std::size_t puvodne = pcm.size();
        pcm.resize(puvodne + vzorku);
        std::memcpy(pcm.data() + puvodne, vystup.data(), vzorku * sizeof(std::int16_t));
        return S_OK;
    }

    Stream::FormatPcm Format() const { return format; }

    HRESULT Dekodovat(Stream::RozdelovacMp3& rozdelovac, std::vector<std::int16_t>& pcm) {
        for (;;) {
            DWORD delka = zbyva;
            DWORD ramcu = 0;
            // Whole frames into the input while the longest one would still fit.
            while (ramcu < kRamcuNaPrevod && delka + kNejdelsiRamec <= kVstupuNaPrevod) {
                const std::span<const std::uint8_t> ramec = rozdelovac.DalsiRamec();
                if (ramec.empty()) {
                    break;
                }
                std::memcpy(vstup.data() + delka, ramec.data(), ramec.size());
                delka += static_cast<DWORD>(ramec.size());
                ++ramcu;
            }
            const bool plno = delka + kNejdelsiRamec > kVstupuNaPrevod;
            const bool nove = ramcu > 0;
            if (!nove && !plno) {
                // Nothing new for the codec: what it left waits for the next frames.
                return S_OK;
            }
            const std::size_t predtim = pcm.size();
            const HRESULT hr = Prevest(delka, pcm);
            if (FAILED(hr)) {
                return hr;
            }
            if (zbyva == delka && pcm.size() == predtim) {
                // The codec took nothing: with room for more it may want the next frame; with a
                // full input it never will take it.
                return plno ? HRESULT_FROM_WIN32(ERROR_INVALID_DATA) : S_OK;
            }
        }
    }
};

template class DekoderStreamu<Stream::HlavickaMp3, Detail::KodekMp3>;

} // namespace Vrbatec
