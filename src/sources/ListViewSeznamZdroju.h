// The list of sources that fills the main window's client area: one row per source, name and
// URL, in the order of the list.
//
// The rows are not stored in the control. It only knows how many there are and asks for the
// text of the rows it draws (owner data), so that a list of a hundred thousand sources shows
// as fast as an empty one. The row number is the source's index, which the other views use as
// the item data of their items. The parent reflects WM_NOTIFY (OdrazitOznameni), and the
// texts are answered here from the list; a row that the list no longer has shows as empty.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "sources/SeznamZdroju.h"
#include "winapi/ListViewSeznam.h"

namespace Vrbatec {

class ListViewSeznamZdroju final : public WinApi::ListViewSeznam {
public:
    explicit ListViewSeznamZdroju(const SeznamZdroju& seznam) noexcept : seznam_(seznam) {}
    ~ListViewSeznamZdroju() override;

    // Creates the visible list over the parent's client area with its two columns; a list that
    // cannot be created is fatal.
    void Vytvorit(HINSTANCE instance, HWND rodic);

    // The name column takes 30 % of the width, the URL column the rest; after every resize.
    void PrizpusobitSloupce();

    // Shows the first pocet sources of the list; any selection is dropped.
    void NastavitPocetRadku(std::uint32_t pocet);

    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;

private:
    bool PriOdrazenemOznameni(NMHDR& oznameni, LRESULT& vysledek) const;
    void DodatText(NMLVDISPINFOW& dotaz) const;
    int NajitPodleNazvu(const NMLVFINDITEMW& dotaz) const;

    const SeznamZdroju& seznam_;
};

} // namespace Vrbatec
