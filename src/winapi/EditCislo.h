// An edit of a dialog resource that holds a whole number within bounds.
//
// Only digits can be typed; a text that is no number or lies outside the bounds is replaced by
// the last accepted number when the field loses the focus, silently: the tooltip over the
// field names the bounds, so no message is needed. Owners that apply settings read the number
// with Precist and keep their old value when it yields nothing, since the text may still be
// invalid while the field has the focus.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "winapi/CisloVRozsahu.h"
#include "winapi/OknoImpl.h"
#include "winapi/ToolTip.h"

namespace Vrbatec::WinApi {

class EditCislo : public OknoImpl {
public:
    // Subclasses the edit and shows the value. A negative bound is no bound. A missing edit or
    // a failure to subclass or to create the tooltip is fatal.
    void PripojitEdit(HWND edit, std::uint32_t hodnota, std::int32_t minimum, std::int32_t maximum);

    // The number in the field when it is one within the bounds.
    std::optional<std::uint32_t> Precist() const;
    // The last accepted number.
    std::uint32_t Hodnota() const noexcept { return hodnota_; }
    HWND Tip() const noexcept { return tip_.Hwnd(); }

    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;

private:
    void VytvoritTip();
    void ZobrazitHodnotu() const;

    ToolTip tip_;
    RozsahCisla rozsah_;
    std::uint32_t hodnota_ = 0;
};

} // namespace Vrbatec::WinApi
