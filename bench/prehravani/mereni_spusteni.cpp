// Time from the start command (40006) to the player's "playing" for a local file, in
// Zvukolet.exe, against the same control playing the same file in this bare program, both
// measured in the same run. The program's time ends when its status bar shows the playing
// text; the bare time when the control reports state 3 to this program.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

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
