// Playback as a component of the main window: the player is created once the window is
// shown (VytvoritPrehravac; the commands create it again when it is gone) and destroyed as
// it closes, the playback commands (start, stop, mute, volume steps, the
// sources of the icon's submenu) are handled here, and so are the moves of the control
// panel's volume slider and mute box.
#pragma once

#include <windows.h>

#include "playback/OvladaniHlasitosti.h"
#include "ui/SoucastOkna.h"

namespace Vrbatec {
class Prehravani;
}

namespace Vrbatec::Ui {

// Commands 51000 + i play source i of the list.
inline constexpr UINT kPrvniZdrojNabidky = 51000;
inline constexpr UINT kPosledniZdrojNabidky = 52000;

class SoucastPrehravani final : public SoucastOkna, public OvladaniHlasitosti {
public:
    // Playback outlives the component.
    explicit SoucastPrehravani(Prehravani& prehravani) noexcept : prehravani_(prehravani) {}

    void Pripojit(HWND) override {}
    // Creates the player now; a failure ends the program.
    void VytvoritPrehravac();
    void Odpojit() override;
    void Obnovit(const StavProgramu&) override {}
    bool ZpracovatZpravu(UINT zprava, WPARAM wParam, LPARAM lParam, LRESULT& vysledek) override;

    void PriZmeneHlasitosti(int hlasitost) override;
    void PriZmeneZtlumeni(bool ztlumit) override;

private:
    bool PriPrikazu(UINT prikaz);

    Prehravani& prehravani_;
};

} // namespace Vrbatec::Ui
