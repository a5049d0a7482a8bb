#include "OknaTestu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "app/Aplikace.h"
#include "winapi/Diagnostika.h"
#include "res/resource.h"
#include "sources/PohledyZdroju.h"
#include "winapi/Handle.h"
#include "winapi/OdrazitOznameni.h"
#include "winapi/RegistraceTridy.h"

namespace Vrbatec::Testy {

RodicTestu::RodicTestu(SIZE velikost) {
    const WNDCLASSEXW trida{.hInstance = ::GetModuleHandleW(nullptr),
                            .lpszClassName = L"ZvukoletTestRodic"};
    OveritVolani(WinApi::RegistrovatTriduOkna(trida) != 0);
    OveritVolani(Vytvorit({.trida = trida.lpszClassName,
                           .styl = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                           .sirka = velikost.cx,
                           .vyska = velikost.cy,
                           .instance = trida.hInstance}) != nullptr);
}

bool RodicTestu::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                                 LRESULT& vysledek) {
    if (WinApi::OdrazitOznameni(okno, zprava, wParam, lParam, vysledek)) {
        return true;
    }
    if (zprava == WM_NOTIFY) {
        const auto& oznameni = *reinterpret_cast<const NMHDR*>(lParam);
        return pohledy != nullptr && oznameni.idFrom == IDC_SEZNAM_ZDROJU &&
               pohledy->PriOznameniSeznamu(oznameni, vysledek);
    }
    if (zprava == WM_COMMAND) {
        if (HIWORD(wParam) == CBN_SELCHANGE && pohledy != nullptr) {
            pohledy->PriZmeneCombo();
        } else if (lParam == 0) {
            prikazy.push_back(LOWORD(wParam));
        }
    }
    return false;
}

HWND RodicTestu::VytvoritDite(const wchar_t* trida, int id, DWORD styl, const wchar_t* text) {
    HWND dite =
        ::CreateWindowExW(0, trida, text, WS_CHILD | WS_VISIBLE | styl, 10, 10, 200, 100, Hwnd(),
                          WinApi::MenuZId(id), ::GetModuleHandleW(nullptr), nullptr);
    OveritVolani(dite != nullptr);
    return dite;
}

bool ZaznamZprav::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                                  LRESULT& vysledek) {
    zpravy.push_back({okno, zprava, wParam, lParam, 0, {}});
    if (const auto a = akce.find(zprava); a != akce.end()) {
        a->second(okno);
    }
    const auto odpoved = odpovedi.find(zprava);
    vysledek = odpoved != odpovedi.end() ? odpoved->second : 0;
    return odpoved != odpovedi.end();
}

void ZaznamZprav::PoPosledniZprave() {
    ++poPosledniZprave;
    hwndPrazdnyPoPosledniZprave = Hwnd() == nullptr && AktualniZprava() == nullptr;
}

int ZaznamZprav::Pocet(UINT zprava) const {
    return static_cast<int>(std::count_if(zpravy.begin(), zpravy.end(),
                                          [&](const MSG& z) { return z.message == zprava; }));
}

SablonaDialogu::SablonaDialogu(DWORD styl, WORD prvku) {
    const WORD id[] = {kEditSablony, kTlacitkoSablony, IDOK, IDCANCEL};
    const DWORD stylPrvku[] = {ES_AUTOHSCROLL, BS_PUSHBUTTON, BS_DEFPUSHBUTTON | BS_NOTIFY, 0};
    // Style, extended style, the number of controls, position, size; no menu, class or title.
    data = {LOWORD(styl), HIWORD(styl), 0, 0, prvku, 0, 0, 200, 100, 0, 0, 0};
    for (WORD i = 0; i < prvku; ++i) {
        data.resize(data.size() + data.size() % 2); // each control starts on a DWORD
        const DWORD s = WS_CHILD | WS_VISIBLE | WS_TABSTOP | stylPrvku[i];
        // Styles, position, 50 × 12, the identifier, the system's edit or button class, no
        // title, no creation data.
        data.insert(data.end(), {LOWORD(s), HIWORD(s), 0, 0, 5, static_cast<WORD>(5 + 15 * i), 50,
                                 12, id[i], 0xFFFF, static_cast<WORD>(i == 0 ? 0x81 : 0x80), 0, 0});
    }
}

std::wstring TextOkna(HWND okno) {
    wchar_t text[256] = {};
    const auto delka = ::SendMessageW(okno, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return std::wstring(text, static_cast<size_t>(delka));
}

namespace {

class SystemKonciciVlakno final : public SystemProHlaseni {
public:
    int ZobrazitOkno(const std::wstring& text, const std::wstring&, UINT) override {
        konec.text = text;
        return IDOK;
    }
    HRESULT ZapsatUdalost(const std::wstring&, const std::wstring&) override { return S_OK; }
    [[noreturn]] void UkoncitProces(UINT kod) override {
        konec.fatalni = true;
        konec.kodProcesu = kod;
        ::ExitThread(0);
    }
    [[noreturn]] void UkoncitNouzove(const std::wstring& text) override {
        konec.text = text;
        UkoncitProces(static_cast<UINT>(-1));
    }

    KonecVlakna konec;
};

} // namespace

void ZpracovatCekajiciZpravy() {
    for (int kolo = 0; kolo < 3; ++kolo) {
        MSG zprava{};
        while (::PeekMessageW(&zprava, nullptr, 0, 0, PM_REMOVE)) {
            if (zprava.message == WM_QUIT) {
                ::PostQuitMessage(static_cast<int>(zprava.wParam));
                return;
            }
            ::TranslateMessage(&zprava);
            ::DispatchMessageW(&zprava);
        }
        ::Sleep(5);
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

KonecVlakna SpustitNaVlakne(std::function<void()> prace) {
    const auto spustit = [](void* p) -> DWORD {
        (*static_cast<std::function<void()>*>(p))();
        return 0;
    };
    WinApi::UniqueHandle vlakno(
        ::CreateThread(nullptr, 0, spustit, &prace, CREATE_SUSPENDED, nullptr));
    OveritVolani(static_cast<bool>(vlakno));
    SystemKonciciVlakno system;
    SystemProHlaseni* predchozi = NastavitSystemHlaseni(&system);
    ::ResumeThread(vlakno.Get());
    system.konec.skoncilo = ::WaitForSingleObject(vlakno.Get(), 20000) == WAIT_OBJECT_0;
    if (!system.konec.skoncilo) {
        // Hung: it must not outlive the reporting system it was given.
        ::TerminateThread(vlakno.Get(), 0);
        ::WaitForSingleObject(vlakno.Get(), INFINITE);
    }
    NastavitSystemHlaseni(predchozi);
    return system.konec;
}

} // namespace Vrbatec::Testy
