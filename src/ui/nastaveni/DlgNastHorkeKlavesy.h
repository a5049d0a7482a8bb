// The settings page of the global hotkeys: a group of commands, the list of its commands and a
// hotkey control in which the selected command's combination is shown and a new one entered.
//
// The page edits the hotkey table of the dialog's copy of the settings in place, so it has
// nothing left to take on apply. The hotkeys are registered again only when the dialog has
// closed, from what it saved.
#pragma once

#include <windows.h>

#include "ui/nastaveni/KontextStranek.h"
#include "ui/nastaveni/ListBoxHorkeKlavesy.h"
#include "winapi/ComboBox.h"
#include "winapi/StrankaNastaveni.h"
#include "winapi/ToolTip.h"

namespace Vrbatec::Ui {

class DlgNastHorkeKlavesy final : public WinApi::StrankaNastaveni {
public:
    static constexpr int kVyskaSkupiny = 18;

    explicit DlgNastHorkeKlavesy(KontextStranek& kontext);

    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;

protected:
    HWND VytvoritOkno(HWND ramec) override;
    bool PriPouziti() override { return true; }
    bool PriInicializaci() override;
    bool PriPrikazu(WORD id, WORD kod, HWND prvek) override;

private:
    void NaplnitSeznam();
    void ZobrazitKombinaci();
    void Nastavit();
    void SpustitPrikaz() const;
    void NakreslitSkupinu(const DRAWITEMSTRUCT& polozka) const;

    KontextStranek& kontext_;
    WinApi::ComboBox skupiny_;
    ListBoxHorkeKlavesy seznam_;
    WinApi::ToolTip tip_;
};

} // namespace Vrbatec::Ui
