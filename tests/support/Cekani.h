// Waiting in a test with this thread's messages pumped: windows and the player control deliver
// their work through them.
#pragma once

#include <windows.h>

#include <algorithm>

namespace Vrbatec::Testy {

// Pumps messages until podminka holds or the time is up; whether it held.
template <class Podminka>
bool CekatNa(Podminka podminka, DWORD milisekund = 5000) {
    const ULONGLONG konec = ::GetTickCount64() + milisekund;
    while (!podminka()) {
        const ULONGLONG ted = ::GetTickCount64();
        if (ted >= konec) {
            return false;
        }
        // In slices: the condition may also change on another thread, without a message here.
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE,
                                    static_cast<DWORD>(std::min<ULONGLONG>(konec - ted, 20)),
                                    QS_ALLINPUT);
        MSG zprava;
        while (::PeekMessageW(&zprava, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&zprava);
            ::DispatchMessageW(&zprava);
        }
    }
    return true;
}

inline void Pumpovat(DWORD milisekund) {
    CekatNa([] { return false; }, milisekund);
}

} // namespace Vrbatec::Testy
