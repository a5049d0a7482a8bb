// A subsystem that joins the main window: the menu bar, the status bar, the bars, the source
// views, playback, and whatever comes after them (notification icon, hotkeys, taskbar,
// recorder, settings, update check).
//
// The main window attaches its components in a fixed order once its own window exists,
// detaches them in the reverse order when it closes, refreshes every one of them from the
// same snapshot after each change of the program's state, and offers each message to them
// in attaching order before it handles the message itself. A component acts on the rest of
// the program only through the commands it posts or hands to the main window; it never
// reaches into another component.
#pragma once

#include <windows.h>

#include "ui/StavProgramu.h"

namespace Vrbatec::Ui {

class SoucastOkna {
public:
    // The main window exists; the component creates its windows and objects in it.
    virtual void Pripojit(HWND hlavniOkno) = 0;
    // The main window is closing; the component lets go of everything it made.
    virtual void Odpojit() = 0;
    // Shows what the snapshot says; called after attaching too, before the window shows.
    virtual void Obnovit(const StavProgramu& stav) = 0;
    // A message of the main window. True when it was the component's alone (with the
    // result to return); false lets the next component and the main window see it too.
    virtual bool ZpracovatZpravu(UINT zprava, WPARAM wParam, LPARAM lParam, LRESULT& vysledek) = 0;

protected:
    ~SoucastOkna() = default;
};

} // namespace Vrbatec::Ui
