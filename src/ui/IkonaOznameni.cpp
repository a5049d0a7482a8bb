#include "ui/IkonaOznameni.h"

#include <cwchar>

#include "ui/PravidlaIkony.h"
#include "winapi/Diagnostika.h"

namespace Vrbatec::Ui {

namespace {

constexpr UINT kCasBubliny = 11000;

#ifdef _WIN64
// The full structure, with the balloon's own icon; a shorter one would cut the fields the
// program fills.
static_assert(sizeof(NOTIFYICONDATAW) == 976);
#endif

class ShellSystemu final : public PlatformaIkony {
public:
    BOOL OznamitShellu(DWORD zprava, NOTIFYICONDATAW& data) override {
        return ::Shell_NotifyIconW(zprava, &data);
    }
    bool KlavesaDrzena(int klavesa) override { return ::GetAsyncKeyState(klavesa) < 0; }
};

template <std::size_t N>
void Vyplnit(wchar_t (&pole)[N], std::wstring_view text) {
    const std::wstring oriznuty = PravidlaIkony::Oriznout(text, N);
    std::wmemcpy(pole, oriznuty.c_str(), oriznuty.size() + 1);
}

HICON IkonaOkna(HWND okno) {
    auto ikona = reinterpret_cast<HICON>(::SendMessageW(okno, WM_GETICON, ICON_SMALL, 0));
    if (ikona == nullptr) {
        ikona = reinterpret_cast<HICON>(::GetClassLongPtrW(okno, GCLP_HICONSM));
    }
    if (ikona == nullptr) {
        ikona = reinterpret_cast<HICON>(::SendMessageW(okno, WM_GETICON, ICON_BIG, 0));
    }
    if (ikona == nullptr) {
        ikona = reinterpret_cast<HICON>(::GetClassLongPtrW(okno, GCLP_HICON));
    }
    return ikona;
}

} // namespace

PlatformaIkony& PlatformaIkonySystemu() {
    static ShellSystemu system;
    return system;
}

IkonaOznameni::~IkonaOznameni() {
    Smazat();
}

NOTIFYICONDATAW IkonaOznameni::Data(UINT priznaky) const {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = vlastnik_;
    data.uID = identifikator_;
    data.uFlags = priznaky;
    return data;
}

HRESULT IkonaOznameni::Pridat(HWND vlastnik, UINT identifikator, bool bohatyTip) {
    Smazat();
    if (!::IsWindow(vlastnik)) {
        return E_INVALIDARG;
    }
    bohatyTip_ = bohatyTip;
    const HICON ikona = IkonaOkna(vlastnik);
    if (ikona == nullptr) {
        return E_INVALIDARG;
    }
    return PridatDoShellu(vlastnik, identifikator, ikona);
}

HRESULT IkonaOznameni::PridatZnovu() {
    if (!Pridana()) {
        return S_FALSE;
    }
    const HWND vlastnik = vlastnik_;
    const UINT identifikator = identifikator_;
    // The shell has forgotten the icon: nothing to remove there.
    identifikator_ = 0;
    return PridatDoShellu(vlastnik, identifikator, ikona_);
}

HRESULT IkonaOznameni::PridatDoShellu(HWND vlastnik, UINT identifikator, HICON ikona) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = vlastnik;
    data.uID = identifikator;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | (bohatyTip_ ? 0 : NIF_SHOWTIP);
    data.uCallbackMessage = WM_IKONA_OZNAMENI;
    data.hIcon = ikona;
    Vyplnit(data.szTip, tip_);
    if (!platforma_.OznamitShellu(NIM_ADD, data)) {
        return HResultPosledniChyby();
    }
    data.uVersion = NOTIFYICON_VERSION_4;
    if (!platforma_.OznamitShellu(NIM_SETVERSION, data)) {
        const HRESULT hr = HResultPosledniChyby();
        // An icon of the old version would send events its owner cannot read.
        platforma_.OznamitShellu(NIM_DELETE, data);
        return hr;
    }
    identifikator_ = identifikator;
    vlastnik_ = vlastnik;
    ikona_ = ikona;
    return S_OK;
}

HRESULT IkonaOznameni::NastavitTip(std::wstring_view text) {
    if (!Pridana()) {
        FatalniHResult(E_INVALIDARG);
    }
    if (bohatyTip_) {
        return S_OK;
    }
    NOTIFYICONDATAW data = Data(NIF_TIP | NIF_SHOWTIP);
    Vyplnit(data.szTip, text);
    if (!platforma_.OznamitShellu(NIM_MODIFY, data)) {
        return HResultPosledniChyby();
    }
    tip_ = text;
    return S_OK;
}

HRESULT IkonaOznameni::SkrytBublinu() {
    if (!Pridana()) {
        return E_INVALIDARG;
    }
    NOTIFYICONDATAW data = Data(NIF_INFO | (bohatyTip_ ? 0 : NIF_SHOWTIP));
    return platforma_.OznamitShellu(NIM_MODIFY, data) ? S_OK : HResultPosledniChyby();
}

HRESULT IkonaOznameni::ZobrazitBublinu(std::wstring_view text, DWORD ikonaBubliny) {
    if (const HRESULT hr = SkrytBublinu(); FAILED(hr)) {
        return hr;
    }
    NOTIFYICONDATAW data = Data(NIF_INFO | (bohatyTip_ ? 0 : NIF_SHOWTIP));
    data.hIcon = ikona_;
    data.hBalloonIcon = ikona_;
    Vyplnit(data.szInfoTitle, titulekBubliny_);
    Vyplnit(data.szInfo, text);
    data.uTimeout = kCasBubliny;
    data.dwInfoFlags = ikonaBubliny;
    return platforma_.OznamitShellu(NIM_MODIFY, data) ? S_OK : HResultPosledniChyby();
}

void IkonaOznameni::Smazat() {
    if (!Pridana()) {
        return;
    }
    // A shell that refuses has lost the icon already (it restarted, or it is not running):
    // there is nothing left to remove, and closing the program must not fail over it.
    NOTIFYICONDATAW data = Data(0);
    platforma_.OznamitShellu(NIM_DELETE, data);
    identifikator_ = 0;
    vlastnik_ = nullptr;
    ikona_ = nullptr;
    tip_.clear();
    titulekBubliny_.clear();
    bohatyTip_ = true;
}

} // namespace Vrbatec::Ui
