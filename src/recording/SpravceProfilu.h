// The Windows Media profile manager, which names and loads the system's encoding profiles.
// wmvcore.dll is loaded when the manager is first created and stays loaded for the process:
// profiles that it made may outlive the manager (the ASF writer keeps the one it is given).
// Windows editions without the Windows Media components have no wmvcore.dll; there creating
// the manager fails, and with it only recording to Windows Media does, never the program.
//
// And the profile combo box of the recording settings: the seven Windows Media profiles that
// the manager can load, by its names, then the program's own WAV profile.
#pragma once

#include <windows.h>
#include <wmsdkidl.h>
#include <wrl/client.h>

#include <string>

#include "config/Guid.h"
#include "recording/ProfilyZaznamu.h"
#include "winapi/ComboBox.h"

namespace Vrbatec {

class SpravceProfilu {
public:
    // Creates the manager: S_FALSE when it exists, or the failure to load wmvcore.dll, to find
    // WMCreateProfileManager in it or of WMCreateProfileManager itself.
    HRESULT Vytvorit();
    bool Vytvoren() const noexcept { return spravce_ != nullptr; }

    // Loads the profile with that identifier (LoadProfileByID); the failure to create the
    // manager when there is none.
    HRESULT Nacist(const Guid& id, Microsoft::WRL::ComPtr<IWMProfile>& profil) const;
    // The profile's name; empty when it cannot be loaded or named.
    std::wstring Nazev(const Guid& id) const;

private:
    Microsoft::WRL::ComPtr<IWMProfileManager> spravce_;
    HRESULT chybaVytvoreni_ = E_UNEXPECTED; // until Vytvorit is first called
};

// Fills the combo box with the offered profiles in their order: each Windows Media profile
// that the manager names (one it cannot load is left out: an item that cannot record is worse
// than none), then the WAV profile under its own name. An item's data is the profile's index
// in ProfilyZaznamu::Nabizene(). The chosen profile is selected; when it is not among the
// items, nothing is. An item that cannot be added ends the filling with that failure.
HRESULT NaplnitKomboProfilu(WinApi::ComboBox& combo, const SpravceProfilu& spravce,
                            const Guid& zvoleny);

// The selected profile of a combo box filled as above; nullptr when nothing is selected.
const ProfilyZaznamu::Profil* VybranyProfil(const WinApi::ComboBox& combo);

} // namespace Vrbatec
