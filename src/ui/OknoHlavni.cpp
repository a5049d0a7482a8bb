#include "ui/OknoHlavni.h"

#include <cwchar>

#include "app/Aplikace.h"
#include "app/Diagnostika.h"
#include "res/resource.h"
#include "winapi/RegistraceTridy.h"
#include "winapi/UmisteniOkna.h"

namespace Vrbatec::Ui {

namespace {

constexpr int kIdTextuPrikazu = 100;
constexpr wchar_t kKorenNastaveni[] = L"Software\\Vrbatec\\Zvukolet\\2";

} // namespace

OknoHlavni::~OknoHlavni() {
    // The window's last messages must still reach this object, so it goes down here.
    if (HWND okno = Hwnd(); okno != nullptr && VytvorenoObjektem()) {
        ::DestroyWindow(okno);
    }
}

void OknoHlavni::Vytvorit() {
    Aplikace& aplikace = AplikaceInstance();
    WNDCLASSEXW trida{};
    trida.hInstance = aplikace.Instance();
    trida.lpszClassName = kTrida;
    trida.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    trida.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    if (WinApi::RegistrovatTriduOkna(trida) == 0) {
        FatalniPosledniChyba();
    }
    NastavitKlicRegistru(kKorenNastaveni);
    const HWND okno = OknoImpl::Vytvorit({.trida = kTrida,
                                          .text = aplikace.NazevProduktu().c_str(),
                                          .styl = WS_OVERLAPPEDWINDOW,
                                          .x = 0,
                                          .y = 0,
                                          .sirka = 520,
                                          .vyska = 280,
                                          .instance = aplikace.Instance()});
    if (okno == nullptr) {
        FatalniPosledniChyba();
    }
    ::SendMessageW(okno, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(aplikace.IkonaMala()));
    ::SendMessageW(okno, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(aplikace.IkonaVelka()));
    ::SetWindowTextW(okno, aplikace.NazevProduktu().c_str());
    if (NacistPolohu(nullptr, false) != 0) {
        WinApi::Vycentrovat(okno);
    }
    ::ShowWindow(okno, SW_SHOW);
    ::PostMessageW(okno, WM_PO_VYTVORENI, 0, 0);
}

bool OknoHlavni::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM, LRESULT& vysledek) {
    switch (zprava) {
    case WM_CREATE:
        PriVytvoreni(okno);
        vysledek = 0;
        return true;
    case WM_SIZE:
        RozmistitText();
        return false;
    case WM_CTLCOLORSTATIC:
        // The text lies on the window's own background.
        ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        vysledek = reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
        return true;
    case WM_COMMAND:
        PriPrikazu(LOWORD(wParam));
        vysledek = 0;
        return true;
    case WM_PO_VYTVORENI:
        PoVytvoreni();
        vysledek = 0;
        return true;
    case WM_CLOSE:
    case WM_ENDSESSION:
        // Whether the session really ends does not matter: the placement is worth keeping.
        PriUkonceni();
        return false;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        vysledek = 0;
        return true;
    default:
        return false;
    }
}

void OknoHlavni::PriVytvoreni(HWND okno) {
    text_ = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_CENTER, 0, 0, 0, 0,
                              okno, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdTextuPrikazu)),
                              AplikaceInstance().Instance(), nullptr);
    if (text_ == nullptr) {
        FatalniPosledniChyba();
    }
    ::SendMessageW(text_, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)),
                   FALSE);
}

void OknoHlavni::RozmistitText() {
    RECT klient{};
    if (text_ != nullptr && ::GetClientRect(Hwnd(), &klient)) {
        ::MoveWindow(text_, 8, klient.bottom / 2 - 10, klient.right - 16, 20, TRUE);
    }
}

void OknoHlavni::PoVytvoreni() {
    if (const std::uint32_t prikaz = AplikaceInstance().StartovniPrikaz(); prikaz != 0) {
        ::PostMessageW(Hwnd(), WM_COMMAND, prikaz, 0);
    }
}

void OknoHlavni::PriUkonceni() {
    UlozitPolohu(nullptr);
}

void OknoHlavni::PriPrikazu(std::uint32_t prikaz) {
    if (prikaz == ID_KONEC) {
        ::PostMessageW(Hwnd(), WM_CLOSE, 0, 0);
        return;
    }
    // Commands whose work the program does not have yet are named, not pretended.
    wchar_t text[96];
    std::swprintf(text, 96, L"Příkaz %u: tato funkce zatím není k dispozici.",
                  static_cast<unsigned>(prikaz));
    ::SetWindowTextW(text_, text);
}

} // namespace Vrbatec::Ui
