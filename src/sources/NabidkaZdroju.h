// The submenu of sources under the item "Zdroj vysílání" of the notification icon's popup:
// the sources marked for the menu, in list order, each with the command 51000 + its index,
// the playing one checked.
//
// The object owns the submenu for as long as the popup is open. Destroying it takes the
// submenu off the popup's item first, so the popup can be destroyed before or after it.
#pragma once

#include <windows.h>

#include "sources/SeznamZdroju.h"
#include "winapi/Handle.h"

namespace Vrbatec {

inline constexpr UINT kPrvniPrikazZdroje = 51000;

class NabidkaZdroju {
public:
    // Builds the submenu and prepares the popup's item 40022: attached when there is a
    // submenu and the setting allows it, otherwise disabled and grey.
    NabidkaZdroju(HMENU popup, const SeznamZdroju& seznam, int prehravanyIndex,
                  bool zobrazitZdroje);
    ~NabidkaZdroju();
    NabidkaZdroju(const NabidkaZdroju&) = delete;
    NabidkaZdroju& operator=(const NabidkaZdroju&) = delete;

    // The submenu, attached or not; nullptr when no source is marked for the menu.
    HMENU Podnabidka() const noexcept { return podnabidka_.Get(); }
    bool JePripojena() const noexcept { return pripojena_; }

private:
    static WinApi::UniqueMenu Sestavit(const SeznamZdroju& seznam, int prehravanyIndex);
    void PripravitPolozku(bool zobrazitZdroje);

    HMENU popup_;
    WinApi::UniqueMenu podnabidka_;
    bool pripojena_ = false;
};

} // namespace Vrbatec
