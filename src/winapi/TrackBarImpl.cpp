#include "winapi/TrackBarImpl.h"

#include <commctrl.h>

#include "winapi/Diagnostika.h"
#include "winapi/OdrazeniZprav.h"

namespace Knihovna {

namespace {

// Messages of the program's own start above this one; lower numbers could be anybody's.
constexpr UINT kPosledniCiziZprava = 32768;

constexpr bool JePosun(UINT zprava) {
    return zprava == WM_HSCROLL + Vrbatec::WinApi::kZakladOdrazeni ||
           zprava == WM_VSCROLL + Vrbatec::WinApi::kZakladOdrazeni;
}

constexpr int VRozsahu(int hodnota) {
    return hodnota >= 0 && hodnota <= TrackBarImpl::kMaximum ? hodnota : 0;
}

} // namespace

TrackBarImpl::~TrackBarImpl() {
    if (Hwnd() != nullptr && ::IsWindow(Hwnd()) && !::DestroyWindow(Hwnd())) {
        Vrbatec::FatalniPosledniChyba();
    }
}

HRESULT TrackBarImpl::PripojitPosuvnik(HWND posuvnik, int hodnota, int idPopisku) {
    if (!::IsWindow(posuvnik) || !Pripojit(posuvnik)) {
        return E_INVALIDARG;
    }
    ::SendMessageW(posuvnik, TBM_SETRANGE, TRUE, MAKELPARAM(0, kMaximum));
    const int pozice = VRozsahu(hodnota);
    ::SendMessageW(posuvnik, TBM_SETPOS, TRUE, pozice);
    idPopisku_ = idPopisku;
    zpravaPosunu_ = kZpravaPosunu;
    ZobrazitPopisek(pozice);
    return S_OK;
}

void TrackBarImpl::NastavitPozici(int hodnota) {
    ::SendMessageW(PlatneOkno(), TBM_SETPOS, TRUE, hodnota);
}

int TrackBarImpl::Pozice() const {
    return static_cast<int>(::SendMessageW(PlatneOkno(), TBM_GETPOS, 0, 0));
}

void TrackBarImpl::DoplnitStyl(LONG_PTR styl) {
    HWND okno = PlatneOkno();
    const LONG_PTR puvodni = ::GetWindowLongPtrW(okno, GWL_STYLE);
    if ((puvodni & styl) == styl) {
        return;
    }
    ::SetWindowLongPtrW(okno, GWL_STYLE, puvodni | styl);
    ::SetWindowPos(okno, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TrackBarImpl::ZpracovatZpravu(HWND, UINT zprava, WPARAM, LPARAM, LRESULT&) {
    if (JePosun(zprava)) {
        ZobrazitPopisek(Pozice());
        OznamitPosun();
    }
    return false;
}

void TrackBarImpl::ZobrazitPopisek(int hodnota) const {
    if (idPopisku_ != 0) {
        ::SetDlgItemInt(::GetParent(PlatneOkno()), idPopisku_, static_cast<UINT>(hodnota), TRUE);
    }
}

void TrackBarImpl::OznamitPosun() const {
    if (zpravaPosunu_ <= kPosledniCiziZprava) {
        return;
    }
    HWND okno = PlatneOkno();
    ::SendMessageW(::GetParent(okno), zpravaPosunu_, static_cast<WPARAM>(::GetDlgCtrlID(okno)),
                   reinterpret_cast<LPARAM>(okno));
}

} // namespace Knihovna
