// A trackbar of a dialog resource, always on the scale 0-100, that can show its position in a
// static of the same dialog and tell its parent after each movement.
//
// The parent reflects its WM_HSCROLL and WM_VSCROLL (OdrazitOznameni). On each, the number
// follows the thumb, the parent gets the notify message (when it is one of the program's own,
// above 32768) with the trackbar's identifier in wParam and its window in lParam, and the
// trackbar then handles the scroll as usual. The notify message is sent, not posted, so the
// parent reads the position that caused it.
#pragma once

#include <windows.h>

#include "winapi/OknoImpl.h"

namespace Knihovna {

class TrackBarImpl : public Vrbatec::WinApi::OknoImpl {
public:
    static constexpr UINT kZpravaPosunu = WM_APP + 1;
    static constexpr int kMaximum = 100;

    TrackBarImpl() noexcept = default;
    // The trackbar goes with its object.
    ~TrackBarImpl() override;

    // Subclasses the trackbar: range 0-100, the position (outside the range 0), the label
    // (0 for none) showing it, and kZpravaPosunu as the notify message. E_INVALIDARG when the
    // window does not exist or cannot be subclassed.
    HRESULT PripojitPosuvnik(HWND posuvnik, int hodnota, int idPopisku);

    // The window must exist (a fatal E_HANDLE otherwise).
    void NastavitPozici(int hodnota);
    int Pozice() const;

    // A message up to 32768 sends nothing.
    void NastavitZpravuPosunu(UINT zprava) noexcept { zpravaPosunu_ = zprava; }
    UINT ZpravaPosunu() const noexcept { return zpravaPosunu_; }

    // Adds style bits that are missing and lets the frame follow.
    void DoplnitStyl(LONG_PTR styl);

    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;

private:
    void ZobrazitPopisek(int hodnota) const;
    void OznamitPosun() const;

    int idPopisku_ = 0;
    UINT zpravaPosunu_ = 0;
};

} // namespace Knihovna
