// Time from the start command (40006) to the player's "playing" for a local file, in
// Zvukolet.exe, against the same control playing the same file in this bare program, both
// measured in the same run. The program's time ends when its status bar shows the playing
// text; the bare time when the control reports state 3 to this program.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "BeziciProgram.h"
#include "Spolecne.h"
#include "playback/PrehravacWmp.h"

namespace {

using namespace Mereni;

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

std::vector<double> ZmeritZvukolet(const std::wstring& program, int opakovani) {
    BeziciProgram zvukolet(program);
    // The window is ready once it is shown: its bars and status bar come before that.
    const HWND okno = zvukolet.PockatNaOkno(L"ZvukoletHlavni");
    const StavovyRadek radek(zvukolet.Proces(), okno);
    std::vector<double> casy;
    for (int i = 0; radek.Pripraven() && i < opakovani; ++i) {
        const auto zacatek = Hodiny::now();
        PostMessageW(okno, WM_COMMAND, 40006, 0);
        if (!radek.PockatNaText(L"Přehrávání")) {
            return {};
        }
        casy.push_back(Ms(zacatek));
        PostMessageW(okno, WM_COMMAND, 40007, 0);
        radek.PockatNaText(L"Zastaveno");
    }
    return casy;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int opakovani = argc > 1 ? _wtoi(argv[1]) : 9;
    CoInitialize(nullptr);

    std::vector<double> holy;
    std::vector<double> zvukolet;
    {
        const PripravenyTon priprava(L"zvukolet-mereni-ton", 5);
        if (!priprava.pripraven) {
            return 1;
        }
        holy = ZmeritHolyProgram(priprava.ton, opakovani);
        zvukolet = ZmeritZvukolet(CestaWindows(ZV_CESTA_PROGRAMU), opakovani);
    }
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
