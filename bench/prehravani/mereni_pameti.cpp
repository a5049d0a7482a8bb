// Memory of Zvukolet.exe while it plays a long local file: its private bytes after the first
// minute and at the end (30 minutes unless the first argument gives other minutes), against the
// same player control playing the same file in this program during the same time.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <string>

#include "BeziciProgram.h"
#include "Spolecne.h"
#include "playback/PrehravacWmp.h"

namespace {

using namespace Mereni;

// Keeps this program's control fed with its messages until the time has passed.
void ZpracovavatDo(Hodiny::time_point konec) {
    MSG zprava;
    while (Hodiny::now() < konec) {
        while (PeekMessageW(&zprava, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&zprava);
        }
        Sleep(20);
    }
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int minut = argc > 1 ? _wtoi(argv[1]) : 30;
    CoInitialize(nullptr);
    const PripravenyTon priprava(L"zvukolet-pamet-ton", static_cast<std::uint32_t>(minut + 1) * 60);
    if (!priprava.pripraven) {
        return 1;
    }

    // The bare side: the control in a window of this program.
    HWND holeOkno = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
    Posluchac posluchac;
    auto prehravac = Vrbatec::VytvoritPrehravacWmp(GetModuleHandleW(nullptr), holeOkno, posluchac);
    prehravac->OtevritUrl(priprava.ton);
    prehravac->Prehrat();
    if (!Pockat(posluchac, kPrehravaStav)) {
        std::fprintf(stderr, "the control in this program did not play\n");
        return 1;
    }

    BeziciProgram zvukolet(CestaWindows(ZV_CESTA_PROGRAMU));
    const HWND okno = zvukolet.PockatNaOkno(L"ZvukoletHlavni");
    const StavovyRadek radek(zvukolet.Proces(), okno);
    if (!SpustitPrehravani(okno, radek)) {
        return 1;
    }

    const auto zacatek = Hodiny::now();
    ZpracovavatDo(zacatek + std::chrono::minutes(1));
    const double programPo1 = PrivatniKiB(zvukolet.Proces());
    const double holyPo1 = PrivatniKiB(GetCurrentProcess());
    ZpracovavatDo(zacatek + std::chrono::minutes(minut));
    const double programNaKonci = PrivatniKiB(zvukolet.Proces());
    const double holyNaKonci = PrivatniKiB(GetCurrentProcess());
    const bool stalePrehrava =
        radek.Text().rfind(L"Přehrávání", 0) == 0 && posluchac.posledni == kPrehravaStav;

    prehravac.reset();
    DestroyWindow(holeOkno);

    const double rustProgramu = programNaKonci - programPo1;
    const double rustHoly = holyNaKonci - holyPo1;
    std::printf("private memory while playing a local file for %d minutes (%s the whole time)\n",
                minut, stalePrehrava ? "playing" : "NOT playing");
    std::printf("  Zvukolet.exe:                  %9.0f KiB after 1 minute, growth %+8.0f KiB "
                "(limit +1024 KiB)\n",
                programPo1, rustProgramu);
    std::printf("  the control in a bare program: %9.0f KiB after 1 minute, growth %+8.0f KiB\n",
                holyPo1, rustHoly);
    std::printf("  growth of the program per growth of the bare control: %.2f\n",
                rustHoly > 0 ? rustProgramu / rustHoly : 0.0);
    return stalePrehrava ? 0 : 1;
}
