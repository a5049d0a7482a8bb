// The main window's menu bar as a component: its pictures (put in when the menu is first
// opened, since no one sees them before, and again when the theme changes),
// the enabled and checked states of its commands from each snapshot, the check marks of the
// bars and icon sizes, and the text of the mute item.
//
// The menu belongs to the window and is destroyed with it; this object only refers to it.
#pragma once

#include <windows.h>

#include "ui/SoucastOkna.h"

namespace Vrbatec::Ui {

class PanelyNastroju;
class SluzbyAplikace;

class NabidkaOkna final : public SoucastOkna {
public:
    // Both outlive the component.
    NabidkaOkna(const SluzbyAplikace& aplikace, const PanelyNastroju& panely) noexcept
        : aplikace_(aplikace), panely_(panely) {}

    void Pripojit(HWND hlavniOkno) override;
    void Odpojit() override;
    void Obnovit(const StavProgramu& stav) override;
    bool ZpracovatZpravu(UINT zprava, WPARAM wParam, LPARAM lParam, LRESULT& vysledek) override;

    // "Zapnout zvuk" while muted, else "Ztlumit zvuk"; a refusal keeps the old text.
    void NastavitTextZtlumeni(bool ztlumeno);
    HMENU Menu() const noexcept { return menu_; }

private:
    void PouzitObrazky();

    const SluzbyAplikace& aplikace_;
    const PanelyNastroju& panely_;
    HWND okno_ = nullptr;
    HMENU menu_ = nullptr;
    bool sObrazky_ = false;
};

} // namespace Vrbatec::Ui
