// Placing a window where it can be seen: pulled back onto a work area after it was restored,
// or centred on its owner, the screen or its parent. The rules are in PolohaOkna.h.
#pragma once

#include <windows.h>

namespace Vrbatec::WinApi {

// Keeps the window on the work area of the primary monitor (jenPrimarni) or of the monitor
// nearest to it, moving it without resizing. 0 when it stayed or was moved, 1 when no monitor
// was found for it. Failures to read the work area or the window, or to move it, are fatal.
int ZajistitViditelnost(HWND okno, bool jenPrimarni);

// Centres a child window in its parent's client area, and a top-level window on its owner
// (when the owner is visible and not minimised) or else on the work area, keeping it within
// the work area of the monitor nearest to what it is centred on. The result of SetWindowPos;
// FALSE, with the window left where it is, when no monitor is found.
BOOL Vycentrovat(HWND okno);

} // namespace Vrbatec::WinApi
