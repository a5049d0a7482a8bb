#include "winapi/EditSoubor.h"

#include <commctrl.h>

#include <algorithm>

#include "winapi/Diagnostika.h"
#include "winapi/OdrazeniZprav.h"

namespace Vrbatec::WinApi {

namespace {

constexpr int kOdstupTlacitka = 4;
constexpr int kVelikostObrazku = 16;
constexpr wchar_t kTextTipu[] = L"Vybrat soubor standardním dialogem Windows";

bool JeSoubor(const std::wstring& cesta) {
    const DWORD atributy = ::GetFileAttributesW(cesta.c_str());
    return atributy != INVALID_FILE_ATTRIBUTES && (atributy & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

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

RECT Klient(HWND okno) {
    RECT klient{};
    ::GetClientRect(okno, &klient);
    return klient;
}

} // namespace

EditSoubor::~EditSoubor() {
    tip_.Reset();
}

bool EditSoubor::PripojitEdit(HWND edit, const wchar_t* text, HIMAGELIST obrazky,
                              int indexObrazku) {
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

    soubor_ = OPENFILENAMEW{};
    soubor_.lStructSize = sizeof(soubor_);
    soubor_.hwndOwner = ::GetActiveWindow();

    cestaExistuje_ = false;
    if (text != nullptr) {
        ZobrazitText(text);
    }
    return cestaExistuje_;
}

RECT EditSoubor::OblastTlacitka() const {
    RECT oblast = Klient(PlatneOkno());
    oblast.left = oblast.right - kSirkaTlacitka;
    return oblast;
}

bool EditSoubor::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
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
        tip_.Reset();
        return false;
    default:
        return false;
    }
}

void EditSoubor::Prochazet() {
    std::wstring cesta(kDelkaCesty, L'\0');
    const std::wstring text = Text();
    if (JeSoubor(text)) {
        if (text.size() >= kDelkaCesty) {
            FatalniHResult(HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER));
        }
        std::copy(text.begin(), text.end(), cesta.begin());
    }
    soubor_.hwndOwner = ::GetParent(PlatneOkno());
    soubor_.lpstrFile = cesta.data();
    soubor_.nMaxFile = kDelkaCesty;
    const BOOL potvrzeno = ::GetOpenFileNameW(&soubor_);
    soubor_.lpstrFile = nullptr;
    if (!potvrzeno && ::CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) {
        FatalniHResult(HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER));
    }
    if (potvrzeno) {
        cesta.resize(cesta.find(L'\0'));
        ::SetWindowTextW(PlatneOkno(), cesta.c_str());
    }
}

void EditSoubor::VytvoritTip() {
    HWND edit = PlatneOkno();
    tip_.Reset(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, edit,
                                 nullptr, ::GetModuleHandleW(nullptr), nullptr));
    if (!tip_) {
        FatalniPosledniChyba();
    }
    RECT oblast = Klient(edit);
    oblast.left = oblast.right - kSirkaTlacitka - kOdstupTlacitka;
    TTTOOLINFOW nastroj{};
    nastroj.cbSize = sizeof(nastroj);
    nastroj.uFlags = TTF_SUBCLASS;
    nastroj.hwnd = edit;
    nastroj.rect = oblast;
    nastroj.lpszText = const_cast<wchar_t*>(kTextTipu);
    if (!::SendMessageW(tip_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&nastroj))) {
        FatalniHResult(E_FAIL);
    }
}

void EditSoubor::ZobrazitText(const wchar_t* text) {
    HWND edit = PlatneOkno();
    ::SetWindowTextW(edit, text);
    ::SendMessageW(edit, EM_SETSEL, 0, -1);
    ::SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(-1), 0);
    OveritCestu();
    ::InvalidateRect(edit, nullptr, TRUE);
}

std::wstring EditSoubor::Text() const {
    return TextOkna(PlatneOkno());
}

void EditSoubor::OveritCestu() {
    cestaExistuje_ = JeSoubor(Text());
}

void EditSoubor::NakreslitTlacitko() const {
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

bool EditSoubor::NadTlacitkem(LPARAM bod) const {
    const RECT klient = Klient(PlatneOkno());
    return static_cast<short>(LOWORD(bod)) >= klient.right - kSirkaTlacitka - kOdstupTlacitka;
}

} // namespace Vrbatec::WinApi
