// The system's sound calls: their result codes as HRESULTs, and owners of the wave-out
// device and the audio codec stream.
#pragma once

#include <windows.h>
#include <mmsystem.h>
#include <mmreg.h>
#include <msacm.h>

#include "winapi/Handle.h"

namespace Vrbatec {

// The result of a waveIn/waveOut/ACM call; S_OK for MMSYSERR_NOERROR.
HRESULT HResultZMm(MMRESULT vysledek);

namespace WinApi {
namespace Detail {

// A reset first gives back every queued buffer; a device with buffers queued refuses to close.
struct WaveOutHandle : NulovyHandle<HWAVEOUT> {
    static void Zavrit(HWAVEOUT h) noexcept {
        ::waveOutReset(h);
        const MMRESULT vysledek = ::waveOutClose(h);
        if (vysledek != MMSYSERR_NOERROR) {
            FatalniHResult(HResultZMm(vysledek));
        }
    }
};

struct AcmStreamHandle : NulovyHandle<HACMSTREAM> {
    static void Zavrit(HACMSTREAM h) noexcept {
        const MMRESULT vysledek = ::acmStreamClose(h, 0);
        if (vysledek != MMSYSERR_NOERROR) {
            FatalniHResult(HResultZMm(vysledek));
        }
    }
};

} // namespace Detail

using UniqueWaveOut = Handle<Detail::WaveOutHandle>;
using UniqueAcmStream = Handle<Detail::AcmStreamHandle>;

} // namespace WinApi
} // namespace Vrbatec
