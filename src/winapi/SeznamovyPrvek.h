// The typed item operations that list boxes and combo boxes share. The two controls speak
// the same language with different message numbers, so each passes its own table.
// Every operation needs the window: a control that is not a window is a fatal E_HANDLE.
#pragma once

#include <windows.h>

#include <string>

#include "winapi/OvladaciPrvek.h"

namespace Vrbatec::WinApi {

struct ZpravySeznamu {
    UINT pridatRetezec;
    UINT nastavitData;
    UINT data;
    UINT delkaTextu;
    UINT text;
    UINT vybrat;
    UINT vyber;
    UINT pocet;
    UINT vyprazdnit;
};

class SeznamovyPrvek : public OvladaciPrvek {
public:
    // Adds a string: S_OK, E_OUTOFMEMORY when the control is out of space, or the last error
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

protected:
    explicit SeznamovyPrvek(const ZpravySeznamu& zpravy) noexcept : zpravy_(zpravy) {}

private:
    LRESULT Poslat(UINT zprava, WPARAM wParam = 0, LPARAM lParam = 0) const;

    const ZpravySeznamu& zpravy_;
};

} // namespace Vrbatec::WinApi
