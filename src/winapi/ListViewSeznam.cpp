#include "winapi/ListViewSeznam.h"

#include <commctrl.h>

#include "winapi/Diagnostika.h"
#include "winapi/RegistraceTridy.h"

namespace Vrbatec::WinApi {

void ListViewSeznam::VytvoritSeznam(HINSTANCE instance, const wchar_t* trida, HWND rodic,
                                    int idPrvku, const RECT& obdelnik, DWORD dalsiStyly) {
    const INITCOMMONCONTROLSEX ovladace{sizeof(ovladace), ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&ovladace);
    if (RegistrovatNadtriduOkna(instance, WC_LISTVIEWW, trida) == 0) {
        FatalniPosledniChyba();
    }
    if (Vytvorit(PopisPrvku(trida, LVS_REPORT | dalsiStyly, rodic, obdelnik, idPrvku, instance)) ==
        nullptr) {
        FatalniPosledniChyba();
    }
    NastavitRezimSeznamu();
}

void ListViewSeznam::PripojitSeznam(HWND okno) {
    if (!::IsWindow(okno)) {
        FatalniHResult(E_HANDLE);
    }
    if (!Pripojit(okno)) {
        FatalniPosledniChyba();
    }
    NastavitRezimSeznamu();
}

int ListViewSeznam::PridatSloupec(const wchar_t* nazev, int sirka) {
    LVCOLUMNW sloupec{};
    sloupec.mask = LVCF_TEXT | LVCF_WIDTH;
    sloupec.pszText = const_cast<wchar_t*>(nazev);
    sloupec.cx = sirka;
    const auto index = static_cast<int>(::SendMessageW(PlatneOkno(), LVM_INSERTCOLUMNW,
                                                       static_cast<WPARAM>(PocetSloupcu()),
                                                       reinterpret_cast<LPARAM>(&sloupec)));
    if (index < 0) {
        VyhoditHResult(E_FAIL);
    }
    return index;
}

void ListViewSeznam::NastavitSirkuSloupce(int sloupec, int sirka) {
    ::SendMessageW(PlatneOkno(), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(sloupec),
                   MAKELPARAM(sirka, 0));
}

int ListViewSeznam::PocetSloupcu() const {
    auto zahlavi = reinterpret_cast<HWND>(::SendMessageW(PlatneOkno(), LVM_GETHEADER, 0, 0));
    return zahlavi != nullptr ? static_cast<int>(::SendMessageW(zahlavi, HDM_GETITEMCOUNT, 0, 0))
                              : 0;
}

int ListViewSeznam::VlozitPolozku(int index, const wchar_t* text, LPARAM data) {
    LVITEMW polozka{};
    polozka.mask = LVIF_TEXT | LVIF_PARAM;
    polozka.iItem = index;
    polozka.pszText = const_cast<wchar_t*>(text);
    polozka.lParam = data;
    const auto vlozena = static_cast<int>(
        ::SendMessageW(PlatneOkno(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&polozka)));
    if (vlozena < 0) {
        VyhoditHResult(E_FAIL);
    }
    return vlozena;
}

void ListViewSeznam::NastavitText(int polozka, int sloupec, const wchar_t* text) {
    LVITEMW zmena{};
    zmena.iSubItem = sloupec;
    zmena.pszText = const_cast<wchar_t*>(text);
    if (!::SendMessageW(PlatneOkno(), LVM_SETITEMTEXTW, static_cast<WPARAM>(polozka),
                        reinterpret_cast<LPARAM>(&zmena))) {
        VyhoditHResult(E_FAIL);
    }
}

std::wstring ListViewSeznam::Text(int polozka, int sloupec) const {
    // LVM_GETITEMTEXTW cannot tell the full length; grow until the text fits.
    std::wstring text(64, L'\0');
    for (;;) {
        LVITEMW dotaz{};
        dotaz.iSubItem = sloupec;
        dotaz.pszText = text.data();
        dotaz.cchTextMax = static_cast<int>(text.size());
        const auto delka = static_cast<size_t>(::SendMessageW(PlatneOkno(), LVM_GETITEMTEXTW,
                                                              static_cast<WPARAM>(polozka),
                                                              reinterpret_cast<LPARAM>(&dotaz)));
        if (delka + 1 < text.size()) {
            text.resize(delka);
            return text;
        }
        text.resize(text.size() * 2);
    }
}

LPARAM ListViewSeznam::DataPolozky(int polozka) const {
    LVITEMW dotaz{};
    dotaz.mask = LVIF_PARAM;
    dotaz.iItem = polozka;
    if (!::SendMessageW(PlatneOkno(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&dotaz))) {
        VyhoditHResult(E_INVALIDARG);
    }
    return dotaz.lParam;
}

int ListViewSeznam::Pocet() const {
    return static_cast<int>(::SendMessageW(PlatneOkno(), LVM_GETITEMCOUNT, 0, 0));
}

void ListViewSeznam::Vyprazdnit() {
    ::SendMessageW(PlatneOkno(), LVM_DELETEALLITEMS, 0, 0);
}

int ListViewSeznam::VybranaPolozka() const {
    return static_cast<int>(
        ::SendMessageW(PlatneOkno(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ListViewSeznam::Vybrat(int polozka) {
    NastavitVyber(polozka, true);
}

void ListViewSeznam::ZrusitVyber(int polozka) {
    NastavitVyber(polozka, false);
}

void ListViewSeznam::NastavitRezimSeznamu() {
    HWND okno = PlatneOkno();
    const LONG_PTR styl = ::GetWindowLongPtrW(okno, GWL_STYLE);
    if ((styl & LVS_TYPEMASK) != LVS_REPORT) {
        ::SetWindowLongPtrW(okno, GWL_STYLE, (styl & ~LVS_TYPEMASK) | LVS_REPORT);
    }
    ::SendMessageW(okno, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
}

void ListViewSeznam::NastavitVyber(int polozka, bool vybrana) {
    LVITEMW stav{};
    stav.stateMask = LVIS_SELECTED;
    stav.state = vybrana ? LVIS_SELECTED : 0;
    ::SendMessageW(PlatneOkno(), LVM_SETITEMSTATE, static_cast<WPARAM>(polozka),
                   reinterpret_cast<LPARAM>(&stav));
}

} // namespace Vrbatec::WinApi
