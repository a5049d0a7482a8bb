// The settings page of the notification icon: which function each mouse event on the icon
// runs, and whether the icon's tooltip lists the hotkeys.
//
// A function chosen for an event goes into the dialog's copy of the settings at once, so the
// page has only its check box left to take on apply.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/nastaveni/KontextStranek.h"
#include "winapi/ComboBox.h"
#include "winapi/StrankaNastaveni.h"

namespace Vrbatec::Ui {

class DlgNastIkonaHlavni final : public WinApi::StrankaNastaveni {
public:
    static constexpr int kSirkaRozbaleniFunkci = 400;

    explicit DlgNastIkonaHlavni(KontextStranek& kontext);

protected:
    HWND VytvoritOkno(HWND ramec) override;
    bool PriPouziti() override;
    bool PriInicializaci() override;
    bool PriPrikazu(WORD id, WORD kod, HWND prvek) override;

private:
    // The copy's setting of the selected event; nullptr when none is selected.
    std::uint32_t* PrikazUdalosti() const;
    void ZobrazitFunkci();
    void VybratFunkci();

    KontextStranek& kontext_;
    WinApi::ComboBox udalosti_;
    WinApi::ComboBox funkce_;
};

} // namespace Vrbatec::Ui
