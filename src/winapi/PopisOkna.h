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

} // namespace Vrbatec::WinApi
