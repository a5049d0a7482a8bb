// What recording costs while the program plays: Zvukolet.exe plays a local tone, first alone and
// then while it records it to WAV, and for each phase this prints the program's CPU time as a
// share of one core over the first minute and the growth of its private bytes from the end of
// the first minute to the end of the phase (10 minutes unless the first argument gives other
// minutes). Playing alone is the baseline of both figures.
#include <windows.h>
#include <mmsystem.h>

#include <array>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "BeziciProgram.h"
#include "CasProcesu.h"
#include "prehravani/Spolecne.h"
#include "config/Guid.h"
#include "config/PopisNastaveni.h"
#include "recording/ProfilyZaznamu.h"
#include "support/ZarizeniMonitoru.h"

namespace {

using namespace Mereni;

constexpr UINT kSpustitZaznam = 40030;
constexpr UINT kUkoncitZaznam = 40031;

// Recording from that device into the folder through the WAV profile, always, without starting
// playback of its own.
bool NastavitZaznam(const std::wstring& slozka, const std::wstring& zarizeni) {
    const std::wstring klic = std::wstring(Vrbatec::kKorenNastaveni) + L"\\Zaznam";
    const auto text = [&](const wchar_t* nazev, const std::wstring& hodnota) {
        return RegSetKeyValueW(HKEY_CURRENT_USER, klic.c_str(), nazev, REG_SZ, hodnota.c_str(),
                               static_cast<DWORD>((hodnota.size() + 1) * sizeof(wchar_t))) ==
               ERROR_SUCCESS;
    };
    const Vrbatec::BajtyGuid profil = Vrbatec::NaBajty(Vrbatec::ProfilyZaznamu::kProfilWav);
    const DWORD vzdy = 0;
    return text(L"slozka", slozka) && text(L"friendlyName", zarizeni) &&
           RegSetKeyValueW(HKEY_CURRENT_USER, klic.c_str(), L"profil", REG_BINARY, profil.data(),
                           static_cast<DWORD>(profil.size())) == ERROR_SUCCESS &&
           RegSetKeyValueW(HKEY_CURRENT_USER, klic.c_str(), L"priSpusteni", REG_DWORD, &vzdy,
                           sizeof(vzdy)) == ERROR_SUCCESS;
}

// What capturing alone costs on this system: the device captured for a minute by this program,
// with six 100 ms buffers given back as they fill and nothing written, while Zvukolet plays
// into it. Its CPU share of one core, or -1 when the device cannot be opened.
double ZachytBezZapisu(const std::wstring& zarizeni) {
    UINT id = WAVE_MAPPER;
    for (UINT i = 0; i < waveInGetNumDevs(); ++i) {
        WAVEINCAPSW schopnosti{};
        if (waveInGetDevCapsW(i, &schopnosti, sizeof(schopnosti)) == MMSYSERR_NOERROR &&
            zarizeni == schopnosti.szPname) {
            id = i;
        }
    }
    WAVEFORMATEX format{WAVE_FORMAT_PCM, 2, 44100, 44100 * 4, 4, 16, 0};
    const Vrbatec::WinApi::UniqueHandle udalost(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    HWAVEIN vstup = nullptr;
    if (waveInOpen(&vstup, id, &format, reinterpret_cast<DWORD_PTR>(udalost.Get()), 0,
                   CALLBACK_EVENT) != MMSYSERR_NOERROR) {
        return -1;
    }
    std::vector<std::uint8_t> pamet(6 * 17640);
    std::array<WAVEHDR, 6> hlavicky{};
    for (std::size_t i = 0; i < hlavicky.size(); ++i) {
        hlavicky[i].lpData = reinterpret_cast<LPSTR>(pamet.data() + i * 17640);
        hlavicky[i].dwBufferLength = 17640;
        waveInPrepareHeader(vstup, &hlavicky[i], sizeof(WAVEHDR));
        waveInAddBuffer(vstup, &hlavicky[i], sizeof(WAVEHDR));
    }
    const auto zacatek = Hodiny::now();
    const double cas0 = CasUnixProcesu(L"self");
    waveInStart(vstup);
    while (Ms(zacatek) < 60 * 1000) {
        WaitForSingleObject(udalost.Get(), 1000);
        for (WAVEHDR& hlavicka : hlavicky) {
            if ((hlavicka.dwFlags & WHDR_DONE) != 0) {
                waveInAddBuffer(vstup, &hlavicka, sizeof(WAVEHDR));
            }
        }
    }
    const double podil = (CasUnixProcesu(L"self") - cas0) / (Ms(zacatek) / 1000);
    waveInReset(vstup);
    for (WAVEHDR& hlavicka : hlavicky) {
        waveInUnprepareHeader(vstup, &hlavicka, sizeof(WAVEHDR));
    }
    waveInClose(vstup);
    return podil;
}

struct Faze {
    double podilJadra; // CPU seconds per wall second over the first minute
    double pametPo1;   // KiB after the first minute
    double rustPameti; // KiB from then to the end
};

Faze Zmerit(HANDLE proces, const std::wstring& unixId, int minut) {
    const auto zacatek = Hodiny::now();
    const double cas0 = CasProcesoru(proces, unixId);
    Sleep(60 * 1000);
    Faze faze{};
    faze.podilJadra = (CasProcesoru(proces, unixId) - cas0) / (Ms(zacatek) / 1000);
    faze.pametPo1 = PrivatniKiB(proces);
    if (minut > 1) {
        Sleep(static_cast<DWORD>(minut - 1) * 60 * 1000);
    }
    faze.rustPameti = PrivatniKiB(proces) - faze.pametPo1;
    return faze;
}

void Vypsat(const char* nazev, const Faze& faze) {
    std::printf("  %-24s CPU %5.2f %% of one core, private bytes %8.0f KiB after 1 minute, growth "
                "%+7.0f KiB\n",
                nazev, faze.podilJadra * 100, faze.pametPo1, faze.rustPameti);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int minut = argc > 1 ? std::max(_wtoi(argv[1]), 1) : 10;
    const PripravenyTon priprava(L"zvukolet-zaznam-ton",
                                 static_cast<std::uint32_t>(2 * minut + 2) * 60);
    const std::wstring slozka = DocasnySoubor(L"zvukolet-zaznam-bench");
    CreateDirectoryW(slozka.c_str(), nullptr);
    const std::wstring zarizeni = Vrbatec::Testy::ZarizeniMonitoru();
    if (!priprava.pripraven || zarizeni.empty() || !NastavitZaznam(slozka, zarizeni)) {
        std::fprintf(stderr, "the tone, the list, the device or the settings are missing\n");
        return 1;
    }

    const std::set<std::wstring> predtim = ProcesyProgramu();
    BeziciProgram zvukolet(CestaWindows(ZV_CESTA_PROGRAMU));
    const HWND okno = zvukolet.PockatNaOkno(L"ZvukoletHlavni");
    const StavovyRadek radek(zvukolet.Proces(), okno);
    if (!SpustitPrehravani(okno, radek)) {
        return 1;
    }
    std::wstring unixId;
    for (const std::wstring& id : ProcesyProgramu()) {
        if (!predtim.contains(id)) {
            unixId = id;
        }
    }
    Sleep(5000);
    const Faze prehravani = Zmerit(zvukolet.Proces(), unixId, minut);

    const double zachyt = ZachytBezZapisu(zarizeni);
    PostMessageW(okno, WM_COMMAND, kSpustitZaznam, 0);
    Sleep(5000);
    const Faze zaznam = Zmerit(zvukolet.Proces(), unixId, minut);
    PostMessageW(okno, WM_COMMAND, kUkoncitZaznam, 0);
    Sleep(2000);

    // The recording of the second phase is the proof that it recorded at all.
    ULONGLONG delka = 0;
    WIN32_FIND_DATAW nalez{};
    HANDLE hledani = FindFirstFileW((slozka + L"\\*.wav").c_str(), &nalez);
    if (hledani != INVALID_HANDLE_VALUE) {
        delka = (static_cast<ULONGLONG>(nalez.nFileSizeHigh) << 32) | nalez.nFileSizeLow;
        FindClose(hledani);
        DeleteFileW((slozka + L"\\" + nalez.cFileName).c_str());
    }
    RemoveDirectoryW(slozka.c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER,
                   (std::wstring(Vrbatec::kKorenNastaveni) + L"\\Zaznam").c_str());

    std::printf("Zvukolet.exe playing a local tone, %d minute(s) a phase; CPU time from %s\n",
                minut, unixId.empty() ? "the system" : "the Unix process");
    Vypsat("playing:", prehravani);
    Vypsat("playing and recording:", zaznam);
    std::printf("  the same device captured for a minute without writing, by this program: CPU "
                "%.2f %% of one core\n",
                zachyt * 100);
    std::printf("  CPU while recording: %+.2f %% of one core over playing alone (limit 2 %% in "
                "all: %.2f %%), ratio %.2f\n",
                (zaznam.podilJadra - prehravani.podilJadra) * 100, zaznam.podilJadra * 100,
                prehravani.podilJadra > 0 ? zaznam.podilJadra / prehravani.podilJadra : 0.0);
    std::printf("  memory growth while recording: %+.0f KiB against %+.0f KiB playing alone "
                "(limit +1024 KiB)\n",
                zaznam.rustPameti, prehravani.rustPameti);
    std::printf("  recorded file: %.1f MiB\n", static_cast<double>(delka) / (1024 * 1024));
    return delka > 44 ? 0 : 1;
}
