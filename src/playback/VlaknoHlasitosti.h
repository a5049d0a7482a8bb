// Starts the pop-up volume slider (DlgHlasitost) on a thread of its own, one at a time: while
// the thread of the last one runs, a new request does nothing. The main window owns one
// object and calls it on its own thread.
//
// Destroying the object ends a pop-up that is still open and waits for its thread, so the
// thread does not outlive the program's windows. A pop-up that has not ended after five
// seconds is left to end on its own; the slot of its window, which it writes as it closes,
// belongs to it as much as to this object.
#pragma once

#include <windows.h>

#include <atomic>
#include <memory>

#include "winapi/VlaknoPrace.h"

namespace Vrbatec {

class VlaknoHlasitosti {
public:
    VlaknoHlasitosti() = default;
    ~VlaknoHlasitosti();
    VlaknoHlasitosti(const VlaknoHlasitosti&) = delete;
    VlaknoHlasitosti& operator=(const VlaknoHlasitosti&) = delete;

    // Opens the pop-up at the cursor with the current volume; its movements arrive in
    // hlavniOkno as WM_HLASITOST_Z_POPUPU. False when one is open already; a thread that
    // cannot be started is thrown as HRESULT.
    bool Otevrit(HWND hlavniOkno, int hlasitost);

    bool Bezi() const noexcept { return vlakno_.Bezi(); }
    // Closes a pop-up that is open and waits for its thread (five seconds at most); the owner
    // calls it before the window the pop-up reports to is destroyed.
    void Zavrit();
    // The pop-up's window while it is shown, else nullptr.
    HWND Okno() const noexcept { return okno_->load(); }

private:
    struct Zadani;

    WinApi::VlaknoPrace vlakno_;
    std::shared_ptr<std::atomic<HWND>> okno_ = std::make_shared<std::atomic<HWND>>(nullptr);
};

} // namespace Vrbatec
