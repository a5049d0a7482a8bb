// One snapshot of the program's state, taken by the main window after every change of
// selection, playback, recording, mute, visibility or the list. Everything that shows
// command states (menus, toolbar, taskbar, notification icon) refreshes from the same
// snapshot, so no two surfaces can disagree about the moment they show.
#pragma once

#include <cstdint>

namespace Vrbatec::Ui {

struct StavProgramu {
    int vybranyIndex = -1;
    std::uint32_t pocetZdroju = 0;
    int prehravanyIndex = -1; // -1 when nothing from the list plays
    bool nahravani = false;
    bool ztlumeno = false;
    bool oknoViditelne = true;
    // The source list is shown (not the information panel in its place).
    bool seznamZobrazen = true;
    // The program is closing: what stays on the taskbar after it ends.
    bool ukonceni = false;
};

} // namespace Vrbatec::Ui
