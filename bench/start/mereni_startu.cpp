// Start-up time of Zvukolet.exe to its visible main window (with a source list: until the
// list view shows the whole list), against a bare Win32 window
// program measured the same way in the same run. The two are started in turn so that both
// see the same machine; the figure is the ratio of the medians.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "BeziciProgram.h"
#include "Mereni.h"

namespace {

using namespace Mereni;

// Whether the window's source list holds the rows and has painted them (UpdateWindow sends
// the paint to the program's thread and returns once it has been drawn).
bool SeznamZobrazen(HWND okno, int polozek) {
    const HWND seznam = FindWindowExW(okno, nullptr, L"LVSeznamZdroju", nullptr);
    if (seznam == nullptr || SendMessageW(seznam, LVM_GETITEMCOUNT, 0, 0) != polozek) {
        return false;
    }
    UpdateWindow(seznam);
    return true;
}

// Milliseconds from CreateProcess to the visible window, and with polozek >= 0 to its source
// list showing that many rows; negative when it never came.
double ZmeritStart(const std::wstring& cesta, const wchar_t* trida, int polozek = -1) {
    const auto zacatek = Hodiny::now();
    BeziciProgram program(cesta);
    const HWND okno = program.PockatNaOkno(trida);
    if (okno == nullptr) {
        return -1;
    }
    while (polozek >= 0 && !SeznamZobrazen(okno, polozek)) {
        if (Hodiny::now() - zacatek > std::chrono::seconds(30)) {
            return -1;
        }
        Sleep(1);
    }
    return Ms(zacatek);
}

bool ZapsatSeznamStanic(const std::wstring& cesta, int pocet) {
    std::vector<Vrbatec::Zdroj> zdroje;
    for (int i = 0; i < pocet; ++i) {
        Vrbatec::Zdroj zdroj;
        zdroj.nazev = L"Stanice číslo " + std::to_wstring(i);
        zdroj.url = L"http://radio" + std::to_wstring(i) + L".example.net:8000/stream.mp3";
        zdroj.menu = i % 3 == 0;
        zdroje.push_back(zdroj);
    }
    return ZapsatSeznam(cesta, zdroje);
}

// Median start-up with the list file; the file is written fresh with `pocet` sources.
double MedianSeSeznamem(const std::wstring& program, const std::wstring& cesta, int pocet,
                        int opakovani) {
    if (!ZapsatSeznamStanic(cesta, pocet) || !NastavitSouborSeznamu(cesta)) {
        return -1;
    }
    ZmeritStart(program, L"ZvukoletHlavni", pocet);
    std::vector<double> casy;
    for (int i = 0; i < opakovani; ++i) {
        const double cas = ZmeritStart(program, L"ZvukoletHlavni", pocet);
        if (cas < 0) {
            return -1;
        }
        casy.push_back(cas);
    }
    return Median(casy);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int opakovani = argc > 1 ? _wtoi(argv[1]) : 15;
    const std::wstring zvukolet = CestaWindows(ZV_CESTA_PROGRAMU);
    const std::wstring holy = CestaWindows(ZV_CESTA_HOLEHO_PROGRAMU);
    const std::wstring platforma = CestaWindows(ZV_CESTA_PROGRAMU_PLATFORMY);

    // One start of each first, so that neither pays for loading files into the cache alone.
    ZmeritStart(zvukolet, L"ZvukoletHlavni");
    ZmeritStart(holy, L"ZvukoletMereniHoly");
    ZmeritStart(platforma, L"ZvukoletMereniPlatforma");

    std::vector<double> casyZvukolet;
    std::vector<double> casyHoly;
    std::vector<double> casyPlatforma;
    for (int i = 0; i < opakovani; ++i) {
        const double z = ZmeritStart(zvukolet, L"ZvukoletHlavni");
        const double h = ZmeritStart(holy, L"ZvukoletMereniHoly");
        const double p = ZmeritStart(platforma, L"ZvukoletMereniPlatforma");
        if (z < 0 || h < 0 || p < 0) {
            std::fprintf(stderr, "a window did not appear\n");
            return 1;
        }
        casyZvukolet.push_back(z);
        casyHoly.push_back(h);
        casyPlatforma.push_back(p);
    }
    const double mz = Median(casyZvukolet);
    const double mh = Median(casyHoly);
    std::printf("start to visible main window, median of %d starts under Wine\n", opakovani);
    std::printf("  Zvukolet.exe:          %8.1f ms\n", mz);
    std::printf("  bare Win32 program:    %8.1f ms\n", mh);
    std::printf("  ratio:                 %8.2f (target <= 1.30)\n", mz / mh);
    const double mp = Median(casyPlatforma);
    std::printf("  bare program making the same platform calls (COM, common controls 6, GDI+,\n"
                "  WinINet, version block, known folder): %8.1f ms, ratio %.2f\n",
                mp, mz / mp);

    const std::wstring seznam = DocasnySoubor(L"zvukolet-mereni.xml");
    const double prazdny = MedianSeSeznamem(zvukolet, seznam, 0, opakovani);
    const double plny = MedianSeSeznamem(zvukolet, seznam, 10000, opakovani);
    const double velky = MedianSeSeznamem(zvukolet, seznam, 100000, 3);
    NastavitSouborSeznamu(L"");
    DeleteFileW(seznam.c_str());
    if (prazdny < 0 || plny < 0 || velky < 0) {
        std::fprintf(stderr, "the list file could not be prepared or the window did not appear\n");
        return 1;
    }
    std::printf("start with a source list, median of %d starts\n", opakovani);
    std::printf("  empty list:            %8.1f ms\n", prazdny);
    std::printf("  10 000 sources:        %8.1f ms\n", plny);
    std::printf("  ratio:                 %8.2f (target <= 1.50)\n", plny / prazdny);
    std::printf("  100 000 sources:       %8.1f ms (median of 3; limit 3000 ms)\n", velky);
    return 0;
}
