// The About dialog (resource 112): the product, its copyright and running version, the
// maker's contact address and web page, and the maker's other applications.
//
// At most one is open. ZobrazitOProgramu runs it modally without an owner on the calling
// thread (the main window's); asked again while it is open, it only brings it to the front.
// ZavritOProgramu asks an open one to close, for a main window that is going away.
#pragma once

#include <windows.h>

#include "update/DlgInformace.h"
#include "winapi/StaticNadpis.h"
#include "winapi/SysLink.h"
#include "winapi/ToolTip.h"

namespace Vrbatec {

class DlgProgramInfo final : public DlgInformace {
public:
    static constexpr LONG kVyskaNadpisu = -15;

    DlgProgramInfo() noexcept : DlgInformace(L"O programu %s") {}

private:
    class Nadpis final : public Knihovna::StaticNadpis {
    public:
        Nadpis() noexcept : StaticNadpis(kVyskaNadpisu) {}
    };

    bool PriInicializaci() override;
    bool PriOznameni(const NMHDR& oznameni, LRESULT& vysledek) override;
    void PridatTipy(HWND okno);

    Nadpis vyzkousejte_;
    Knihovna::SysLink email_;
    Knihovna::SysLink webFirmy_;
    WinApi::ToolTip tipy_;
};

void ZobrazitOProgramu();
// The open About dialog, else nullptr.
HWND OknoOProgramu();
void ZavritOProgramu();

} // namespace Vrbatec
