#include "winapi/StaticText.h"

#include <string>

#include "winapi/Diagnostika.h"
#include "winapi/OdrazeniZprav.h"

namespace Vrbatec::WinApi {

namespace {

UINT FormatZarovnani(StaticText::Zarovnani zarovnani) {
    switch (zarovnani) {
    case StaticText::Zarovnani::NaStred:
        return DT_CENTER;
    case StaticText::Zarovnani::Vpravo:
        return DT_RIGHT;
    case StaticText::Zarovnani::Vlevo:
        break;
    }
    return DT_LEFT;
}

} // namespace

void StaticText::VytvoritText(HINSTANCE instance, HWND rodic, int idPrvku, const RECT& obdelnik,
                              const wchar_t* text) {
    if (Vytvorit(PopisPrvku(L"STATIC", WS_VISIBLE | SS_OWNERDRAW, rodic, obdelnik, idPrvku,
                            instance, text)) == nullptr) {
        FatalniPosledniChyba();
    }
}

bool StaticText::ZpracovatZpravu(HWND, UINT zprava, WPARAM, LPARAM lParam, LRESULT&) {
    switch (zprava) {
    case kZakladOdrazeni + WM_DRAWITEM:
        Nakreslit(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return false; // drawn; the default processing may still see it
    case WM_DESTROY:
        pismo_.Reset();
        return false;
    default:
        return false;
    }
}

void StaticText::NastavitVlastniKresleni(DWORD dalsiStyly) {
    HWND okno = PlatneOkno();
    const LONG_PTR styl = ::GetWindowLongPtrW(okno, GWL_STYLE);
    ::SetWindowLongPtrW(okno, GWL_STYLE, (styl & ~SS_TYPEMASK) | SS_OWNERDRAW | dalsiStyly);
}

void StaticText::Nakreslit(const DRAWITEMSTRUCT& polozka) const {
    const std::wstring text = TextOkna(polozka.hwndItem);
    HDC dc = polozka.hDC;
    const COLORREF systemova = ::GetSysColor(COLOR_WINDOWTEXT);
    ::SetTextColor(dc, systemova != RGB(0, 0, 0) ? systemova : barva_);
    ::SetBkMode(dc, TRANSPARENT);
    HGDIOBJ puvodniPismo = pismo_ ? ::SelectObject(dc, pismo_.Get()) : nullptr;
    RECT obdelnik = polozka.rcItem;
    if (pozadi_ != nullptr) {
        ::FillRect(dc, &obdelnik, pozadi_);
    }
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &obdelnik,
                DT_SINGLELINE | FormatZarovnani(zarovnani_));
    if (puvodniPismo != nullptr) {
        ::SelectObject(dc, puvodniPismo);
    }
}

} // namespace Vrbatec::WinApi
