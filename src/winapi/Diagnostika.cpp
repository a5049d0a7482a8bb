#include "winapi/Diagnostika.h"

#include <shlwapi.h>

#include <atomic>
#include <vector>

#include "winapi/DiagnostikaText.h"
#include "winapi/IVrbatecModul.h"

namespace Vrbatec {

namespace {

std::atomic<IVrbatecModul*> g_modul{nullptr};

// The real system: message boxes owned by no window, the event log, process exit.
class SkutecnySystem final : public SystemProHlaseni {
public:
    int ZobrazitOkno(const std::wstring& text, const std::wstring& titulek, UINT typ) override {
        return ::MessageBoxW(nullptr, text.c_str(), titulek.c_str(), typ);
    }

    HRESULT ZapsatUdalost(const std::wstring& zdroj, const std::wstring& text) override {
        HANDLE protokol = ::RegisterEventSourceW(nullptr, zdroj.c_str());
        if (protokol == nullptr) {
            return HResultPosledniChyby();
        }
        LPCWSTR retezce[] = {text.c_str()};
        const BOOL zapsano =
            ::ReportEventW(protokol, EVENTLOG_ERROR_TYPE, 0, 0, nullptr, 1, 0, retezce, nullptr);
        const HRESULT hr = zapsano ? S_OK : HResultPosledniChyby();
        ::DeregisterEventSource(protokol);
        return hr;
    }

    [[noreturn]] void UkoncitProces(UINT kod) override { ::ExitProcess(kod); }

    [[noreturn]] void UkoncitNouzove(const std::wstring& text) override {
        ::FatalAppExitW(0, text.c_str());
        ::ExitProcess(static_cast<UINT>(-1));
    }
};

SkutecnySystem g_skutecnySystem;
std::atomic<SystemProHlaseni*> g_system{nullptr};

// A test double may return from its exit; the process must not go on regardless.
[[noreturn]] void UkoncitProces(UINT kod) {
    SystemHlaseni().UkoncitProces(kod);
    ::ExitProcess(kod);
}

[[noreturn]] void UkoncitNouzove(const std::wstring& text) {
    SystemHlaseni().UkoncitNouzove(text);
    ::ExitProcess(static_cast<UINT>(-1));
}

std::wstring NazevProTitulek() {
    if (IVrbatecModul* modul = Modul()) {
        return modul->NazevAplikace();
    }
    std::wstring nazev;
    if (FAILED(NazevSouboruAplikace(nazev))) {
        FatalniPosledniChyba();
    }
    return nazev;
}

std::wstring NazevAplikaceNeboSouboru() {
    if (IVrbatecModul* modul = Modul()) {
        return modul->NazevAplikace();
    }
    std::wstring nazev;
    NazevSouboruAplikace(nazev);
    return nazev;
}

// A string of the table, or the description of the last error when it is missing.
std::wstring RetezecNeboPosledniChyba(UINT id) {
    std::wstring text;
    if (!NacistRetezec(id, text)) {
        TextChybyWin32(::GetLastError(), text);
    }
    return text;
}

} // namespace

void PublikovatModul(IVrbatecModul* modul) {
    g_modul.store(modul);
}

IVrbatecModul* Modul() {
    return g_modul.load();
}

IVrbatecModul& ZverejnenyModul() {
    IVrbatecModul* modul = Modul();
    if (modul == nullptr) {
        FatalniChyba(L"Program nemá zveřejněný modul.");
    }
    return *modul;
}

SystemProHlaseni& SystemHlaseni() {
    SystemProHlaseni* system = g_system.load();
    return system ? *system : g_skutecnySystem;
}

SystemProHlaseni* NastavitSystemHlaseni(SystemProHlaseni* system) {
    return g_system.exchange(system);
}

HRESULT HResultPosledniChyby() {
    return DiagnostikaText::HResultZWin32(::GetLastError());
}

void VyhoditHResult(HRESULT hr) {
    throw hr;
}

void OveritVolani(bool ok) {
    if (!ok) {
        VyhoditHResult(HResultPosledniChyby());
    }
}

std::wstring PopisHResult(HRESULT hr) {
    LPWSTR buffer = nullptr;
    const DWORD delka = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(hr), LANG_USER_DEFAULT, reinterpret_cast<LPWSTR>(&buffer), 0,
        nullptr);
    if (delka == 0 || buffer == nullptr) {
        return DiagnostikaText::PopisBezSystemovehoTextu(hr);
    }
    std::wstring text(buffer, delka);
    ::LocalFree(buffer);
    return DiagnostikaText::BezKonceRadku(std::move(text));
}

int TextChybyWin32(DWORD kod, std::wstring& text) {
    if (kod == 0) {
        text = DiagnostikaText::kNespecifikovanaChyba;
        return 1;
    }
    text = PopisHResult(HRESULT_FROM_WIN32(kod));
    return 0;
}

HRESULT NazevSouboruAplikace(std::wstring& nazev) {
    std::vector<wchar_t> cesta(MAX_PATH);
    for (;;) {
        const DWORD delka =
            ::GetModuleFileNameW(nullptr, cesta.data(), static_cast<DWORD>(cesta.size()));
        if (delka == 0) {
            return HResultPosledniChyby();
        }
        if (delka < cesta.size()) {
            break;
        }
        cesta.resize(cesta.size() * 2);
    }
    nazev = ::PathFindFileNameW(cesta.data());
    return S_OK;
}

bool NacistRetezec(UINT id, std::wstring& text) {
    const wchar_t* zdroj = nullptr;
    // With a zero buffer size LoadStringW hands out a pointer into the resource itself.
    const int delka =
        ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&zdroj), 0);
    if (delka <= 0 || zdroj == nullptr) {
        return false;
    }
    text.assign(zdroj, static_cast<size_t>(delka));
    return true;
}

void FatalniChyba(const std::wstring& popis) {
    if (IVrbatecModul* modul = Modul()) {
        modul->VyznamnaChyba(popis);
    }
    std::wstring nazev;
    if (FAILED(NazevSouboruAplikace(nazev))) {
        UkoncitNouzove(popis);
    }
    SystemHlaseni().ZobrazitOkno(DiagnostikaText::TextFatalniChyby(popis, nazev), nazev,
                                 DiagnostikaText::kTypChyba);
    UkoncitProces(static_cast<UINT>(-1));
}

void FatalniPosledniChyba() {
    FatalniHResult(HResultPosledniChyby());
}

void FatalniHResult(HRESULT hr) {
    FatalniChyba(PopisHResult(hr));
}

void ZobrazitChybu(const std::wstring& text) {
    if (IVrbatecModul* modul = Modul()) {
        if (modul->ZobrazitZpravu(text, MB_ICONERROR) != E_NOTIMPL) {
            return;
        }
    }
    std::wstring nazev;
    if (FAILED(NazevSouboruAplikace(nazev))) {
        FatalniPosledniChyba();
    }
    SystemHlaseni().ZobrazitOkno(text, nazev, DiagnostikaText::kTypChyba);
}

void ZobrazitChybuSPopisem(const std::wstring& text, HRESULT hr) {
    ZobrazitChybu(DiagnostikaText::TextSPopisem(text, PopisHResult(hr)));
}

void ZobrazitChybuZTabulky(UINT id) {
    std::wstring text;
    if (NacistRetezec(id, text)) {
        text = DiagnostikaText::STeckouNaKonci(std::move(text));
    } else {
        TextChybyWin32(::GetLastError(), text);
    }
    ZobrazitChybu(text);
}

void ZobrazitTextZTabulky(UINT id) {
    std::wstring text;
    NacistRetezec(id, text);
    SystemHlaseni().ZobrazitOkno(text, NazevAplikaceNeboSouboru(), DiagnostikaText::kTypChyba);
}

void ZobrazitChybuZTabulkySPopisem(UINT id, HRESULT hr) {
    const std::wstring text = DiagnostikaText::TextSPopisem(
        DiagnostikaText::STeckouNaKonci(RetezecNeboPosledniChyba(id)), PopisHResult(hr));
    SystemHlaseni().ZobrazitOkno(text, NazevAplikaceNeboSouboru(), DiagnostikaText::kTypChyba);
}

int OtazkaAnoNe(const std::wstring& text) {
    const int odpoved =
        SystemHlaseni().ZobrazitOkno(text, NazevProTitulek(), DiagnostikaText::kTypOtazka);
    return odpoved == IDYES ? 0 : 1;
}

HRESULT ZapsatDoProtokoluUdalosti(const std::wstring& text) {
    return SystemHlaseni().ZapsatUdalost(NazevAplikaceNeboSouboru(), text);
}

} // namespace Vrbatec
