// What the parts of the main window show on the notification icon: balloons (recording, the
// hotkeys that could not be registered) and the icon's tooltip. Whoever calls it need not know
// whether there is an icon: without one nothing is shown.
#pragma once

#include <windows.h>

#include <string>

namespace Vrbatec::Ui {

class OznameniIkony {
public:
    // A balloon with the text; ikona is the balloon's icon flag (NIIF_INFO, NIIF_WARNING, …).
    virtual void ZobrazitBublinu(const std::wstring& text, DWORD ikona) = 0;
    // The icon's tooltip; the application's title when empty.
    virtual void NastavitTipIkony(const std::wstring& tip) = 0;

protected:
    ~OznameniIkony() = default;
};

} // namespace Vrbatec::Ui
