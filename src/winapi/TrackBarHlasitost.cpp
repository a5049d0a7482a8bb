#include "winapi/TrackBarHlasitost.h"

#include <commctrl.h>

#include "res/resource.h"
#include "winapi/OdrazeniZprav.h"

namespace Vrbatec {

namespace {

constexpr LONG_PTR kStylyPosuvniku = TBS_TOOLTIPS | TBS_FIXEDLENGTH | TBS_NOTICKS;
static_assert(kStylyPosuvniku == 0x150);
constexpr int kMaximum = 100;

constexpr bool JePosunuti(UINT zprava) {
    return zprava == WM_HSCROLL + WinApi::kZakladOdrazeni ||
           zprava == WM_VSCROLL + WinApi::kZakladOdrazeni;
}

} // namespace

bool TrackBarHlasitost::PripojitPosuvnik(HWND posuvnik, int hodnota) {
    if (!::IsWindow(posuvnik) || !Pripojit(posuvnik)) {
        return false;
    }
    DoplnitStyly();
    ::SendMessageW(posuvnik, TBM_SETRANGE, TRUE, MAKELPARAM(0, kMaximum));
    ::SendMessageW(posuvnik, TBM_SETPOS, TRUE, hodnota);
    ZobrazitCislo(hodnota);
    return true;
}

void TrackBarHlasitost::NastavitPozici(int hodnota) {
    ::SendMessageW(PlatneOkno(), TBM_SETPOS, TRUE, hodnota);
    if (hodnota >= 0 && hodnota <= kMaximum) {
        ZobrazitCislo(hodnota);
    }
}

int TrackBarHlasitost::Pozice() const {
    return static_cast<int>(::SendMessageW(PlatneOkno(), TBM_GETPOS, 0, 0));
}

bool TrackBarHlasitost::ZpracovatZpravu(HWND, UINT zprava, WPARAM, LPARAM, LRESULT&) {
    if (JePosunuti(zprava)) {
        ZobrazitCislo(Pozice());
    }
    return false;
}

void TrackBarHlasitost::DoplnitStyly() {
    HWND okno = PlatneOkno();
    const LONG_PTR styl = ::GetWindowLongPtrW(okno, GWL_STYLE);
    if ((styl & kStylyPosuvniku) != kStylyPosuvniku) {
        ::SetWindowLongPtrW(okno, GWL_STYLE, styl | kStylyPosuvniku);
        ::SetWindowPos(okno, nullptr, 0, 0, 0, 0,
                       SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void TrackBarHlasitost::ZobrazitCislo(int hodnota) const {
    ::SetDlgItemInt(::GetParent(PlatneOkno()), IDC_HLASITOST_CISLO, static_cast<UINT>(hodnota),
                    TRUE);
}

} // namespace Vrbatec
