#include "playback/DlgHlasitost.h"

#include <commctrl.h>

#include "winapi/Diagnostika.h"
#include "res/resource.h"

namespace Vrbatec {

INT_PTR DlgHlasitost::Spustit(HINSTANCE instance) {
    return SpustitModalne(instance, MAKEINTRESOURCEW(IDD_HLASITOST), nullptr);
}

bool DlgHlasitost::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                                   LRESULT& vysledek) {
    switch (zprava) {
    case Knihovna::TrackBarImpl::kZpravaPosunu:
        PriPosunu();
        return true;
    case WM_DESTROY:
        Zverejnit(nullptr);
        return false;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            Skoncit(kPotvrzeno);
        }
        return false;
    default:
        return Dialog::ZpracovatZpravu(okno, zprava, wParam, lParam, vysledek);
    }
}

bool DlgHlasitost::PriInicializaci() {
    HWND okno = Hwnd();
    POINT kurzor{};
    ::GetCursorPos(&kurzor);
    // The top of the vertical slider is its position 0, and full volume.
    const HRESULT hr = posuvnik_.PripojitPosuvnik(::GetDlgItem(okno, IDC_HLASITOST),
                                                  Knihovna::TrackBarImpl::kMaximum - hlasitost_, 0);
    if (FAILED(hr)) {
        FatalniHResult(hr);
    }
    posuvnik_.DoplnitStyl(TBS_NOTICKS);
    ::SetWindowPos(okno, HWND_TOPMOST, kurzor.x, kurzor.y, 0, 0, SWP_NOSIZE);
    Zverejnit(okno);
    return true;
}

// Ending hides the dialog, which takes its activation away once more; the first reason counts.
void DlgHlasitost::Skoncit(INT_PTR vysledek) {
    if (!konci_) {
        konci_ = true;
        Ukoncit(vysledek);
    }
}

void DlgHlasitost::Zverejnit(HWND okno) const {
    if (zverejneneOkno_ != nullptr) {
        zverejneneOkno_->store(okno);
    }
}

void DlgHlasitost::PriPosunu() const {
    const int hlasitost = Knihovna::TrackBarImpl::kMaximum - posuvnik_.Pozice();
    // A main window that is gone by now has nothing left to apply the volume to.
    ::PostMessageW(prijemce_, WM_HLASITOST_Z_POPUPU, static_cast<WPARAM>(hlasitost), 0);
}

} // namespace Vrbatec
