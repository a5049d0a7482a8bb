// The capture device that hears the null sink of se_zvukem.sh: the sink's monitor, as the
// system's wave-in devices name it; empty when there is none.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <string>

namespace Vrbatec::Testy {

inline std::wstring ZarizeniMonitoru() {
    for (UINT i = 0; i < ::waveInGetNumDevs(); ++i) {
        WAVEINCAPSW schopnosti{};
        if (::waveInGetDevCapsW(i, &schopnosti, sizeof(schopnosti)) == MMSYSERR_NOERROR &&
            std::wstring(schopnosti.szPname).find(L"Monitor") != std::wstring::npos) {
            return schopnosti.szPname;
        }
    }
    return {};
}

} // namespace Vrbatec::Testy
