// The source-properties dialog: the name and URL of the playing source of the list, and what
// the player reports about the current stream (InformaceZdroje.h). It changes nothing.
//
// Without a player, or when the player has no current media, the dialog is not shown:
// message 20012 says so instead.
#pragma once

#include <windows.h>

#include "sources/MediumZdroje.h"
#include "sources/SeznamZdroju.h"
#include "winapi/Dialog.h"
#include "winapi/ListBox.h"

namespace Vrbatec {

class DlgZdrojInfo final : public WinApi::Dialog {
public:
    // The objects must outlive the dialog. An index that names no source of the list shows
    // empty texts.
    DlgZdrojInfo(const MediumZdroje* prehravac, const SeznamZdroju& seznam,
                 int prehravanyIndex) noexcept
        : prehravac_(prehravac), seznam_(seznam), prehravanyIndex_(prehravanyIndex) {}

    // Modal over the owner; IDOK, IDCANCEL (also after message 20012), or -1 when the dialog
    // could not be shown.
    INT_PTR Spustit(HWND vlastnik);

private:
    bool MediumDostupne() const;
    bool PriInicializaci() override;
    void ZobrazitZdroj(HWND okno) const;
    void ZobrazitInformace();

    const MediumZdroje* prehravac_;
    const SeznamZdroju& seznam_;
    int prehravanyIndex_;
    WinApi::ListBox informace_;
};

} // namespace Vrbatec
