// Headings of dialogs: a static control of the dialog resource drawn as owner-drawn text in
// dark red on the button face, in the control's own font at a larger height.
#pragma once

#include <windows.h>

#include "winapi/StaticText.h"

namespace Knihovna {

class StaticNadpis : public Vrbatec::WinApi::StaticText {
public:
    static constexpr LONG kVyskaPisma = -20;
    static constexpr COLORREF kBarva = RGB(128, 0, 0);

    StaticNadpis() noexcept : StaticNadpis(kVyskaPisma) {}

    // Subclasses the static control and turns it into the heading. A window that does not
    // exist is a fatal E_HANDLE; a failing subclass or font a fatal last error.
    void PripojitNadpis(HWND okno);

    // Recreates the font with another face and redraws the heading when it is visible.
    void NastavitNazevPisma(const wchar_t* nazev);

protected:
    explicit StaticNadpis(LONG vyskaPisma) noexcept : vyskaPisma_(vyskaPisma) {}

private:
    void VytvoritPismo();

    LONG vyskaPisma_;
    LOGFONTW parametryPisma_{};
};

} // namespace Knihovna
