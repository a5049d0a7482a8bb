#include "winapi/Okno.h"

#include "app/Diagnostika.h"

namespace Vrbatec::WinApi {

void Okno::NastavitIkony(HICON velka, HICON mala) {
    HWND okno = PlatneOkno();
    ::SendMessageW(okno, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(velka));
    ::SendMessageW(okno, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(mala));
}

void Okno::NastavitTitulek(const std::wstring& titulek) {
    OveritVolani(::SetWindowTextW(PlatneOkno(), titulek.c_str()) != FALSE);
}

bool Okno::Zobrazit(int prikaz) {
    return ::ShowWindow(PlatneOkno(), prikaz) != FALSE;
}

} // namespace Vrbatec::WinApi
