// The bars (rebar, toolbar, control panel, the sources combo box) as a component of the main
// window: built with the window at the icon size and with the bands the settings name, built
// again as a whole when the icon size changes, their buttons refreshed from each snapshot.
// The combo box joins the source views and the control panel's slider drives the volume
// each time the bars are built.
#pragma once

#include <windows.h>

#include "ui/SoucastOkna.h"

namespace Vrbatec {
class OvladaniHlasitosti;
class PohledyZdroju;
} // namespace Vrbatec

namespace Vrbatec::Ui {

class PanelyNastroju;
class SluzbyAplikace;

class SoucastPanelu final : public SoucastOkna {
public:
    // Everything outlives the component.
    SoucastPanelu(const SluzbyAplikace& aplikace, PanelyNastroju& panely, PohledyZdroju& pohledy,
                  OvladaniHlasitosti& hlasitost) noexcept
        : aplikace_(aplikace), panely_(panely), pohledy_(pohledy), hlasitost_(hlasitost) {}

    void Pripojit(HWND hlavniOkno) override;
    void Odpojit() override;
    void Obnovit(const StavProgramu& stav) override;
    bool ZpracovatZpravu(UINT, WPARAM, LPARAM, LRESULT&) override { return false; }

    // Replaces the bars with ones of the icon size.
    void Sestavit(bool velkeIkony);

private:
    const SluzbyAplikace& aplikace_;
    PanelyNastroju& panely_;
    PohledyZdroju& pohledy_;
    OvladaniHlasitosti& hlasitost_;
    HWND okno_ = nullptr;
};

} // namespace Vrbatec::Ui
