// A report list view of a dialog resource whose rows are ticked or not: one column, a check
// box per row, each row's text an entry of the program's string table and its item data that
// entry's number, so the owner finds a row by what it means, not by where it stands.
//
// The list answers WM_GETDLGCODE with DLGC_WANTALLKEYS: inside a dialog it keeps the keys it
// gets (the space bar ticks) instead of leaving them to the dialog manager. A tick is state
// image 2, no tick state image 1; a row without a state image counts as ticked, as anything
// but an explicit "no" does.
#pragma once

#include <windows.h>

#include "winapi/ListViewSeznam.h"

namespace Vrbatec::WinApi {

class CheckListView : public ListViewSeznam {
public:
    static constexpr int kSirkaSloupce = 370;

    // Subclasses the list, gives it check boxes and its one column. A missing window or a
    // failure to subclass is fatal.
    void PripojitSeznamZaskrtnuti(HWND okno);

    // Appends a row with the text of the string-table entry; returns its index. A missing
    // entry is fatal (the entries are the program's own).
    int PridatPolozkuZTabulky(UINT idRetezce);

    // The row whose item data is the value, or -1.
    int NajitPolozku(LPARAM data) const;
    bool Zaskrtnuta(int polozka) const;
    void Zaskrtnout(int polozka, bool zaskrtnuta);
    // Whether the row of the string-table entry is ticked; false when there is no such row.
    bool ZaskrtnutaPolozkaZTabulky(UINT idRetezce) const;

    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;
};

} // namespace Vrbatec::WinApi
