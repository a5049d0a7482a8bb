// Which parent messages are reflected to the control they concern, and how the parent finds
// that control. Reflection sends the message to the control with its number raised by
// kZakladOdrazeni, so a control's own handler can tell a notification about itself from a
// message meant for its window. Plain numbers here keep the rule free of windows.h.
#pragma once

#include <cstdint>

namespace Vrbatec::WinApi {

inline constexpr std::uint32_t kZakladOdrazeni = 0x2000;

// Where the control that a parent message concerns is named.
enum class CilOdrazeni {
    Zadny,              // not a message that is reflected
    OvladacVLParam,     // lParam is the control's window (WM_COMMAND, WM_CTLCOLOR..., scrolls)
    OdesilatelOznameni, // NMHDR::hwndFrom (WM_NOTIFY)
    IdentifikatorPrvku, // wParam is the control identifier (owner-drawn item messages)
    PotomekOznameni,    // WM_PARENTNOTIFY: the child comes from the event
};

CilOdrazeni UrcitCilOdrazeni(std::uint32_t zprava) noexcept;

// True for the reflected form (kZakladOdrazeni + the message) of every reflected message.
bool JeOdrazenaZprava(std::uint32_t zprava) noexcept;

} // namespace Vrbatec::WinApi
