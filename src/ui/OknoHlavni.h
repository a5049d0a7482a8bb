// The main window: the program's only top-level window and the place where every command
// arrives as WM_COMMAND (menus, accelerators, forwarded command words).
//
// For now it is the bare frame: it carries the program's title and icons, reopens where the
// user left it (centred the first time), runs the start command once it is up, says which
// command it received, saves its placement and closes on WM_CLOSE and ends the message loop
// when destroyed. Bars, lists and the player join it later.
#pragma once

#include <windows.h>

#include <cstdint>

#include "winapi/Okno.h"

namespace Vrbatec::Ui {

// Posted to itself at the end of creation; delivered once the message loop runs.
inline constexpr UINT WM_PO_VYTVORENI = WM_APP + 4;

class OknoHlavni final : public WinApi::Okno {
public:
    static constexpr wchar_t kTrida[] = L"ZvukoletHlavni";

    OknoHlavni() = default;
    ~OknoHlavni() override;

    // Registers the class, creates and shows the window; failures are fatal.
    void Vytvorit();

    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;

private:
    void PriVytvoreni(HWND okno);
    void PoVytvoreni();
    void PriPrikazu(std::uint32_t prikaz);
    void PriUkonceni();
    void RozmistitText();

    HWND text_ = nullptr; // a child, destroyed with the window
};

} // namespace Vrbatec::Ui
