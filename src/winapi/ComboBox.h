// A combo box with the typed operations the program uses. Every operation needs the window:
// a combo box that is not a window is a fatal E_HANDLE.
#pragma once

#include <windows.h>

#include <string>

#include "winapi/OvladaciPrvek.h"

namespace Vrbatec::WinApi {

class ComboBox : public OvladaciPrvek {
public:
    // CB_ADDSTRING: S_OK, E_OUTOFMEMORY when the combo box is out of space, or the last error
    // for any other refusal. index (when given) receives the new item's position.
    HRESULT PridatRetezec(const std::wstring& text, int* index = nullptr);
    // Adds the text and gives the new item the data.
    HRESULT PridatPolozku(const std::wstring& text, LPARAM data, int* index = nullptr);

    void NastavitDataPolozky(int index, LPARAM data);
    LPARAM DataPolozky(int index) const;
    std::wstring TextPolozky(int index) const;

    // -1 clears the selection.
    void Vybrat(int index);
    // -1 when nothing is selected.
    int Vyber() const;
    int Pocet() const;
    void Vyprazdnit();
};

} // namespace Vrbatec::WinApi
