// Time from the start command (40006) to the player's "playing" for a local file, in
// Zvukolet.exe, against the same control playing the same file in this bare program, both
// measured in the same run. The program's time ends when its status bar shows the playing
// text; the bare time when the control reports state 3 to this program.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "playback/PrehravacWmp.h"
#include "sources/KodekZdroju.h"

namespace {

using Hodiny = std::chrono::steady_clock;
constexpr int kPrehravaStav = 3;

double Median(std::vector<double> hodnoty) {
    std::sort(hodnoty.begin(), hodnoty.end());
    const size_t n = hodnoty.size();
    return n % 2 ? hodnoty[n / 2] : (hodnoty[n / 2 - 1] + hodnoty[n / 2]) / 2;
}

double Ms(Hodiny::time_point od) {
    return std::chrono::duration<double, std::milli>(Hodiny::now() - od).count();
}

bool ZapsatTon(const std::wstring& cesta) {
    constexpr std::uint32_t kVzorku = 44100 * 5;
    std::vector<std::int16_t> vzorky(kVzorku);
    for (std::uint32_t i = 0; i < kVzorku; ++i) {
        vzorky[i] = static_cast<std::int16_t>(12000 * std::sin(2 * 3.14159265 * 440 * i / 44100));
    }
    struct {
        char riff[4] = {'R', 'I', 'F', 'F'};
        std::uint32_t velikost = 36 + kVzorku * 2;
        char wave[4] = {'W', 'A', 'V', 'E'};
        char fmt[4] = {'f', 'm', 't', ' '};
        std::uint32_t delkaFmt = 16;
        std::uint16_t format = 1, kanaly = 1;
        std::uint32_t frekvence = 44100, bajtuZaSekundu = 88200;
        std::uint16_t zarovnani = 2, bitu = 16;
        char data[4] = {'d', 'a', 't', 'a'};
        std::uint32_t delkaDat = kVzorku * 2;
    } hlavicka;
    static_assert(sizeof(hlavicka) == 44);
    HANDLE soubor = CreateFileW(cesta.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (soubor == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD zapsano = 0;
    bool ok = WriteFile(soubor, &hlavicka, sizeof(hlavicka), &zapsano, nullptr) != FALSE;
    ok = ok && WriteFile(soubor, vzorky.data(), kVzorku * 2, &zapsano, nullptr) != FALSE;
    CloseHandle(soubor);
    return ok;
}

bool ZapsatSeznam(const std::wstring& cesta, const std::wstring& ton) {
    const std::vector<Vrbatec::Zdroj> zdroje{{L"Tón", ton, -1, true}};
    const auto bajty = Vrbatec::KodekZdroju::ZakodovatNaBajty(zdroje);
    HANDLE soubor = CreateFileW(cesta.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (soubor == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD zapsano = 0;
    const BOOL ok =
        WriteFile(soubor, bajty.data(), static_cast<DWORD>(bajty.size()), &zapsano, nullptr);
    CloseHandle(soubor);
    return ok != FALSE;
}

bool NastavitHodnotu(const wchar_t* klic, const wchar_t* nazev, DWORD typ, const void* data,
                     DWORD velikost) {
    return RegSetKeyValueW(HKEY_CURRENT_USER, klic, nazev, typ, data, velikost) == ERROR_SUCCESS;
}

// The bare side: the control in a window of this program.
class Posluchac final : public Vrbatec::PosluchacPrehravace {
public:
    void PriZmeneStavu(std::int32_t stav) override { posledni = stav; }
    std::int32_t posledni = 0;
};

bool Pockat(const Posluchac& posluchac, std::int32_t stav) {
    const auto zacatek = Hodiny::now();
    MSG zprava;
    while (posluchac.posledni != stav) {
        if (Ms(zacatek) > 10000) {
            return false;
        }
        while (PeekMessageW(&zprava, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&zprava);
        }
        Sleep(1);
    }
    return true;
}

std::vector<double> ZmeritHolyProgram(const std::wstring& ton, int opakovani) {
    HWND okno = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    Posluchac posluchac;
    auto prehravac = Vrbatec::VytvoritPrehravacWmp(GetModuleHandleW(nullptr), okno, posluchac);
    std::vector<double> casy;
    for (int i = 0; i < opakovani; ++i) {
        posluchac.posledni = 0;
        const auto zacatek = Hodiny::now();
        prehravac->Zastavit();
        prehravac->OtevritUrl(ton);
        prehravac->Prehrat();
        if (!Pockat(posluchac, kPrehravaStav)) {
            return {};
        }
        casy.push_back(Ms(zacatek));
        prehravac->Zastavit();
        Pockat(posluchac, 1);
    }
    prehravac.reset();
    DestroyWindow(okno);
    return casy;
}

// The program's side: its status text, read from its memory.
std::wstring TextStavu(HWND radek, HANDLE proces, void* vzdaleny) {
    wchar_t text[256] = {};
    if (SendMessageTimeoutW(radek, SB_GETTEXTW, 2, reinterpret_cast<LPARAM>(vzdaleny), SMTO_BLOCK,
                            2000, nullptr) != 0) {
        ReadProcessMemory(proces, vzdaleny, text, sizeof(text) - sizeof(wchar_t), nullptr);
    }
    return text;
}

bool PockatNaText(HWND radek, HANDLE proces, void* vzdaleny, const std::wstring& zacatek) {
    const auto od = Hodiny::now();
    while (TextStavu(radek, proces, vzdaleny).rfind(zacatek, 0) != 0) {
        if (Ms(od) > 10000) {
            return false;
        }
        Sleep(1);
    }
    return true;
}

std::vector<double> ZmeritZvukolet(const std::wstring& program, int opakovani) {
    std::wstring prikaz = L"\"" + program + L"\"";
    STARTUPINFOW start{};
    start.cb = sizeof(start);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(program.c_str(), prikaz.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &start, &info)) {
        return {};
    }
    // The window is ready once it is shown: its bars and status bar come before that.
    HWND okno = nullptr;
    for (int i = 0; i < 3000 && (okno == nullptr || !IsWindowVisible(okno)); ++i) {
        Sleep(10);
        okno = FindWindowW(L"ZvukoletHlavni", nullptr);
    }
    HWND radek = okno ? FindWindowExW(okno, nullptr, STATUSCLASSNAMEW, nullptr) : nullptr;
    HANDLE proces = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                                info.dwProcessId);
    void* vzdaleny =
        proces ? VirtualAllocEx(proces, nullptr, 512, MEM_COMMIT, PAGE_READWRITE) : nullptr;
    std::vector<double> casy;
    for (int i = 0; radek != nullptr && vzdaleny != nullptr && i < opakovani; ++i) {
        const auto zacatek = Hodiny::now();
        PostMessageW(okno, WM_COMMAND, 40006, 0);
        if (!PockatNaText(radek, proces, vzdaleny, L"Přehrávání")) {
            casy.clear();
            break;
        }
        casy.push_back(Ms(zacatek));
        PostMessageW(okno, WM_COMMAND, 40007, 0);
        PockatNaText(radek, proces, vzdaleny, L"Zastaveno");
    }
    if (okno != nullptr) {
        PostMessageW(okno, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(info.hProcess, 1);
    }
    if (vzdaleny != nullptr) {
        VirtualFreeEx(proces, vzdaleny, 0, MEM_RELEASE);
    }
    if (proces != nullptr) {
        CloseHandle(proces);
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return casy;
}

std::wstring CestaWindows(std::wstring cesta) {
    if (!cesta.empty() && cesta[0] == L'/') {
        cesta.insert(0, L"Z:");
    }
    std::replace(cesta.begin(), cesta.end(), L'/', L'\\');
    return cesta;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int opakovani = argc > 1 ? _wtoi(argv[1]) : 9;
    CoInitialize(nullptr);

    wchar_t docasna[MAX_PATH];
    GetTempPathW(MAX_PATH, docasna);
    const std::wstring ton = std::wstring(docasna) + L"zvukolet-mereni-ton.wav";
    const std::wstring seznam = std::wstring(docasna) + L"zvukolet-mereni-ton.xml";
    const DWORD nula = 0;
    if (!ZapsatTon(ton) || !ZapsatSeznam(seznam, ton) ||
        !NastavitHodnotu(L"Software\\Vrbatec\\Zvukolet\\2\\Zdroje", L"soubor", REG_SZ,
                         seznam.c_str(), static_cast<DWORD>((seznam.size() + 1) * 2)) ||
        !NastavitHodnotu(L"Software\\Vrbatec\\Zvukolet\\2\\Stav aplikace", L"prehravanyIndex",
                         REG_DWORD, &nula, sizeof(nula))) {
        std::fprintf(stderr, "the tone or the list could not be prepared\n");
        return 1;
    }
    const auto holy = ZmeritHolyProgram(ton, opakovani);
    const auto zvukolet = ZmeritZvukolet(CestaWindows(ZV_CESTA_PROGRAMU), opakovani);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Vrbatec\\Zvukolet\\2\\Zdroje", L"soubor");
    DeleteFileW(ton.c_str());
    DeleteFileW(seznam.c_str());
    if (holy.empty() || zvukolet.empty()) {
        std::fprintf(stderr, "%s did not report playing (is there a sound server?)\n",
                     holy.empty() ? "the control in this program" : "Zvukolet.exe");
        return 1;
    }
    const double mh = Median(holy);
    const double mz = Median(zvukolet);
    std::printf("start command to playing, local WAV file, median of %d\n", opakovani);
    std::printf("  Zvukolet.exe (40006 to the playing text): %8.1f ms\n", mz);
    std::printf("  the control in a bare program:            %8.1f ms\n", mh);
    std::printf("  ratio:                                    %8.2f (target <= 1.20)\n", mz / mh);
    return 0;
}
