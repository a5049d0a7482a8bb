#include "winapi/ToolTip.h"

#include <commctrl.h>

#include "winapi/Diagnostika.h"

namespace Vrbatec::WinApi {

HWND ToolTip::Vytvorit(HWND vlastnik, HINSTANCE instance) {
    if (okno_ && ::IsWindow(okno_.Get())) {
        return okno_.Get();
    }
    if (!::IsWindow(vlastnik)) {
        FatalniHResult(E_HANDLE);
    }
    okno_.Reset(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  vlastnik, nullptr, instance, nullptr));
    if (!okno_) {
        FatalniPosledniChyba();
    }
    return okno_.Get();
}

void ToolTip::PridatNastroj(HWND prvek, HINSTANCE instance, UINT idRetezce) {
    Pridat(prvek, instance, MAKEINTRESOURCEW(idRetezce));
}

void ToolTip::PridatNastroj(HWND prvek, const std::wstring& text) {
    // The tooltip keeps a copy of the text.
    std::wstring kopie = text;
    Pridat(prvek, nullptr, kopie.data());
}

void ToolTip::Pridat(HWND prvek, HINSTANCE instance, wchar_t* text) {
    if (!okno_ || !::IsWindow(prvek)) {
        FatalniHResult(E_HANDLE);
    }
    TTTOOLINFOW nastroj{};
    // The size without lpReserved, which the tooltips of older common controls refuse.
    nastroj.cbSize = TTTOOLINFOW_V2_SIZE;
    nastroj.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    nastroj.hwnd = ::GetParent(prvek);
    nastroj.uId = reinterpret_cast<UINT_PTR>(prvek);
    nastroj.hinst = instance;
    nastroj.lpszText = text;
    if (!::SendMessageW(okno_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&nastroj))) {
        FatalniHResult(E_FAIL);
    }
}

void ToolTip::PridatOblast(HWND prvek, const RECT& oblast, const wchar_t* text) {
    if (!okno_ || !::IsWindow(prvek)) {
        FatalniHResult(E_HANDLE);
    }
    TTTOOLINFOW nastroj{};
    nastroj.cbSize = TTTOOLINFOW_V2_SIZE;
    nastroj.uFlags = TTF_SUBCLASS;
    nastroj.hwnd = prvek;
    nastroj.rect = oblast;
    nastroj.lpszText = const_cast<wchar_t*>(text);
    if (!::SendMessageW(okno_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&nastroj))) {
        FatalniHResult(E_FAIL);
    }
}

} // namespace Vrbatec::WinApi
