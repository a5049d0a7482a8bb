#include "winapi/StaticNadpis.h"

#include <algorithm>
#include <cwchar>

#include "winapi/Diagnostika.h"

namespace Knihovna {

namespace {

HFONT PismoOvladace(HWND okno) {
    auto pismo = reinterpret_cast<HFONT>(::SendMessageW(okno, WM_GETFONT, 0, 0));
    // A control that was never given a font draws with the system font.
    return pismo != nullptr ? pismo : static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
}

} // namespace

void StaticNadpis::PripojitNadpis(HWND okno) {
    if (!::IsWindow(okno)) {
        Vrbatec::FatalniHResult(E_HANDLE);
    }
    if (!Pripojit(okno)) {
        Vrbatec::FatalniPosledniChyba();
    }
    NastavitVlastniKresleni(SS_NOTIFY);
    NastavitBarvuTextu(kBarva);
    NastavitPozadi(::GetSysColorBrush(COLOR_BTNFACE));
    if (::GetObjectW(PismoOvladace(okno), sizeof(parametryPisma_), &parametryPisma_) == 0) {
        Vrbatec::FatalniPosledniChyba();
    }
    parametryPisma_.lfHeight = vyskaPisma_;
    parametryPisma_.lfWidth = 0;
    VytvoritPismo();
}

void StaticNadpis::NastavitNazevPisma(const wchar_t* nazev) {
    const size_t delka = std::wcslen(nazev);
    if (delka >= LF_FACESIZE) {
        Vrbatec::FatalniHResult(HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER));
    }
    std::copy_n(nazev, delka + 1, parametryPisma_.lfFaceName);
    VytvoritPismo();
    HWND okno = PlatneOkno();
    if (::IsWindowVisible(okno)) {
        ::InvalidateRect(okno, nullptr, TRUE);
    }
}

void StaticNadpis::VytvoritPismo() {
    Vrbatec::WinApi::UniqueFont pismo(::CreateFontIndirectW(&parametryPisma_));
    if (!pismo) {
        Vrbatec::FatalniPosledniChyba();
    }
    NastavitPismo(std::move(pismo));
}

} // namespace Knihovna
