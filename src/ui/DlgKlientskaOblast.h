// The information panel that the main window shows in place of the source list: the
// product's name and copyright, links to the application's and the maker's web pages and to
// support, and links to the maker's other applications.
//
// A modeless child dialog (resource 128) on the window background. The panel's own links
// fail silently, except the application page, which behaves as the Help menu's command.
// A control missing from the resource is a fatal E_HANDLE.
#pragma once

#include <windows.h>

#include "winapi/Dialog.h"
#include "winapi/Handle.h"
#include "winapi/StaticNadpis.h"
#include "winapi/ToolTip.h"

namespace Vrbatec {

class DlgKlientskaOblast final : public WinApi::Dialog {
public:
    static constexpr LONG kVyskaNazvu = -26;
    static constexpr LONG kVyskaNadpisu = -16;

    class Nadpis final : public Knihovna::StaticNadpis {
    public:
        explicit Nadpis(LONG vyska) noexcept : StaticNadpis(vyska) {}
    };

    ~DlgKlientskaOblast() override;

    // Registers the link control class, which the dialog's resource uses, and creates the
    // dialog; nullptr with the last error when it cannot.
    HWND Vytvorit(HINSTANCE instance, HWND rodic);

    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;

    HWND TipOkno() const noexcept { return tipy_.Hwnd(); }

private:
    bool PriInicializaci() override;
    bool PriOznameni(const NMHDR& oznameni, LRESULT& vysledek) override;
    void PridatTipy(HWND okno);
    void PouzitPismoMotivu(HWND okno);
    static LRESULT BarvaPozadi(HDC dc);

    HINSTANCE instance_ = nullptr;
    HFONT pismoDialogu_ = nullptr; // the dialog manager's
    WinApi::UniqueFont pismoMotivu_;
    Nadpis nazev_{kVyskaNazvu};
    Nadpis vyzkousejte_{kVyskaNadpisu};
    WinApi::ToolTip tipy_;
};

} // namespace Vrbatec
