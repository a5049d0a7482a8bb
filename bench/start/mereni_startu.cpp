// Start-up time of Zvukolet.exe to its visible main window (with a source list: until the
// list view shows the whole list), and its resident memory a while after, against a bare
// Win32 window program and against the platform floor (the bare window after the platform
// pieces the program stands on) measured the same way in the same run. The programs are
// started in turn so that all see the same machine; the figures are ratios of the medians.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

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

// A program sits idle this long after its window appeared before its memory is read: what
// start-up leaves behind, not its peak.
constexpr DWORD kKlidPredMerenimPameti = 3000;

struct Start {
    double ms = -1;
    // Resident memory (working set) in MB after the idle wait; negative when not measured.
    double mb = -1;
};

double RezidentniMb(HANDLE proces) {
    PROCESS_MEMORY_COUNTERS pamet{};
    pamet.cb = sizeof(pamet);
    if (!GetProcessMemoryInfo(proces, &pamet, sizeof(pamet))) {
        return -1;
    }
    return static_cast<double>(pamet.WorkingSetSize) / (1024.0 * 1024.0);
}

// Milliseconds from CreateProcess to the visible window, and with polozek >= 0 to its source
// list showing that many rows; negative when it never came. With sPameti the program's
// resident memory is read kKlidPredMerenimPameti after that.
Start ZmeritStart(const std::wstring& cesta, const wchar_t* trida, int polozek = -1,
                  bool sPameti = false) {
    const auto zacatek = Hodiny::now();
    BeziciProgram program(cesta);
    const HWND okno = program.PockatNaOkno(trida);
    if (okno == nullptr) {
        return {};
    }
    while (polozek >= 0 && !SeznamZobrazen(okno, polozek)) {
        if (Hodiny::now() - zacatek > std::chrono::seconds(30)) {
            return {};
        }
        Sleep(1);
    }
    Start start{Ms(zacatek)};
    if (sPameti) {
        Sleep(kKlidPredMerenimPameti);
        start.mb = RezidentniMb(program.Proces());
    }
    return start;
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
        const double cas = ZmeritStart(program, L"ZvukoletHlavni", pocet).ms;
        if (cas < 0) {
            return -1;
        }
        casy.push_back(cas);
    }
    return Median(casy);
}

} // namespace

// The programs measured in turn: each start's time and resident memory.
struct Program {
    std::wstring cesta;
    const wchar_t* trida;
    std::vector<double> casy;
    std::vector<double> pamet;
};

// Arguments: the number of starts (15), and optionally another build of Zvukolet.exe (an
// earlier one, say) measured in turn with the others and reported beside them.
int wmain(int argc, wchar_t** argv) {
    const int opakovani = argc > 1 ? _wtoi(argv[1]) : 15;
    const std::wstring zvukolet = CestaWindows(ZV_CESTA_PROGRAMU);
    std::vector<Program> programy = {
        {zvukolet, L"ZvukoletHlavni", {}, {}},
        {CestaWindows(ZV_CESTA_HOLEHO_PROGRAMU), L"ZvukoletMereniHoly", {}, {}},
        {CestaWindows(ZV_CESTA_PROGRAMU_PLATFORMY), L"ZvukoletMereniPlatforma", {}, {}},
    };
    if (argc > 2) {
        programy.push_back({CestaWindows(argv[2]), L"ZvukoletHlavni", {}, {}});
    }

    // One start of each first, so that none pays for loading files into the cache alone.
    for (const Program& program : programy) {
        ZmeritStart(program.cesta, program.trida);
    }
    for (int i = 0; i < opakovani; ++i) {
        for (Program& program : programy) {
            const Start start = ZmeritStart(program.cesta, program.trida, -1, true);
            if (start.ms < 0 || start.mb < 0) {
                std::fprintf(stderr, "a window did not appear or its memory could not be read\n");
                return 1;
            }
            program.casy.push_back(start.ms);
            program.pamet.push_back(start.mb);
        }
    }
    const double mz = Median(programy[0].casy);
    const double mh = Median(programy[1].casy);
    const double mp = Median(programy[2].casy);
    const double pz = Median(programy[0].pamet);
    const double ph = Median(programy[1].pamet);
    const double pp = Median(programy[2].pamet);
    std::printf("start to visible main window, and resident memory %.0f s later, median of %d "
                "starts under Wine\n",
                kKlidPredMerenimPameti / 1000.0, opakovani);
    std::printf("                          start      resident\n");
    std::printf("  Zvukolet.exe:          %8.1f ms %8.1f MB\n", mz, pz);
    std::printf("  bare Win32 program:    %8.1f ms %8.1f MB\n", mh, ph);
    std::printf("  platform floor:        %8.1f ms %8.1f MB\n", mp, pp);
    std::printf("  (the bare program after COM, common controls 6, version block, GDI+, WinINet,\n"
                "  a known folder and the media player control created, not activated)\n");
    std::printf("  start / bare window:       %5.2f\n", mz / mh);
    std::printf("  start / platform floor:    %5.2f (target <= 1.15)\n", mz / mp);
    std::printf("  resident / platform floor: %5.2f (target <= 1.15)\n", pz / pp);
    std::printf("  resident / bare window:    %5.2f\n", pz / ph);
    if (programy.size() > 3) {
        const double mj = Median(programy[3].casy);
        const double pj = Median(programy[3].pamet);
        std::printf("  the other Zvukolet.exe:  %8.1f ms %8.1f MB (start / floor %.2f, resident / "
                    "floor %.2f)\n",
                    mj, pj, mj / mp, pj / pp);
    }
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
