// Base of the program's report list views: a list view in report mode with full-row
// selection whose rows carry an item data value (lParam), on a window the object creates
// (as a superclass of the list view, so the class name can be the program's own) or on an
// existing list view of a dialog.
//
// Creating or attaching failures are fatal (a missing window as E_HANDLE); a refused
// column or item is thrown as HRESULT for the operation that asked for it.
#pragma once

#include <windows.h>

#include <string>

#include "winapi/OknoImpl.h"

namespace Vrbatec::WinApi {

class ListViewSeznam : public OknoImpl {
public:
    void VytvoritSeznam(HINSTANCE instance, const wchar_t* trida, HWND rodic, int idPrvku,
                        const RECT& obdelnik, DWORD dalsiStyly);
    void PripojitSeznam(HWND okno);

    // Appends a column; returns its index.
    int PridatSloupec(const wchar_t* nazev, int sirka);
    void NastavitSirkuSloupce(int sloupec, int sirka);
    int PocetSloupcu() const;

    // Inserts a row at the index (past the end appends); returns where it went.
    int VlozitPolozku(int index, const wchar_t* text, LPARAM data);
    void NastavitText(int polozka, int sloupec, const wchar_t* text);
    std::wstring Text(int polozka, int sloupec) const;
    LPARAM DataPolozky(int polozka) const;
    int Pocet() const;
    void Vyprazdnit();

    // The first selected row, or -1.
    int VybranaPolozka() const;
    // Selects the row, or with -1 every row.
    void Vybrat(int polozka);
    // Clears the selection of the row, or with -1 of every row.
    void ZrusitVyber(int polozka = -1);

private:
    void NastavitRezimSeznamu();
    void NastavitVyber(int polozka, bool vybrana);
};

} // namespace Vrbatec::WinApi
