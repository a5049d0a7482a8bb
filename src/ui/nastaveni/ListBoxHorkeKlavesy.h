// The hotkey page's list of commands: an owner-drawn list box of a dialog resource
// (LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS) whose items are the records of a hotkey table.
// The dialog reflects WM_MEASUREITEM and WM_DRAWITEM (OdrazitOznameni); the list draws a
// marker by each command that has a hotkey, and the combination itself shows elsewhere.
//
// The item data of an item is the index of its record, so that the list needs no copy of the
// records and a record edited in place draws as it now is.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <optional>
#include <string>

#include "config/TabulkaHorkychKlaves.h"
#include "winapi/ListBox.h"
#include "winapi/OknoImpl.h"

namespace Vrbatec::Ui {

// Colours and background of an owner-drawn item of the settings pages, as the system draws
// its own lists; the text is then drawn transparent on it.
void VyplnitPolozku(const DRAWITEMSTRUCT& polozka);
void NakreslitTextPolozky(const DRAWITEMSTRUCT& polozka, int odsazeni, const std::wstring& text);
// Adds an item named by a string-table entry: a command's entry up to its first line break,
// the rest being the command's tooltip. A list that cannot take the item is fatal.
void PridatTextTabulky(WinApi::SeznamovyPrvek& seznam, UINT idRetezce, LPARAM data);

class ListBoxHorkeKlavesy final : public WinApi::OknoImpl {
public:
    static constexpr int kVyskaPolozky = 20;
    static constexpr int kZnacka = 18;
    static constexpr int kVelikostObrazku = 16;
    // Where the text starts, right of the marker's column.
    static constexpr int kOdsazeniTextu = 23;

    // Subclasses the dialog's list box. The table and the image list must outlive the list.
    // A missing list or a failed subclass is fatal.
    void PripojitSeznam(HWND seznam, const TabulkaHorkychKlaves& tabulka, HIMAGELIST obrazky);

    // Lists the group's records (PravidlaHorkychKlaves::ZaznamySkupiny) under their command's
    // text and selects the first. A list that cannot take an item is fatal.
    void Naplnit(std::uint32_t skupina);
    // The record of the selected item; nothing when no item is selected or its data is not a
    // record of the table.
    std::optional<std::size_t> VybranyZaznam() const;
    // Draws the items again at once, after a record has changed.
    void Prekreslit() const;

    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;

private:
    std::optional<std::size_t> Zaznam(int polozka) const;
    bool Nakreslit(const DRAWITEMSTRUCT& polozka) const;

    WinApi::ListBox polozky_;
    const TabulkaHorkychKlaves* tabulka_ = nullptr;
    HIMAGELIST obrazky_ = nullptr; // not owned
};

} // namespace Vrbatec::Ui
