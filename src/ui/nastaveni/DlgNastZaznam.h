// The recording page of the settings: the capture device, the folder of the recordings, the
// encoding profile and what a request to start recording does. All of them count from the
// next recording that starts.
//
// Opening the page lists the capture devices again, so a device plugged in since the start
// is offered; the process-wide list stays refilled after the dialog. The page has a profile
// manager of its own, to name the Windows Media profiles. A system without one (Wine, or
// Windows without its media components) offers only the WAV profile: that costs the other
// profiles, not the program.
#pragma once

#include <windows.h>

#include <functional>

#include "recording/ComboBoxZarizeniZaznam.h"
#include "recording/SpravceProfilu.h"
#include "ui/nastaveni/StrankaZeSablony.h"
#include "winapi/ComboBox.h"
#include "winapi/EditSlozka.h"

namespace Vrbatec::Ui {

class DlgNastZaznam final : public StrankaZeSablony {
public:
    // Lists the capture devices into SeznamZarizeni(); a failure leaves what it managed to list.
    using VyjmenovaniZarizeni = std::function<HRESULT()>;

    // vyjmenovat: how the page refreshes the device list; the system's enumeration by default.
    explicit DlgNastZaznam(KontextStranek& kontext, VyjmenovaniZarizeni vyjmenovat = {});
    ~DlgNastZaznam() override;

protected:
    bool PriInicializaci() override;
    bool PriPrikazu(WORD id, WORD kod, HWND prvek) override;
    bool PriPouziti() override;

private:
    VyjmenovaniZarizeni vyjmenovat_;
    WinApi::EditSlozka slozka_;
    ComboBoxZarizeniZaznam zarizeni_;
    WinApi::ComboBox profil_;
    WinApi::ComboBox priSpusteni_;
    SpravceProfilu spravceProfilu_;
};

} // namespace Vrbatec::Ui
