// Reflection of control notifications. A parent calls OdrazitOznameni first in its handler;
// the notification goes to the control it concerns as message + kZakladOdrazeni, so that a
// control object can handle what happens to it without its parent knowing the control.
#pragma once

#include <windows.h>

namespace Vrbatec::WinApi {

// Sends a reflectable message (OdrazeniZprav.h) on to its control with SendMessageW.
// vysledek gets the control's answer whenever there was a control to send to; the return
// value says whether the control's object handled the message, so that the parent knows
// whether to do its own processing. Controls on another thread never count as handling.
bool OdrazitOznameni(HWND rodic, UINT zprava, WPARAM wParam, LPARAM lParam, LRESULT& vysledek);

namespace Detail {
// Called by the dispatch of OknoImpl when a handler took a reflected message.
void PotvrditOdrazenouZpravu(HWND okno, UINT zprava) noexcept;
} // namespace Detail

} // namespace Vrbatec::WinApi
