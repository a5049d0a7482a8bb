#include "OknaTestu.h"

#include "app/Diagnostika.h"
#include "winapi/OdrazitOznameni.h"
#include "winapi/Handle.h"
#include "winapi/RegistraceTridy.h"

namespace Vrbatec::Testy {

namespace {

constexpr wchar_t kTridaRodice[] = L"ZvukoletTestRodic";

void RegistrovatTriduRodice() {
    WNDCLASSEXW trida{};
    trida.hInstance = ::GetModuleHandleW(nullptr);
    trida.lpszClassName = kTridaRodice;
    trida.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
    trida.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    if (WinApi::RegistrovatTriduOkna(trida) == 0) {
        FatalniPosledniChyba();
    }
}

} // namespace

RodicTestu::RodicTestu() {
    RegistrovatTriduRodice();
    if (Vytvorit({.trida = kTridaRodice,
                  .text = L"Rodič",
                  .styl = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                  .x = 0,
                  .y = 0,
                  .sirka = 400,
                  .vyska = 300,
                  .instance = ::GetModuleHandleW(nullptr)}) == nullptr) {
        FatalniPosledniChyba();
    }
}

RodicTestu::~RodicTestu() {
    if (Hwnd() != nullptr) {
        ::DestroyWindow(Hwnd());
    }
}

bool RodicTestu::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                                 LRESULT& vysledek) {
    if (WinApi::OdrazitOznameni(okno, zprava, wParam, lParam, vysledek)) {
        return true;
    }
    if (zprava == WM_COMMAND || zprava == WM_NOTIFY || zprava == WM_DRAWITEM ||
        zprava == WM_PARENTNOTIFY || zprava == WM_HSCROLL) {
        neodrazene.push_back(zprava);
    }
    return false;
}

HWND RodicTestu::VytvoritDite(const wchar_t* trida, int id, DWORD styl, const wchar_t* text) {
    HWND dite =
        ::CreateWindowExW(0, trida, text, WS_CHILD | WS_VISIBLE | styl, 10, 10, 200, 100, Hwnd(),
                          WinApi::MenuZId(id), ::GetModuleHandleW(nullptr), nullptr);
    if (dite == nullptr) {
        FatalniPosledniChyba();
    }
    return dite;
}

bool ZaznamZprav::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                                  LRESULT& vysledek) {
    zpravy.push_back({okno, zprava, wParam, lParam, 0, {}});
    if (const auto akce_ = akce.find(zprava); akce_ != akce.end()) {
        akce_->second(okno);
    }
    const auto odpoved = odpovedi.find(zprava);
    if (odpoved == odpovedi.end()) {
        return false;
    }
    vysledek = odpoved->second;
    return true;
}

void ZaznamZprav::PoPosledniZprave() {
    ++poPosledniZprave;
    hwndPrazdnyPoPosledniZprave = Hwnd() == nullptr && AktualniZprava() == nullptr;
}

int ZaznamZprav::Pocet(UINT zprava) const {
    int pocet = 0;
    for (const MSG& z : zpravy) {
        pocet += z.message == zprava ? 1 : 0;
    }
    return pocet;
}

const MSG* ZaznamZprav::Posledni(UINT zprava) const {
    for (auto z = zpravy.rbegin(); z != zpravy.rend(); ++z) {
        if (z->message == zprava) {
            return &*z;
        }
    }
    return nullptr;
}

std::wstring TextOkna(HWND okno) {
    wchar_t text[256] = {};
    const auto delka = ::SendMessageW(okno, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return std::wstring(text, static_cast<size_t>(delka));
}

namespace {

constexpr DWORD kVlaknoUkoncenoFatalne = 0xFA7A1;

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
        ::ExitThread(kVlaknoUkoncenoFatalne);
    }
    [[noreturn]] void UkoncitNouzove(const std::wstring& text) override {
        konec.text = text;
        UkoncitProces(static_cast<UINT>(-1));
    }

    KonecVlakna konec;
};

DWORD WINAPI VlaknoPrace(void* parametr) {
    (*static_cast<std::function<void()>*>(parametr))();
    return 0;
}

} // namespace

KonecVlakna SpustitNaVlakne(std::function<void()> prace) {
    SystemKonciciVlakno system;
    SystemProHlaseni* predchozi = NastavitSystemHlaseni(&system);
    WinApi::UniqueHandle vlakno(::CreateThread(nullptr, 0, &VlaknoPrace, &prace, 0, nullptr));
    if (!vlakno) {
        FatalniPosledniChyba();
    }
    if (::WaitForSingleObject(vlakno.Get(), 20000) != WAIT_OBJECT_0) {
        // Hung: it must not outlive the reporting system it was given.
        ::TerminateThread(vlakno.Get(), 0);
        ::WaitForSingleObject(vlakno.Get(), INFINITE);
    } else {
        system.konec.skoncilo = true;
    }
    DWORD kod = 0;
    ::GetExitCodeThread(vlakno.Get(), &kod);
    system.konec.koncilFatalne = kod == kVlaknoUkoncenoFatalne;
    NastavitSystemHlaseni(predchozi);
    return system.konec;
}

} // namespace Vrbatec::Testy
