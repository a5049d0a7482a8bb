// The arguments of CreateWindowExW, named, so that creating a window reads as what it is:
//   Vytvorit({.trida = WC_LISTBOXW, .styl = WS_CHILD | WS_VISIBLE, .rodic = dialog, ...});
#pragma once

#include <windows.h>

namespace Vrbatec::WinApi {

struct PopisOkna {
    const wchar_t* trida = nullptr;
    const wchar_t* text = L"";
    DWORD styl = 0;
    DWORD rozsirenyStyl = 0;
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int sirka = CW_USEDEFAULT;
    int vyska = CW_USEDEFAULT;
    HWND rodic = nullptr;
    // The menu of a top-level window, or the control identifier of a child (MenuZId).
    HMENU menu = nullptr;
    HINSTANCE instance = nullptr;
};

inline HMENU MenuZId(int idPrvku) noexcept {
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(idPrvku));
}

// A child control of the class at the rectangle of its parent's client area.
inline PopisOkna PopisPrvku(const wchar_t* trida, DWORD styl, HWND rodic, const RECT& obdelnik,
                            int idPrvku, HINSTANCE instance, const wchar_t* text = L"") noexcept {
    return PopisOkna{.trida = trida,
                     .text = text,
                     .styl = WS_CHILD | styl,
                     .x = obdelnik.left,
                     .y = obdelnik.top,
                     .sirka = obdelnik.right - obdelnik.left,
                     .vyska = obdelnik.bottom - obdelnik.top,
                     .rodic = rodic,
                     .menu = MenuZId(idPrvku),
                     .instance = instance};
}

} // namespace Vrbatec::WinApi
