// The general page of the settings: the source list file, whether the last opened list is
// used next time, the notification icon's mode, the taskbar button beside the icon, the
// sources in the icon's menu and the process priority.
#pragma once

#include <windows.h>

#include "ui/nastaveni/StrankaZeSablony.h"
#include "winapi/ComboBox.h"
#include "winapi/EditSoubor.h"

namespace Vrbatec::Ui {

class DlgNastObecne final : public StrankaZeSablony {
public:
    explicit DlgNastObecne(KontextStranek& kontext);
    ~DlgNastObecne() override;

protected:
    bool PriInicializaci() override;
    bool PriPrikazu(WORD id, WORD kod, HWND prvek) override;
    bool PriPouziti() override;

private:
    WinApi::EditSoubor soubor_;
    WinApi::ComboBox ikona_;
    WinApi::ComboBox priorita_;
};

} // namespace Vrbatec::Ui
