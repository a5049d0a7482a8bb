// The player of the program: the media player control hosted invisibly in a child window of
// the main window, reached through its published interfaces. Only PrehravacWmp.cpp sees those
// interfaces; the rest of the program knows the Prehravac.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "playback/Prehravac.h"

namespace Vrbatec {

// Creates the host window (IDC_PREHRAVAC) as a child of rodic with the control in it, sets
// the buffering time and the volume of the settings (NastaveniAplikace), connects the
// listener to the control's events, moves the host to 0,0 and turns the control's own user
// interface off.
//
// The control, its player interface, its controls object and the event connection are
// required: when any of them fails, this function does not return but ends the program
// through FatalniHResult with the failure's code. A missing settings or network object only
// leaves the player without volume, mute or buffer (MaNastaveni, MaSit).
//
// The listener must outlive the player. Destroying the player ends playback, disconnects
// the listener and destroys the host window.
std::unique_ptr<Prehravac> VytvoritPrehravacWmp(HINSTANCE instance, HWND rodic,
                                                PosluchacPrehravace& posluchac);

} // namespace Vrbatec
