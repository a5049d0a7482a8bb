// The volume slider of the source dialog: a trackbar of the dialog's resource, 0-100, whose
// number is shown in the static 1014 of the same dialog.
//
// The dialog reflects its WM_HSCROLL and WM_VSCROLL (OdrazitOznameni); on each the number
// follows the thumb, and the trackbar then handles the message as usual.
#pragma once

#include <windows.h>

#include "winapi/OknoImpl.h"

namespace Vrbatec {

class TrackBarHlasitost final : public WinApi::OknoImpl {
public:
    // Subclasses the trackbar, gives it tooltips, a fixed thumb and no tick marks, the range
    // 0-100 and the position. False when the window does not exist or cannot be subclassed.
    bool PripojitPosuvnik(HWND posuvnik, int hodnota);

    // The number follows only a value the trackbar can show as it is; one above 100 leaves
    // the number as it was.
    void NastavitPozici(int hodnota);
    int Pozice() const;

    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;

private:
    void DoplnitStyly();
    void ZobrazitCislo(int hodnota) const;
};

} // namespace Vrbatec
