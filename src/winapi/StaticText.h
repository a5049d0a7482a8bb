// Owner-drawn static text with its own font, colour, background and alignment. The parent
// must reflect WM_DRAWITEM (OdrazitOznameni); the text is drawn from the reflected form.
//
// The text is drawn in the system window-text colour, unless that colour is black, in which
// case the object's own colour shows: with the usual scheme the text has its own colour,
// and with a high-contrast scheme it keeps the scheme's.
#pragma once

#include <windows.h>

#include <utility>

#include "winapi/Handle.h"
#include "winapi/OknoImpl.h"

namespace Vrbatec::WinApi {

class StaticText : public OknoImpl {
public:
    enum class Zarovnani { Vlevo = 0, NaStred = 1, Vpravo = 2 };

    // Creates an owner-drawn static control owned by this object; a failure is fatal.
    void VytvoritText(HINSTANCE instance, HWND rodic, int idPrvku, const RECT& obdelnik,
                      const wchar_t* text);

    void NastavitBarvuTextu(COLORREF barva) noexcept { barva_ = barva; }
    // The brush is not owned: it must outlive the control (system colour brushes do).
    void NastavitPozadi(HBRUSH stetec) noexcept { pozadi_ = stetec; }
    void NastavitZarovnani(Zarovnani zarovnani) noexcept { zarovnani_ = zarovnani; }
    // Takes the font over; the previous one is deleted.
    void NastavitPismo(UniqueFont pismo) noexcept { pismo_ = std::move(pismo); }

    COLORREF BarvaTextu() const noexcept { return barva_; }
    HFONT Pismo() const noexcept { return pismo_.Get(); }

    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;

protected:
    // Makes an existing static control owner-drawn, adding the extra styles.
    void NastavitVlastniKresleni(DWORD dalsiStyly);

private:
    void Nakreslit(const DRAWITEMSTRUCT& polozka) const;

    COLORREF barva_ = RGB(0, 0, 0);
    UniqueFont pismo_;
    HBRUSH pozadi_ = nullptr;
    Zarovnani zarovnani_ = Zarovnani::Vlevo;
};

} // namespace Vrbatec::WinApi
