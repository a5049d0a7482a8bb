// What the About dialog and the update check's result have in common: a modal dialog on the
// window background with the application's icons, a title naming the product, the product
// name as a heading (1020) and, once shown, a place in the middle of the screen in front of
// the others. They run without an owner window, so the main window stays usable.
//
// A control missing from the resource is a fatal E_HANDLE.
#pragma once

#include <windows.h>

#include <initializer_list>

#include "winapi/Dialog.h"
#include "winapi/StaticNadpis.h"

namespace Vrbatec {

class DlgInformace : public WinApi::Dialog {
public:
    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;

protected:
    // The title format takes the product name for its %s.
    explicit DlgInformace(const wchar_t* vzorTitulku) noexcept : vzorTitulku_(vzorTitulku) {}

    // For PriInicializaci of the derived class, before its own work.
    void Pripravit(std::initializer_list<int> prvky);
    // For its end: centred and brought to the front.
    void Ukazat();

private:
    class Nazev final : public Knihovna::StaticNadpis {};

    const wchar_t* vzorTitulku_;
    Nazev nazev_;
};

} // namespace Vrbatec
