// The built-in stream engine in Zvukolet.exe, each figure against a baseline measured in the
// same run (tools/bench-motor.sh: the radio server is server_icy.py on 127.0.0.1, the sound
// goes to a private null sink whose monitor this program listens to):
// - click to sound: from the start command (40006) to the 440 Hz tone on the sink's monitor,
//   median of 9 (or the second argument), for a loopback ICY stream of the tone against a local
//   WAV of it played by the hosted control;
// - CPU: the program's share of one core over 60 s of the 128 kb/s stream, against the same
//   program playing the same MP3 as a local file through the hosted control: the same
//   decoding work, so the baseline is what the program costs when the system plays for it
//   (and, as the floor, this program writing the decoded PCM to waveOut itself);
// - memory: growth of private bytes while the stream plays for 30 minutes (or the first
//   argument) with a new title every 20 s, from the end of the first minute, when the program
//   has built what it keeps while playing, to the end; set against the first minute's bytes.
#include <windows.h>
#include <mmsystem.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <limits>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "BeziciProgram.h"
#include "CasProcesu.h"
#include "config/PopisNastaveni.h"
#include "playback/ServerIcy.h"
#include "prehravani/Spolecne.h"
#include "support/MeraniZvuku.h"
#include "support/ZarizeniMonitoru.h"

namespace {

using namespace Mereni;
using Vrbatec::Testy::kVzorkovaniTonu;

constexpr UINT kPrehrat = 40006;
constexpr UINT kZastavit = 40007;

// The sink's monitor in buffers of 10 ms. It yields nothing while nothing plays, so the first
// buffer that holds the tone tells when the sound began, late by the capture's own latency,
// which is the same for both sides of a comparison.
class Odposlech {
public:
    Odposlech() {
        UINT id = WAVE_MAPPER;
        const std::wstring monitor = Vrbatec::Testy::ZarizeniMonitoru();
        for (UINT i = 0; i < waveInGetNumDevs(); ++i) {
            WAVEINCAPSW schopnosti{};
            if (waveInGetDevCapsW(i, &schopnosti, sizeof(schopnosti)) == MMSYSERR_NOERROR &&
                monitor == schopnosti.szPname) {
                id = i;
            }
        }
        WAVEFORMATEX format{WAVE_FORMAT_PCM, 1, kVzorkovaniTonu, kVzorkovaniTonu * 2, 2, 16, 0};
        if (waveInOpen(&vstup_, id, &format, reinterpret_cast<DWORD_PTR>(udalost_.Get()), 0,
                       CALLBACK_EVENT) != MMSYSERR_NOERROR) {
            vstup_ = nullptr;
            return;
        }
        for (std::size_t i = 0; i < kBufferu; ++i) {
            hlavicky_[i].lpData = reinterpret_cast<LPSTR>(vzorky_.data() + i * kVzorkuBufferu);
            hlavicky_[i].dwBufferLength = kVzorkuBufferu * sizeof(std::int16_t);
            waveInPrepareHeader(vstup_, &hlavicky_[i], sizeof(WAVEHDR));
            waveInAddBuffer(vstup_, &hlavicky_[i], sizeof(WAVEHDR));
        }
        otevren_ = waveInStart(vstup_) == MMSYSERR_NOERROR;
    }
    ~Odposlech() {
        if (vstup_ != nullptr) {
            waveInReset(vstup_);
            for (WAVEHDR& hlavicka : hlavicky_) {
                waveInUnprepareHeader(vstup_, &hlavicka, sizeof(WAVEHDR));
            }
            waveInClose(vstup_);
        }
    }
    Odposlech(const Odposlech&) = delete;
    Odposlech& operator=(const Odposlech&) = delete;

    bool Otevren() const { return otevren_; }

    // Milliseconds from `od` to the first buffer of the tone; -1 when none came in time.
    double CekatNaTon(Hodiny::time_point od, double limitMs) {
        while (otevren_ && Ms(od) < limitMs) {
            WaitForSingleObject(udalost_.Get(), 20);
            while ((hlavicky_[dalsi_].dwFlags & WHDR_DONE) != 0) {
                WAVEHDR& hlavicka = hlavicky_[dalsi_];
                const bool ton =
                    JeTon(std::span(reinterpret_cast<const std::int16_t*>(hlavicka.lpData),
                                    hlavicka.dwBytesRecorded / sizeof(std::int16_t)));
                waveInAddBuffer(vstup_, &hlavicka, sizeof(WAVEHDR));
                dalsi_ = (dalsi_ + 1) % kBufferu;
                if (ton) {
                    return Ms(od);
                }
            }
        }
        return -1;
    }

private:
    static constexpr std::size_t kBufferu = 32;
    static constexpr std::size_t kVzorkuBufferu = kVzorkovaniTonu / 100;

    // Loud, and at the tone's pitch: the start of a stream or a device may click or hiss.
    static bool JeTon(std::span<const std::int16_t> vzorky) {
        double soucet = 0;
        for (const std::int16_t vzorek : vzorky) {
            soucet += static_cast<double>(vzorek) * vzorek;
        }
        return vzorky.size() * 2 > kVzorkuBufferu &&
               std::sqrt(soucet / static_cast<double>(vzorky.size())) > 1000 &&
               std::abs(Vrbatec::Testy::Kmitocet(vzorky, kVzorkovaniTonu) - 440) < 25;
    }

    Vrbatec::WinApi::UniqueHandle udalost_{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
    HWAVEIN vstup_ = nullptr;
    std::vector<std::int16_t> vzorky_ = std::vector<std::int16_t>(kBufferu * kVzorkuBufferu);
    std::array<WAVEHDR, kBufferu> hlavicky_{};
    std::size_t dalsi_ = 0;
    bool otevren_ = false;
};

// Full volume, so that the hosted control is heard as well as the engine, and the engine for
// streams (a value left by some other run could send them to the hosted control).
bool NastavitPrehravani() {
    const std::wstring klic = std::wstring(Vrbatec::kKorenNastaveni) + L"\\Mediaplayer";
    const DWORD plna = 100;
    const LSTATUS smazano =
        RegDeleteKeyValueW(HKEY_CURRENT_USER, klic.c_str(), L"prehravacStreamu");
    return (smazano == ERROR_SUCCESS || smazano == ERROR_FILE_NOT_FOUND) &&
           RegSetKeyValueW(HKEY_CURRENT_USER, klic.c_str(), L"hlasitost", REG_DWORD, &plna,
                           sizeof(plna)) == ERROR_SUCCESS;
}

// The program started with the source as its only, selected entry, and its main window.
class ProgramSeZdrojem {
public:
    explicit ProgramSeZdrojem(const std::wstring& url)
        : seznam_(DocasnySoubor(L"zvukolet-motor.xml")),
          pripraven_(NastavitJedinyZdroj(seznam_, {L"Zdroj", url, -1, true})),
          predtim_(ProcesyProgramu()), zvukolet(CestaWindows(ZV_CESTA_PROGRAMU)),
          okno(zvukolet.PockatNaOkno(L"ZvukoletHlavni")), radek(zvukolet.Proces(), okno) {
        for (const std::wstring& id : ProcesyProgramu()) {
            if (!predtim_.contains(id)) {
                unixId = id;
            }
        }
    }
    ~ProgramSeZdrojem() {
        zvukolet.Ukoncit();
        NastavitSouborSeznamu(L"");
        DeleteFileW(seznam_.c_str());
    }
    ProgramSeZdrojem(const ProgramSeZdrojem&) = delete;
    ProgramSeZdrojem& operator=(const ProgramSeZdrojem&) = delete;

    bool Pripraven() const { return pripraven_ && radek.Pripraven(); }

private:
    const std::wstring seznam_;
    const bool pripraven_;
    const std::set<std::wstring> predtim_;

public:
    BeziciProgram zvukolet;
    const HWND okno;
    const StavovyRadek radek;
    std::wstring unixId;
};

std::vector<double> ZmeritKlik(const std::wstring& url, int opakovani) {
    ProgramSeZdrojem program(url);
    if (!program.Pripraven()) {
        std::fprintf(stderr, "the program's window did not come up\n");
        return {};
    }
    std::vector<double> casy;
    for (int i = 0; i < opakovani; ++i) {
        Odposlech odposlech;
        if (!odposlech.Otevren()) {
            std::fprintf(stderr, "the sink's monitor cannot be recorded\n");
            return {};
        }
        const auto zacatek = Hodiny::now();
        PostMessageW(program.okno, WM_COMMAND, kPrehrat, 0);
        const double ms = odposlech.CekatNaTon(zacatek, 15000);
        if (ms < 0) {
            std::fprintf(stderr, "no tone within 15 s of the start command for %ls\n", url.c_str());
            return {};
        }
        casy.push_back(ms);
        PostMessageW(program.okno, WM_COMMAND, kZastavit, 0);
        program.radek.PockatNaText(L"Zastaveno");
        Sleep(500);
    }
    return casy;
}

// The floor under both sides: a second of the tone written straight to the wave mapper by this
// program, timed from the write to the tone on the monitor, as the sink and the capture add
// their latency to whatever plays.
std::vector<double> ZmeritHolyVystup(int opakovani) {
    std::vector<std::int16_t> ton(kVzorkovaniTonu);
    for (std::size_t i = 0; i < ton.size(); ++i) {
        ton[i] =
            static_cast<std::int16_t>(16000 * std::sin(2 * 3.14159265358979 * 440 *
                                                       static_cast<double>(i) / kVzorkovaniTonu));
    }
    WAVEFORMATEX format{WAVE_FORMAT_PCM, 1, kVzorkovaniTonu, kVzorkovaniTonu * 2, 2, 16, 0};
    HWAVEOUT vystup = nullptr;
    if (waveOutOpen(&vystup, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
        std::fprintf(stderr, "the wave mapper cannot be opened\n");
        return {};
    }
    WAVEHDR hlavicka{};
    hlavicka.lpData = reinterpret_cast<LPSTR>(ton.data());
    hlavicka.dwBufferLength = static_cast<DWORD>(ton.size() * sizeof(std::int16_t));
    waveOutPrepareHeader(vystup, &hlavicka, sizeof(hlavicka));
    std::vector<double> casy;
    for (int i = 0; i < opakovani; ++i) {
        Odposlech odposlech;
        const auto zacatek = Hodiny::now();
        waveOutWrite(vystup, &hlavicka, sizeof(hlavicka));
        const double ms = odposlech.CekatNaTon(zacatek, 5000);
        waveOutReset(vystup);
        if (ms < 0) {
            std::fprintf(stderr, "the tone written to waveOut was not heard\n");
            casy.clear();
            break;
        }
        casy.push_back(ms);
        Sleep(300);
    }
    waveOutUnprepareHeader(vystup, &hlavicka, sizeof(hlavicka));
    waveOutClose(vystup);
    return casy;
}

// What was not measured is NaN.
constexpr double kNezmereno = std::numeric_limits<double>::quiet_NaN();

// What the system's output path costs a process under Wine, whoever decodes: this program
// plays the tone's PCM (44.1 kHz, stereo, 16 bits, as the engine writes it) in four buffers
// of 100 ms, each written again as it comes back, for 60 s; its CPU share of one core.
double ZmeritHolyVystupProcesor() {
    constexpr std::size_t kSnimku = kVzorkovaniTonu / 10;
    std::vector<std::int16_t> pcm(4 * kSnimku * 2);
    for (std::size_t i = 0; i < pcm.size() / 2; ++i) {
        pcm[2 * i] = pcm[2 * i + 1] = static_cast<std::int16_t>(
            16000 * std::sin(2 * 3.14159265358979 * 440 * static_cast<double>(i % kSnimku) /
                             kVzorkovaniTonu));
    }
    WAVEFORMATEX format{WAVE_FORMAT_PCM, 2, kVzorkovaniTonu, kVzorkovaniTonu * 4, 4, 16, 0};
    const Vrbatec::WinApi::UniqueHandle udalost(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    HWAVEOUT vystup = nullptr;
    if (waveOutOpen(&vystup, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(udalost.Get()), 0,
                    CALLBACK_EVENT) != MMSYSERR_NOERROR) {
        return kNezmereno;
    }
    std::array<WAVEHDR, 4> hlavicky{};
    for (std::size_t i = 0; i < hlavicky.size(); ++i) {
        hlavicky[i].lpData = reinterpret_cast<LPSTR>(pcm.data() + i * kSnimku * 2);
        hlavicky[i].dwBufferLength = kSnimku * 4;
        waveOutPrepareHeader(vystup, &hlavicky[i], sizeof(WAVEHDR));
        waveOutWrite(vystup, &hlavicky[i], sizeof(WAVEHDR));
    }
    const auto zacatek = Hodiny::now();
    const double cas0 = CasUnixProcesu(L"self");
    while (Ms(zacatek) < 60 * 1000) {
        WaitForSingleObject(udalost.Get(), 1000);
        for (WAVEHDR& hlavicka : hlavicky) {
            if ((hlavicka.dwFlags & WHDR_DONE) != 0) {
                waveOutWrite(vystup, &hlavicka, sizeof(WAVEHDR));
            }
        }
    }
    const double cas1 = CasUnixProcesu(L"self");
    const double podil = cas0 < 0 || cas1 < 0 ? kNezmereno : (cas1 - cas0) / (Ms(zacatek) / 1000);
    waveOutReset(vystup);
    for (WAVEHDR& hlavicka : hlavicky) {
        waveOutUnprepareHeader(vystup, &hlavicka, sizeof(WAVEHDR));
    }
    waveOutClose(vystup);
    return podil;
}

struct Beh {
    double podilJadra = kNezmereno; // CPU seconds per wall second over the first minute
    double pametPo1 = kNezmereno;   // private KiB after the first minute
    double pametNaKonci = kNezmereno;
    bool hral = false; // still playing at the end, and heard
};

Beh Prehravat(const std::wstring& url, int minut) {
    ProgramSeZdrojem program(url);
    Beh beh;
    if (!program.Pripraven() || !SpustitPrehravani(program.okno, program.radek)) {
        return beh;
    }
    // The first seconds fill buffers and load codecs once; the figure is about playing on.
    Sleep(5000);
    const HANDLE proces = program.zvukolet.Proces();
    const auto zacatek = Hodiny::now();
    const auto cas = [&] {
        const double sekund = CasProcesoru(proces, program.unixId);
        return sekund < 0 ? kNezmereno : sekund;
    };
    const auto pamet = [&] {
        const double kib = PrivatniKiB(proces);
        return kib < 0 ? kNezmereno : kib;
    };
    const double cas0 = cas();
    Sleep(60 * 1000);
    beh.podilJadra = (cas() - cas0) / (Ms(zacatek) / 1000);
    beh.pametPo1 = pamet();
    if (minut > 1) {
        Sleep(static_cast<DWORD>(minut - 1) * 60 * 1000);
    }
    beh.pametNaKonci = pamet();
    // A playback that stalled or fell silent would make both figures look better than they are.
    Odposlech odposlech;
    beh.hral = program.radek.Text().rfind(L"Přehrávání", 0) == 0 &&
               odposlech.CekatNaTon(Hodiny::now(), 3000) >= 0;
    return beh;
}

// The tone's MP3 round and round into a local file that plays for the given time; lame wrote
// it without an info frame, so copies of it join into one stream of 16000 bytes a second.
bool ZapsatMp3(const std::wstring& cesta, std::size_t sekund) {
    std::ifstream vstup(std::filesystem::path(CestaWindows(ZV_TON_MP3)), std::ios::binary);
    const std::string ton{std::istreambuf_iterator<char>(vstup), {}};
    std::ofstream vystup(std::filesystem::path(cesta), std::ios::binary);
    for (std::size_t zapsano = 0; !ton.empty() && zapsano < sekund * 16000; zapsano += ton.size()) {
        vystup.write(ton.data(), static_cast<std::streamsize>(ton.size()));
    }
    return !ton.empty() && vystup.good();
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int minut = argc > 1 ? std::max(_wtoi(argv[1]), 1) : 30;
    const int opakovani = argc > 2 ? std::max(_wtoi(argv[2]), 1) : 9;
    if (Vrbatec::Testy::PortServeruIcy().empty() || !NastavitPrehravani()) {
        std::fprintf(stderr, "no radio server (ZV_SERVER_ICY_PORT) or no settings\n");
        return 1;
    }
    const std::wstring stream = Vrbatec::Testy::AdresaNaServeru(
        "/icy?rychlost=16000&metaint=16000&zmena=20&titul=Skladba&soubor=" +
        Vrbatec::Testy::ZakodovatProServer(ZV_TON_MP3_CESTA));
    const std::wstring wav = DocasnySoubor(L"zvukolet-motor-ton.wav");
    const std::wstring mp3 = DocasnySoubor(L"zvukolet-motor-ton.mp3");
    if (!Vrbatec::Testy::ZapsatTonWav(wav, 5) || !ZapsatMp3(mp3, 90)) {
        std::fprintf(stderr, "the tone's files could not be written\n");
        return 1;
    }

    const std::vector<double> holy = ZmeritHolyVystup(opakovani);
    const std::vector<double> klikWav = ZmeritKlik(wav, opakovani);
    const std::vector<double> klikStream =
        klikWav.empty() ? klikWav : ZmeritKlik(stream, opakovani);
    const double holyProcesor = ZmeritHolyVystupProcesor();
    const Beh soubor = Prehravat(mp3, 1);
    const Beh motor = Prehravat(stream, minut);
    DeleteFileW(wav.c_str());
    DeleteFileW(mp3.c_str());

    bool uplne = true;
    const auto vypsat = [&](const char* radek, double hodnota, const char* jednotka,
                            const char* cil) {
        if (std::isnan(hodnota)) {
            std::printf("  %-46s not measured\n", radek);
            uplne = false;
        } else {
            std::printf("  %-46s %9.2f %s%s\n", radek, hodnota, jednotka, cil);
        }
    };
    const auto podil = [](double a, double b) { return b > 0 ? a / b : kNezmereno; };
    const auto median = [](const std::vector<double>& casy) {
        return casy.empty() ? kNezmereno : Median(casy);
    };
    const double mh = median(holy);
    const double mw = median(klikWav);
    const double ms = median(klikStream);
    std::printf("click to sound (40006 to the 440 Hz tone on the sink), median of %d\n", opakovani);
    vypsat("loopback ICY stream, built-in engine:", ms, "ms", " (target <= 1000 ms)");
    vypsat("local WAV, hosted control:", mw, "ms", "");
    vypsat("ratio:", podil(ms, mw), "", "");
    vypsat("(the tone written by this program to waveOut:", mh, "ms)", "");
    std::printf("CPU over 60 s, share of one core\n");
    vypsat("128 kb/s loopback stream, built-in engine:", motor.podilJadra * 100, "%",
           " (target <= 1 %)");
    vypsat("the same MP3 as a local file, hosted control:", soubor.podilJadra * 100, "%", "");
    vypsat("ratio:", podil(motor.podilJadra, soubor.podilJadra), "", "");
    vypsat("(its PCM written to waveOut by this program:", holyProcesor * 100, "%)", "");
    std::printf("private memory over %d minute(s) of the stream, a new title every 20 s (%s)\n",
                minut, motor.hral ? "playing to the end" : "NOT playing at the end");
    const double rust = motor.pametNaKonci - motor.pametPo1;
    vypsat("after the first minute:", motor.pametPo1, "KiB", "");
    vypsat("at the end:", motor.pametNaKonci, "KiB", "");
    vypsat("growth:", rust, "KiB", " (target < +1024 KiB)");
    vypsat("growth per the first minute's bytes:", podil(rust, motor.pametPo1) * 100, "%", "");
    if (!uplne) {
        std::fprintf(stderr, "some figures are missing: is this run under "
                             "se_serverem_a_zvukem.sh, and does the program send streams to "
                             "the engine?\n");
    }
    return uplne && motor.hral && soubor.hral ? 0 : 1;
}
