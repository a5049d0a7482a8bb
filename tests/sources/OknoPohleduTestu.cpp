#include "OknoPohleduTestu.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <utility>

#include "app/Aplikace.h"
#include "app/Diagnostika.h"
#include "res/resource.h"
#include "winapi/OdrazitOznameni.h"
#include "winapi/RegistraceTridy.h"

namespace Vrbatec::Testy {

OknoPohleduTestu::OknoPohleduTestu() {
    const WNDCLASSEXW trida{.hInstance = ::GetModuleHandleW(nullptr),
                            .lpszClassName = L"ZvukoletTestPohledu"};
    OveritVolani(WinApi::RegistrovatTriduOkna(trida) != 0);
    OveritVolani(Vytvorit({.trida = trida.lpszClassName,
                           .styl = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                           .sirka = 640,
                           .vyska = 400,
                           .instance = trida.hInstance}) != nullptr);
}

bool OknoPohleduTestu::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                                       LRESULT& vysledek) {
    if (WinApi::OdrazitOznameni(okno, zprava, wParam, lParam, vysledek)) {
        return true;
    }
    if (zprava == WM_NOTIFY && pohledy != nullptr) {
        const auto& oznameni = *reinterpret_cast<const NMHDR*>(lParam);
        return oznameni.idFrom == IDC_SEZNAM_ZDROJU &&
               pohledy->PriOznameniSeznamu(oznameni, vysledek);
    }
    if (zprava == WM_COMMAND && HIWORD(wParam) == CBN_SELCHANGE && pohledy != nullptr) {
        pohledy->PriZmeneCombo();
    } else if (zprava == WM_COMMAND && lParam == 0) {
        prikazy.push_back(LOWORD(wParam));
    }
    return false;
}

HWND OknoPohleduTestu::VytvoritCombo() {
    HWND combo = ::CreateWindowExW(0, WC_COMBOBOXW, L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST,
                                   0, 0, 200, 300, Hwnd(), WinApi::MenuZId(IDC_COMBO_ZDROJU),
                                   ::GetModuleHandleW(nullptr), nullptr);
    OveritVolani(combo != nullptr);
    return combo;
}

namespace {

thread_local ObsluhaDialogu* t_obsluha = nullptr;

BOOL CALLBACK HledatDialog(HWND okno, LPARAM nalezeny) {
    wchar_t trida[16] = {};
    ::GetClassNameW(okno, trida, 16);
    if (std::wstring(trida) != L"#32770" || !::IsWindowVisible(okno)) {
        return TRUE;
    }
    *reinterpret_cast<HWND*>(nalezeny) = okno;
    return FALSE;
}

} // namespace

ObsluhaDialogu::ObsluhaDialogu(std::function<void(HWND)> prace) : prace_(std::move(prace)) {
    t_obsluha = this;
    casovac_ = ::SetTimer(nullptr, 0, 20, &Tik);
    OveritVolani(casovac_ != 0);
}

ObsluhaDialogu::~ObsluhaDialogu() {
    if (casovac_ != 0) {
        ::KillTimer(nullptr, casovac_);
    }
    t_obsluha = nullptr;
}

void CALLBACK ObsluhaDialogu::Tik(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &HledatDialog, reinterpret_cast<LPARAM>(&dialog));
    ObsluhaDialogu* obsluha = t_obsluha;
    if (obsluha == nullptr || dialog == nullptr) {
        return;
    }
    ::KillTimer(nullptr, std::exchange(obsluha->casovac_, 0));
    obsluha->probehla = true;
    obsluha->prace_(dialog);
    if (::IsWindowVisible(dialog)) {
        ADD_FAILURE() << "the dialog was left open";
        ::EndDialog(dialog, IDABORT);
    }
}

void PripravitProstredkyAplikace() {
    static const HRESULT hr =
        AplikaceInstance().PripravitOkenniProstredky(::GetModuleHandleW(nullptr));
    OveritVolani(SUCCEEDED(hr));
}

void ChybaIndexu(std::int32_t kod) {
    throw static_cast<HRESULT>(kod);
}

void Kliknout(HWND dialog, int id) {
    ::SendMessageW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

std::wstring TextPrvku(HWND dialog, int id) {
    wchar_t text[256] = {};
    ::GetDlgItemTextW(dialog, id, text, 256);
    return text;
}

void ZpracovatCekajiciZpravy() {
    MSG zprava{};
    while (::PeekMessageW(&zprava, nullptr, 0, 0, PM_REMOVE)) {
        ::DispatchMessageW(&zprava);
    }
}

} // namespace Vrbatec::Testy
