// The source views (the list view and the rebar's combo box) as a component of the main
// window: the list view is created with the window and selects the last played source, the
// views' own notifications and the commands that add, edit and remove sources are handled
// here. The combo box comes and goes with the bars (SoucastPanelu).
#pragma once

#include <windows.h>

#include "ui/SoucastOkna.h"

namespace Vrbatec {
class PohledyZdroju;
}

namespace Vrbatec::Ui {

class SoucastZdroju final : public SoucastOkna {
public:
    // The views outlive the component.
    explicit SoucastZdroju(PohledyZdroju& pohledy) noexcept : pohledy_(pohledy) {}

    void Pripojit(HWND hlavniOkno) override;
    void Odpojit() override;
    void Obnovit(const StavProgramu&) override {}
    bool ZpracovatZpravu(UINT zprava, WPARAM wParam, LPARAM lParam, LRESULT& vysledek) override;

private:
    bool PriPrikazu(UINT prikaz, UINT kod);

    PohledyZdroju& pohledy_;
};

} // namespace Vrbatec::Ui
