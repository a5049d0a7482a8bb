#include "winapi/SysLink.h"

#include <algorithm>
#include <string>

#include "winapi/DiagnostikaText.h"
#include "winapi/Diagnostika.h"
#include "winapi/OdrazeniZprav.h"
#include "winapi/OtviracOdkazu.h"

namespace Knihovna {

namespace {

constexpr int kOkrajTextu = 4;

HFONT PismoProMereni(HWND okno) {
    auto pismo = reinterpret_cast<HFONT>(::SendMessageW(okno, WM_GETFONT, 0, 0));
    if (pismo == nullptr) {
        pismo = reinterpret_cast<HFONT>(::SendMessageW(::GetParent(okno), WM_GETFONT, 0, 0));
    }
    return pismo;
}

// The text as the control shows it: without the tags of its links.
std::wstring ZobrazenyText(HWND okno) {
    std::wstring zobrazeny;
    bool vZnacce = false;
    for (const wchar_t znak : Vrbatec::WinApi::TextOkna(okno)) {
        if (znak == L'<' || znak == L'>') {
            vZnacce = znak == L'<';
        } else if (!vZnacce) {
            zobrazeny.push_back(znak);
        }
    }
    return zobrazeny;
}

int SirkaTextu(HWND okno, const std::wstring& text) {
    HDC dc = ::GetDC(okno);
    if (dc == nullptr) {
        Vrbatec::FatalniPosledniChyba();
    }
    HGDIOBJ puvodni = nullptr;
    if (HFONT pismo = PismoProMereni(okno)) {
        puvodni = ::SelectObject(dc, pismo);
    }
    SIZE velikost{};
    const BOOL zmereno =
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &velikost);
    if (puvodni != nullptr) {
        ::SelectObject(dc, puvodni);
    }
    ::ReleaseDC(okno, dc);
    if (!zmereno) {
        Vrbatec::FatalniPosledniChyba();
    }
    return velikost.cx;
}

} // namespace

void SysLink::PripojitOdkaz(HWND okno, const wchar_t* url) {
    if (!::IsWindow(okno)) {
        Vrbatec::FatalniHResult(E_HANDLE);
    }
    if (!Pripojit(okno)) {
        Vrbatec::FatalniPosledniChyba();
    }
    if (url != nullptr) {
        NastavitUrl(url, 0);
    }
}

void SysLink::NastavitText(const wchar_t* text, bool prizpusobitVelikost) {
    HWND okno = PlatneOkno();
    ::SetWindowTextW(okno, text);
    if (prizpusobitVelikost) {
        PrizpusobitVelikostTextu();
    }
    ::InvalidateRect(::GetParent(okno), nullptr, TRUE);
}

void SysLink::NastavitUrl(const wchar_t* url, int indexOdkazu) {
    LITEM polozka{};
    polozka.mask = LIF_ITEMINDEX | LIF_URL;
    polozka.iLink = indexOdkazu;
    if (url != nullptr) {
        const std::wstring_view cely(url);
        std::copy_n(cely.begin(), std::min(cely.size(), kMaxDelkaUrl), polozka.szUrl);
    }
    ::SendMessageW(PlatneOkno(), LM_SETITEM, 0, reinterpret_cast<LPARAM>(&polozka));
}

void SysLink::PrizpusobitVelikostTextu() {
    HWND okno = PlatneOkno();
    RECT obdelnik{};
    ::GetWindowRect(okno, &obdelnik);
    const int sirka = SirkaTextu(okno, ZobrazenyText(okno)) + kOkrajTextu;
    ::SetWindowPos(okno, nullptr, 0, 0, sirka, obdelnik.bottom - obdelnik.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool SysLink::ZpracovatZpravu(HWND, UINT zprava, WPARAM, LPARAM lParam, LRESULT&) {
    if (zprava == Vrbatec::WinApi::kZakladOdrazeni + WM_NOTIFY) {
        const auto* hlavicka = reinterpret_cast<const NMHDR*>(lParam);
        if (hlavicka->code == NM_CLICK || hlavicka->code == NM_RETURN) {
            NaOznameni(*reinterpret_cast<const NMLINK*>(lParam));
        }
    }
    // Never taken over: the parent decides what else a click means.
    return false;
}

void SysLink::NaOznameni(const NMLINK& oznameni) {
    const std::wstring url(oznameni.item.szUrl);
    if (url.empty() || Vrbatec::WinApi::OtevritOdkaz(url, SW_SHOW)) {
        return;
    }
    Vrbatec::SystemHlaseni().ZobrazitOkno(Vrbatec::PopisHResult(Vrbatec::HResultPosledniChyby()),
                                          kTitulekChyby, MB_ICONERROR);
}

} // namespace Knihovna
