// The whole program plays: Zvukolet.exe started with a one-source list of a local tone plays it
// on the start command, and what reaches the sound device is listened to. se_zvukem.sh gives
// the run a null sink whose monitor is this test's recording device.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <string>

#include "e2e/Proces.h"
#include "playback/Nahravka.h"
#include "res/resource.h"
#include "support/TonWav.h"

namespace {

using namespace std::chrono_literals;
using namespace Vrbatec::Testy;

constexpr wchar_t kPrehravani[] = L"Přehrávání";
constexpr wchar_t kNazevZdroje[] = L"Tón 440 Hz";

bool ZacinaNa(const std::wstring& text, const std::wstring& zacatek) {
    return text.rfind(zacatek, 0) == 0;
}

class ZvukProgramu : public testing::Test {
protected:
    // The tone as the only source of a list of this test's own, at full volume, chosen as the
    // last played one. The other whole-program tests expect the default list again.
    void SetUp() override {
        ASSERT_EQ(FindWindowW(L"ZvukoletHlavni", nullptr), nullptr) << "a copy still runs";
        slozka_ = DocasnaSlozka(L"zvukolet-zvuk-");
        const auto ton = slozka_ / L"ton.wav";
        ASSERT_TRUE(ZapsatTonWav(ton, 20));
        ASSERT_NO_FATAL_FAILURE(NastavitSeznam(slozka_, {kNazevZdroje, ton.wstring(), 100, true}));
    }

    void TearDown() override {
        ObnovitNastaveni();
        std::error_code chyba;
        std::filesystem::remove_all(slozka_, chyba);
    }

    // Waits until the status text does (or no longer does) start with the playing text.
    static bool PockatNaPrehravani(HWND okno, bool hraje) {
        for (int pokus = 0; pokus < 1000; ++pokus) {
            if (ZacinaNa(TextStavovehoRadku(okno), kPrehravani) == hraje) {
                return true;
            }
            Sleep(10);
        }
        return false;
    }

    struct Poslech {
        double uroven;
        double kmitocet;
    };
    static Poslech Poslechnout(DWORD milisekund) {
        Nahravka nahravka(milisekund);
        EXPECT_TRUE(nahravka.Nahrat()) << "the recording device failed";
        return {nahravka.NejvyssiUroven(), nahravka.Kmitocet()};
    }

    std::filesystem::path slozka_;
};

// Start plays the selected source: the status says so and the tone is heard; volume down is
// heard as quieter; mute, which this platform's control cannot do, changes what the program
// shows without breaking playback; stop silences it and the program still closes cleanly.
TEST_F(ZvukProgramu, StartCommandPlaysTheToneAndStopSilencesIt) {
    Proces program(L"");
    const HWND okno = program.PockatNaOkno(L"ZvukoletHlavni", L"Zvukolet", 20s);
    ASSERT_NE(okno, nullptr);

    PostMessageW(okno, WM_COMMAND, ID_SPUSTIT_PRIJEM, 0);
    ASSERT_TRUE(PockatNaPrehravani(okno, true)) << TextStavovehoRadku(okno);
    EXPECT_EQ(TextStavovehoRadku(okno), std::wstring(kPrehravani) + L" - 0 kb/s - " + kNazevZdroje);
    Sleep(300);
    const Poslech nahlas = Poslechnout(700);
    EXPECT_GT(nahlas.uroven, 8000.0);
    EXPECT_NEAR(kKmitocetTonu, nahlas.kmitocet, 3.0);
    EXPECT_EQ(CisloHlasitosti(okno), L"100") << "the source's own volume";

    for (int krok = 0; krok < 5; ++krok) {
        PostMessageW(okno, WM_COMMAND, ID_SNIZIT_HLASITOST, 0);
    }
    for (int pokus = 0; pokus < 200 && CisloHlasitosti(okno) != L"90"; ++pokus) {
        Sleep(10);
    }
    ASSERT_EQ(CisloHlasitosti(okno), L"90") << "five steps of the default 2";
    Sleep(300);
    const Poslech tiseji = Poslechnout(700);
    EXPECT_LT(tiseji.uroven, nahlas.uroven * 0.6);
    EXPECT_GT(tiseji.uroven, 100.0) << "quieter, not silent";

    const HWND ztlumit = GetDlgItem(OvladaciPanel(okno), IDC_ZTLUMIT);
    EXPECT_EQ(SendMessageW(ztlumit, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    PostMessageW(okno, WM_COMMAND, ID_ZTLUMIT, 0);
    for (int pokus = 0; pokus < 200 && SendMessageW(ztlumit, BM_GETCHECK, 0, 0) != BST_CHECKED;
         ++pokus) {
        Sleep(10);
    }
    EXPECT_EQ(SendMessageW(ztlumit, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(ZacinaNa(TextStavovehoRadku(okno), kPrehravani));
    EXPECT_EQ(program.PockatNaOkno(L"#32770", L"Zvukolet", 0ms), nullptr) << "no message box";

    PostMessageW(okno, WM_COMMAND, ID_ZASTAVIT_PRIJEM, 0);
    ASSERT_TRUE(PockatNaPrehravani(okno, false));
    EXPECT_EQ(TextStavovehoRadku(okno), L"Zastaveno");
    Sleep(300);
    EXPECT_LT(Poslechnout(500).uroven, 20.0);

    PostMessageW(okno, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.PockatNaKonec(20s), 0u);
}

} // namespace
