// The main window's status bar: three parts, the play state's icon, the recording state's
// icon and a text (the ready text, the play state or the hint of a highlighted menu item).
//
// Setting up the parts and the icons cannot fail in a working system, so such failures end
// the program. The bar belongs to this object; its icons belong to whoever passes them.
#pragma once

#include <windows.h>

#include <string>

#include "zaklad/Handle.h"

namespace Vrbatec::Ui {

class StavovyRadek {
public:
    static constexpr int kCastIkonyPrehravani = 0;
    static constexpr int kCastIkonyZaznamu = 1;
    static constexpr int kCastTextu = 2;

    // Creates the bar at the bottom of the parent with its text and both icons.
    void Vytvorit(HWND rodic, HINSTANCE instance, const std::wstring& text, HICON ikonaPrehravani,
                  HICON ikonaZaznamu);
    void Zrusit();
    bool Existuje() const { return static_cast<bool>(okno_); }
    HWND Hwnd() const { return okno_.Get(); }

    void NastavitText(const std::wstring& text);
    std::wstring Text() const;
    void NastavitIkonu(int cast, HICON ikona);
    HICON Ikona(int cast) const;

    // Window height; 0 without the bar.
    int Vyska() const;
    // The bar places itself along the parent's bottom edge when told of a new size.
    void PriZmeneVelikosti();

    // One step of the blinking while recording: the recording part swaps between the two.
    void BliknoutZaznamem(HICON ikonaZaznamu, HICON ikonaBezZaznamu);

private:
    HWND PlatneOkno() const;

    WinApi::UniqueWindow okno_;
};

} // namespace Vrbatec::Ui
