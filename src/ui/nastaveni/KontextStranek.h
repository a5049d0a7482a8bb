// What the settings dialog gives each of its pages.
//
// Rules of the pages (see also WinApi::StrankaNastaveni):
// - A page edits the dialog's copy of the settings (kopie), never the live settings: its
//   PriPouziti copies its controls into the copy, and the dialog then applies the whole copy
//   at once (judged, written to the registry, put in place). A page whose value is not valid
//   keeps the copy's old value; the control itself shows the user the limits.
// - A page's identifier is its dialog resource number, which it also gets back with each
//   change it reports to the dialog (WM_ZMENA_STRANKY).
// - A page that runs a command of the program (the hotkey list's double-click) posts it to the
//   main window, which stays usable while the dialog is open.
#pragma once

#include <windows.h>

#include "config/Nastaveni.h"

namespace Vrbatec::Ui {

class ObrazkovyPruh;

// The image of the small strip on the browse buttons of the pages' path fields: an open folder.
inline constexpr int kObrazekProchazeni = 23;

struct KontextStranek {
    Nastaveni& kopie;
    // The small image strip (16 × 16): the tree's images, the browse buttons, the hotkey marks.
    const ObrazkovyPruh& malyPruh;
    HWND hlavniOkno = nullptr;
};

} // namespace Vrbatec::Ui
