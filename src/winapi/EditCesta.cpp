#include "winapi/EditCesta.h"

#include <commctrl.h>

#include <algorithm>

#include "winapi/Diagnostika.h"
#include "winapi/OdrazeniZprav.h"

namespace Vrbatec::WinApi {

namespace {

constexpr int kOdstupTlacitka = 4;
constexpr int kVelikostObrazku = 16;

// The edit's device context for drawing over what the edit painted.
class KresleniOkna {
public:
    explicit KresleniOkna(HWND okno) : okno_(okno), kresleni_(::GetDC(okno)) {}
    ~KresleniOkna() {
        if (kresleni_ != nullptr) {
            ::ReleaseDC(okno_, kresleni_);
        }
    }
    KresleniOkna(const KresleniOkna&) = delete;
    KresleniOkna& operator=(const KresleniOkna&) = delete;
    HDC Get() const noexcept { return kresleni_; }

private:
    HWND okno_;
    HDC kresleni_;
};

// Puts the current folder back when it goes. The open dialog's own flag for this is not
// honoured by every version of the system, and the folder dialog has none.
class ZachovanaAktualniSlozka {
public:
    ZachovanaAktualniSlozka() : slozka_(AktualniSlozka()) {}
    ~ZachovanaAktualniSlozka() {
        if (!slozka_.empty()) {
            ::SetCurrentDirectoryW(slozka_.c_str());
        }
    }
    ZachovanaAktualniSlozka(const ZachovanaAktualniSlozka&) = delete;
    ZachovanaAktualniSlozka& operator=(const ZachovanaAktualniSlozka&) = delete;

private:
    std::wstring slozka_;
};

RECT Klient(HWND okno) {
    RECT klient{};
    ::GetClientRect(okno, &klient);
    return klient;
}

} // namespace

std::wstring AktualniSlozka() {
    std::wstring slozka(::GetCurrentDirectoryW(0, nullptr), L'\0');
    slozka.resize(::GetCurrentDirectoryW(static_cast<DWORD>(slozka.size()), slozka.data()));
    return slozka;
}

bool EditCesta::PripojitEdit(HWND edit, const wchar_t* text, HIMAGELIST obrazky, int indexObrazku) {
    if (!::IsWindow(edit)) {
        FatalniHResult(E_HANDLE);
    }
    if (!Pripojit(edit)) {
        FatalniPosledniChyba();
    }
    obrazky_ = obrazky;
    indexObrazku_ = indexObrazku;
    ::SendMessageW(edit, EM_SETMARGINS, EC_RIGHTMARGIN,
                   MAKELPARAM(0, kSirkaTlacitka + kOdstupTlacitka));
    VytvoritTip();
    PriPripojeni();

    cestaExistuje_ = false;
    if (text != nullptr) {
        ZobrazitText(text);
    }
    return cestaExistuje_;
}

RECT EditCesta::OblastTlacitka() const {
    RECT oblast = Klient(PlatneOkno());
    oblast.left = oblast.right - kSirkaTlacitka;
    return oblast;
}

bool EditCesta::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                                LRESULT& vysledek) {
    switch (zprava) {
    case WM_PAINT:
        vysledek = VychoziZpracovani();
        NakreslitTlacitko();
        return true;
    case WM_MOUSEMOVE:
        nadTlacitkem_ = NadTlacitkem(lParam);
        return false;
    case WM_SETCURSOR:
        if (nadTlacitkem_) {
            ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
            vysledek = TRUE;
            return true;
        }
        return false;
    case WM_LBUTTONUP: {
        const RECT oblast = OblastTlacitka();
        const POINT bod{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        vysledek = VychoziZpracovani();
        if (::PtInRect(&oblast, bod)) {
            Prochazet();
        }
        return true;
    }
    case WM_COMMAND + kZakladOdrazeni:
        if (HIWORD(wParam) == EN_CHANGE) {
            OveritCestu();
            ::InvalidateRect(okno, nullptr, TRUE);
        }
        return false;
    case WM_CTLCOLOREDIT + kZakladOdrazeni: {
        HDC kresleni = reinterpret_cast<HDC>(wParam);
        ::SetTextColor(kresleni, RGB(0, 0, 0));
        ::SetBkMode(kresleni, TRANSPARENT);
        vysledek = reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
        return true;
    }
    case WM_DESTROY:
        tip_.Zrusit();
        return false;
    default:
        return false;
    }
}

void EditCesta::Prochazet() {
    HWND edit = PlatneOkno();
    std::optional<std::wstring> cesta;
    {
        const ZachovanaAktualniSlozka slozka;
        cesta = VybratCestu(::GetParent(edit), TextOkna(edit));
    }
    if (cesta) {
        ::SetWindowTextW(edit, cesta->c_str());
    }
}

void EditCesta::VytvoritTip() {
    HWND edit = PlatneOkno();
    tip_.Zrusit();
    tip_.Vytvorit(edit, ::GetModuleHandleW(nullptr));
    RECT oblast = Klient(edit);
    oblast.left = oblast.right - kSirkaTlacitka - kOdstupTlacitka;
    tip_.PridatOblast(edit, oblast, TextTipu());
}

void EditCesta::ZobrazitText(const wchar_t* text) {
    HWND edit = PlatneOkno();
    ::SetWindowTextW(edit, text);
    ::SendMessageW(edit, EM_SETSEL, 0, -1);
    ::SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(-1), 0);
    OveritCestu();
    ::InvalidateRect(edit, nullptr, TRUE);
}

void EditCesta::OveritCestu() {
    cestaExistuje_ = CestaExistujeNa(TextOkna(PlatneOkno()));
}

void EditCesta::NakreslitTlacitko() const {
    HWND edit = PlatneOkno();
    const RECT klient = Klient(edit);
    const int x = klient.right - kSirkaTlacitka - 2;
    const KresleniOkna dc(edit);
    HDC kresleni = dc.Get();
    if (kresleni == nullptr) {
        return; // painting is cosmetic
    }
    if (obrazky_ != nullptr && indexObrazku_ >= 0) {
        const int y = std::max<int>((klient.bottom - kVelikostObrazku) / 2, 0);
        ::ImageList_DrawEx(obrazky_, indexObrazku_, kresleni, x, y, 0, 0, CLR_NONE, CLR_DEFAULT,
                           ILD_NORMAL);
    } else {
        RECT oblast = klient;
        oblast.left = x;
        const int rezim = ::SetBkMode(kresleni, TRANSPARENT);
        ::DrawTextW(kresleni, L"...", -1, &oblast, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        ::SetBkMode(kresleni, rezim);
    }
}

bool EditCesta::NadTlacitkem(LPARAM bod) const {
    const RECT klient = Klient(PlatneOkno());
    return static_cast<short>(LOWORD(bod)) >= klient.right - kSirkaTlacitka - kOdstupTlacitka;
}

} // namespace Vrbatec::WinApi
