// The host of the media player control: an invisible child window of the main window
// (control IDC_PREHRAVAC, WS_CHILD only, never shown, empty rectangle) in which the ActiveX
// control named by its ProgID is created and activated in place, with no user interface of
// its own. The host knows nothing of the control's interfaces beyond OLE; callers ask it for
// theirs with Dotaz.
//
// Teardown runs in a fixed order: the event connection ends, the control loses its site and
// is closed without saving, the last references go, and only then the window is destroyed.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <wrl/client.h>

#include <optional>

#include "playback/MistoPrvku.h"
#include "playback/Prehravac.h"
#include "playback/PripojeniUdalosti.h"
#include "winapi/Handle.h"

namespace Vrbatec {

class HostitelPrehravace {
public:
    // Creates the window and the control in it. Throws the HRESULT of a failed step; what was
    // built by then is taken down again.
    HostitelPrehravace(HINSTANCE instance, HWND rodic, const wchar_t* progId);
    ~HostitelPrehravace();
    HostitelPrehravace(const HostitelPrehravace&) = delete;
    HostitelPrehravace& operator=(const HostitelPrehravace&) = delete;

    HWND Okno() const noexcept { return okno_.Get(); }
    bool JeAktivniNaMiste() const noexcept { return misto_->JeAktivniNaMiste(); }

    template <class Rozhrani>
    HRESULT Dotaz(Microsoft::WRL::ComPtr<Rozhrani>& rozhrani) const {
        return prvek_.As(&rozhrani);
    }

    // Connects the listener to the control's default source of events, replacing an earlier
    // listener. Throws the HRESULT of a failure.
    void PripojitUdalosti(PosluchacPrehravace& posluchac);
    void OdpojitUdalosti() noexcept;

    // Puts the host window at 0,0 of its parent, its size and z-order untouched.
    void PresunoutNaPocatek() const;

private:
    void VytvoritOkno(HINSTANCE instance, HWND rodic);
    void VytvoritPrvek(const wchar_t* progId);
    void AktivovatNaMiste();
    void Zbourat() noexcept;

    WinApi::UniqueWindow okno_;
    Microsoft::WRL::ComPtr<MistoPrvku> misto_;
    Microsoft::WRL::ComPtr<IOleObject> prvek_;
    std::optional<PripojeniUdalosti> pripojeni_;
};

} // namespace Vrbatec
