// Start-up time of Zvukolet.exe to its visible main window, against a bare Win32 window
// program measured the same way in the same run. The two are started in turn so that both
// see the same machine; the figure is the ratio of the medians.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Hodiny = std::chrono::steady_clock;

std::wstring CestaWindows(std::wstring cesta) {
    if (!cesta.empty() && cesta[0] == L'/') {
        cesta.insert(0, L"Z:");
    }
    std::replace(cesta.begin(), cesta.end(), L'/', L'\\');
    return cesta;
}

struct HledaniOkna {
    DWORD proces;
    const wchar_t* trida;
    HWND nalezeno;
};

BOOL CALLBACK ProjitOkno(HWND okno, LPARAM data) {
    auto& hledani = *reinterpret_cast<HledaniOkna*>(data);
    DWORD proces = 0;
    GetWindowThreadProcessId(okno, &proces);
    wchar_t trida[64] = {};
    GetClassNameW(okno, trida, 64);
    if (proces == hledani.proces && IsWindowVisible(okno) && std::wstring(trida) == hledani.trida) {
        hledani.nalezeno = okno;
        return FALSE;
    }
    return TRUE;
}

// Milliseconds from CreateProcess to the visible window; negative when it never came.
double ZmeritStart(const std::wstring& program, const wchar_t* trida) {
    std::wstring prikaz = L"\"" + program + L"\"";
    STARTUPINFOW start{};
    start.cb = sizeof(start);
    PROCESS_INFORMATION proces{};
    const auto zacatek = Hodiny::now();
    if (!CreateProcessW(program.c_str(), prikaz.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &start, &proces)) {
        std::fprintf(stderr, "cannot start the program (error %lu)\n", GetLastError());
        return -1;
    }
    HledaniOkna hledani{proces.dwProcessId, trida, nullptr};
    while (hledani.nalezeno == nullptr && Hodiny::now() - zacatek < std::chrono::seconds(30)) {
        EnumWindows(ProjitOkno, reinterpret_cast<LPARAM>(&hledani));
        if (hledani.nalezeno == nullptr) {
            Sleep(1);
        }
    }
    const double ms = std::chrono::duration<double, std::milli>(Hodiny::now() - zacatek).count();
    if (hledani.nalezeno != nullptr) {
        PostMessageW(hledani.nalezeno, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(proces.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(proces.hProcess, 1);
    }
    CloseHandle(proces.hThread);
    CloseHandle(proces.hProcess);
    return hledani.nalezeno != nullptr ? ms : -1;
}

double Median(std::vector<double> hodnoty) {
    std::sort(hodnoty.begin(), hodnoty.end());
    const size_t n = hodnoty.size();
    return n % 2 ? hodnoty[n / 2] : (hodnoty[n / 2 - 1] + hodnoty[n / 2]) / 2;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int opakovani = argc > 1 ? _wtoi(argv[1]) : 15;
    const std::wstring zvukolet = CestaWindows(ZV_CESTA_PROGRAMU);
    const std::wstring holy = CestaWindows(ZV_CESTA_HOLEHO_PROGRAMU);

    // One start of each first, so that neither pays for loading files into the cache alone.
    ZmeritStart(zvukolet, L"ZvukoletHlavni");
    ZmeritStart(holy, L"ZvukoletMereniHoly");

    std::vector<double> casyZvukolet;
    std::vector<double> casyHoly;
    for (int i = 0; i < opakovani; ++i) {
        const double z = ZmeritStart(zvukolet, L"ZvukoletHlavni");
        const double h = ZmeritStart(holy, L"ZvukoletMereniHoly");
        if (z < 0 || h < 0) {
            std::fprintf(stderr, "a window did not appear\n");
            return 1;
        }
        casyZvukolet.push_back(z);
        casyHoly.push_back(h);
    }
    const double mz = Median(casyZvukolet);
    const double mh = Median(casyHoly);
    std::printf("start to visible main window, median of %d starts under Wine\n", opakovani);
    std::printf("  Zvukolet.exe:          %8.1f ms\n", mz);
    std::printf("  bare Win32 program:    %8.1f ms\n", mh);
    std::printf("  ratio:                 %8.2f (target <= 1.30)\n", mz / mh);
    return 0;
}
