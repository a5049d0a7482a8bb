// The update check's result (resource 122): the version that runs and the version that the
// maker's web site names, side by side, with a link to the application's web page. The two
// are not compared: the user decides.
#pragma once

#include <windows.h>

#include <string>

#include "update/DlgInformace.h"
#include "winapi/ToolTip.h"

namespace Vrbatec {

class DlgAktualizace final : public DlgInformace {
public:
    DlgAktualizace(std::wstring verzeProgramu, std::wstring verzeNaWebu);

    // Modal, without an owner window: on the thread that calls it.
    INT_PTR Spustit(HINSTANCE instance);

private:
    bool PriInicializaci() override;
    bool PriOznameni(const NMHDR& oznameni, LRESULT& vysledek) override;

    std::wstring verzeProgramu_;
    std::wstring verzeNaWebu_;
    WinApi::ToolTip tipy_;
};

} // namespace Vrbatec
