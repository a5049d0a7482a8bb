// What recording costs while the program plays: Zvukolet.exe plays a local tone, first alone and
// then while it records it to WAV, and for each phase this prints the program's CPU time as a
// share of one core over the first minute and the growth of its private bytes from the end of
// the first minute to the end of the phase (10 minutes unless the first argument gives other
// minutes). Playing alone is the baseline of both figures.
#include <windows.h>

#include <cstdio>
#include <string>

#include "BeziciProgram.h"
#include "prehravani/Spolecne.h"
#include "config/Guid.h"
#include "config/PopisNastaveni.h"
#include "recording/ProfilyZaznamu.h"
#include "support/ZarizeniMonitoru.h"

namespace {

using namespace Mereni;

constexpr UINT kSpustitZaznam = 40030;
constexpr UINT kUkoncitZaznam = 40031;

// User and kernel time of the process so far, in seconds.
double CasProcesoru(HANDLE proces) {
    FILETIME vznik, konec, jadro, uzivatel;
    if (!GetProcessTimes(proces, &vznik, &konec, &jadro, &uzivatel)) {
        return -1;
    }
    const auto sekundy = [](const FILETIME& cas) {
        return static_cast<double>((static_cast<unsigned long long>(cas.dwHighDateTime) << 32) |
                                   cas.dwLowDateTime) /
               1e7;
    };
    return sekundy(jadro) + sekundy(uzivatel);
}

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

struct Faze {
    double podilJadra; // CPU seconds per wall second over the first minute
    double pametPo1;   // KiB after the first minute
    double rustPameti; // KiB from then to the end
};

Faze Zmerit(HANDLE proces, int minut) {
    const auto zacatek = Hodiny::now();
    const double cas0 = CasProcesoru(proces);
    Sleep(60 * 1000);
    Faze faze{};
    faze.podilJadra = (CasProcesoru(proces) - cas0) / (Ms(zacatek) / 1000);
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

    BeziciProgram zvukolet(CestaWindows(ZV_CESTA_PROGRAMU));
    const HWND okno = zvukolet.PockatNaOkno(L"ZvukoletHlavni");
    const StavovyRadek radek(zvukolet.Proces(), okno);
    if (!SpustitPrehravani(okno, radek)) {
        return 1;
    }
    Sleep(5000);
    const Faze prehravani = Zmerit(zvukolet.Proces(), minut);

    PostMessageW(okno, WM_COMMAND, kSpustitZaznam, 0);
    Sleep(5000);
    const Faze zaznam = Zmerit(zvukolet.Proces(), minut);
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

    std::printf("Zvukolet.exe playing a local tone, %d minute(s) a phase\n", minut);
    Vypsat("playing:", prehravani);
    Vypsat("playing and recording:", zaznam);
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
