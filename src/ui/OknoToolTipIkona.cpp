#include "ui/OknoToolTipIkona.h"

#include <vssym32.h>

#include <utility>

#include "winapi/Diagnostika.h"
#include "winapi/IVrbatecModul.h"
#include "winapi/RegistraceTridy.h"
#include "winapi/UmisteniOkna.h"

namespace Vrbatec::Ui {

namespace {

constexpr DWORD kStyl = WS_POPUP | WS_BORDER;
constexpr DWORD kRozsirenyStyl = WS_EX_TOOLWINDOW;
constexpr UINT kZarovnani = DT_VCENTER | DT_NOPREFIX;

void RegistrovatTridu(HINSTANCE instance) {
    WNDCLASSEXW trida{};
    trida.hInstance = instance;
    trida.lpszClassName = OknoToolTipIkona::kTrida;
    trida.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    if (WinApi::RegistrovatTriduOkna(trida) == 0) {
        FatalniPosledniChyba();
    }
}

} // namespace

OknoToolTipIkona::~OknoToolTipIkona() {
    Zavrit();
}

void OknoToolTipIkona::Otevrit(std::wstring text) {
    Zavrit();
    pismo_.Reset();
    motivOkna_.Reset();
    motivTipu_.Reset();
    prvniKresleni_ = true;
    text_ = std::move(text);

    IVrbatecModul& modul = ZverejnenyModul();
    RegistrovatTridu(modul.Instance());
    const HWND okno = Vytvorit({.trida = kTrida,
                                .text = L"Ovládání oken tooltip",
                                .styl = kStyl,
                                .rozsirenyStyl = kRozsirenyStyl,
                                .x = 0,
                                .y = 0,
                                .sirka = 6,
                                .vyska = 6,
                                .instance = modul.Instance()});
    if (okno == nullptr) {
        FatalniPosledniChyba();
    }
    NastavitIkony(modul.IkonaVelka(), modul.IkonaMala());
    if (::IsAppThemed()) {
        motivOkna_.Reset(::OpenThemeData(okno, L"Window"));
        motivTipu_.Reset(::OpenThemeData(okno, L"ToolTip"));
        LOGFONTW parametry{};
        if (motivOkna_ &&
            SUCCEEDED(::GetThemeSysFont(motivOkna_.Get(), TMT_MSGBOXFONT, &parametry))) {
            pismo_.Reset(::CreateFontIndirectW(&parametry));
        }
    }
    // Hovering over the icon must not take the activation from the window the user works in.
    ::ShowWindow(okno, SW_SHOWNOACTIVATE);
    ::SetWindowPos(okno, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void OknoToolTipIkona::Zavrit() {
    if (const HWND okno = Hwnd(); okno != nullptr && VytvorenoObjektem()) {
        ::DestroyWindow(okno);
    }
}

bool OknoToolTipIkona::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM, LPARAM, LRESULT& vysledek) {
    switch (zprava) {
    case WM_PAINT:
        Kreslit(okno);
        vysledek = 0;
        return true;
    case WM_DESTROY:
        pismo_.Reset();
        motivOkna_.Reset();
        motivTipu_.Reset();
        return false;
    default:
        return false;
    }
}

void OknoToolTipIkona::Kreslit(HWND okno) {
    PAINTSTRUCT kresba{};
    const HDC dc = ::BeginPaint(okno, &kresba);
    const HFONT pismo =
        pismo_ ? pismo_.Get() : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    const HGDIOBJ puvodni = ::SelectObject(dc, pismo);
    RECT mereni{};
    if (::DrawTextW(dc, text_.c_str(), -1, &mereni, DT_CALCRECT | DT_NOPREFIX) == 0) {
        FatalniPosledniChyba();
    }
    RECT klient{};
    ::GetClientRect(okno, &klient);
    if (motivTipu_) {
        ::DrawThemeBackground(motivTipu_.Get(), dc, TTP_STANDARD, TTSS_NORMAL, &klient, nullptr);
    } else {
        ::FillRect(dc, &klient, ::GetSysColorBrush(COLOR_INFOBK));
    }
    RECT textu{mereni.left + 3, mereni.top + 3, mereni.right + 6, mereni.bottom + 6};
    ::SetBkMode(dc, TRANSPARENT);
    if (motivTipu_) {
        ::DrawThemeText(motivTipu_.Get(), dc, TTP_STANDARD, TTSS_NORMAL, text_.c_str(), -1,
                        kZarovnani, 0, &textu);
    } else {
        ::SetTextColor(dc, ::GetSysColor(COLOR_INFOTEXT));
        ::DrawTextW(dc, text_.c_str(), -1, &textu, kZarovnani);
    }
    ::SelectObject(dc, puvodni);
    ::EndPaint(okno, &kresba);
    if (prvniKresleni_) {
        Umistit(okno, mereni);
    }
}

void OknoToolTipIkona::Umistit(HWND okno, const RECT& textu) {
    RECT obdelnik{textu.left, textu.top, textu.right + 7, textu.bottom + 7};
    ::AdjustWindowRectEx(&obdelnik, kStyl, FALSE, kRozsirenyStyl);
    POINT kurzor{};
    ::GetCursorPos(&kurzor);
    ::SetWindowPos(okno, nullptr, kurzor.x, kurzor.y, obdelnik.right - obdelnik.left,
                   obdelnik.bottom - obdelnik.top, SWP_NOZORDER | SWP_NOACTIVATE);
    WinApi::ZajistitViditelnost(okno, true);
    prvniKresleni_ = false;
    ::RedrawWindow(okno, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

} // namespace Vrbatec::Ui
