// The whole program plays internet radio: Zvukolet.exe with a list of three stations on the
// tests' own radio server (se_serverem_a_zvukem.sh runs it next to this test, with a null sink
// whose monitor is this test's recording device). The built-in engine plays what the hosted
// control here cannot.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "e2e/Proces.h"
#include "playback/Nahravka.h"
#include "playback/ServerIcy.h"
#include "res/resource.h"

namespace {

using namespace std::chrono_literals;
using namespace Vrbatec::Testy;

constexpr UINT kPrvniZdrojNabidky = 51000;
constexpr wchar_t kStanice[] = L"Zkušební rádio";
constexpr wchar_t kTitul[] = L"Žluťoučký kůň – úpěl ďábelské ódy";
constexpr char kTitulUtf8[] = "Žluťoučký kůň – úpěl ďábelské ódy";

class RadioProgramu : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(FindWindowW(L"ZvukoletHlavni", nullptr), nullptr) << "a copy still runs";
        ASSERT_FALSE(PortServeruIcy().empty()) << "no radio server (ZV_SERVER_ICY_PORT)";
        slozka_ = DocasnaSlozka(L"zvukolet-radio-");
        const std::wstring radio = AdresaNaServeru(
            "/icy?rychlost=16000&metaint=4000&soubor=" + ZakodovatProServer(ZV_TON_MP3_CESTA) +
            "&titul=" + ZakodovatProServer(kTitulUtf8));
        ASSERT_NO_FATAL_FAILURE(
            NastavitSeznam(slozka_, {{kStanice, radio, 100, true},
                                     {L"Stránka", AdresaNaServeru("/stranka"), 100, true},
                                     {L"Nesmysly", AdresaNaServeru("/icy?metaint=0"), 100, true}}));
    }

    void TearDown() override {
        ObnovitNastaveni();
        std::error_code chyba;
        std::filesystem::remove_all(slozka_, chyba);
    }

    static bool PockatNaText(HWND okno, const std::wstring& text) {
        for (int pokus = 0; pokus < 1500; ++pokus) {
            if (TextStavovehoRadku(okno) == text) {
                return true;
            }
            Sleep(10);
        }
        return false;
    }

    std::filesystem::path slozka_;
};

// The start command plays the station: its bit rate and title in the status bar and the
// source's properties, the tone on the sink. Stop silences it; a web page or nonsense instead
// of sound is explained in the status bar, and the program goes on.
TEST_F(RadioProgramu, PlaysAStationWithItsTitleAndExplainsAPage) {
    Proces program(L"");
    const HWND okno = program.PockatNaOkno(L"ZvukoletHlavni", L"Zvukolet", 20s);
    ASSERT_NE(okno, nullptr);

    PostMessageW(okno, WM_COMMAND, ID_SPUSTIT_PRIJEM, 0);
    const std::wstring hraje =
        std::wstring(L"Přehrávání - 128 kb/s - ") + kStanice + L" – " + kTitul;
    ASSERT_TRUE(PockatNaText(okno, hraje)) << TextStavovehoRadku(okno);
    Nahravka nahravka(700);
    ASSERT_TRUE(nahravka.Nahrat()) << "the recording device failed";
    EXPECT_GT(nahravka.NejvyssiUroven(), 8000.0);
    EXPECT_NEAR(440.0, nahravka.Kmitocet(), 5.0);

    PostMessageW(okno, WM_COMMAND, ID_VLASTNOSTI_ZDROJE, 0);
    const HWND vlastnosti = program.PockatNaOkno(L"#32770", L" Vlastnosti zdroje (Zvukolet)", 5s);
    ASSERT_NE(vlastnosti, nullptr);
    const std::vector<std::wstring> radky =
        RadkySeznamu(GetDlgItem(vlastnosti, IDC_INFORMACE_ZDROJE));
    for (const std::wstring& radek :
         {std::wstring(L"Název: ") + kTitul, std::wstring(L"Bitový tok: 128 kb/s")}) {
        EXPECT_NE(std::find(radky.begin(), radky.end(), radek), radky.end())
            << testing::PrintToString(radky);
    }
    PostMessageW(vlastnosti, WM_COMMAND, IDCANCEL, 0);

    PostMessageW(okno, WM_COMMAND, ID_ZASTAVIT_PRIJEM, 0);
    ASSERT_TRUE(PockatNaText(okno, L"Zastaveno")) << TextStavovehoRadku(okno);
    Sleep(300);
    Nahravka ticho(500);
    if (ticho.Nahrat()) { // the monitor may yield nothing while nothing plays
        EXPECT_LT(ticho.NejvyssiUroven(), 20.0);
    }

    PostMessageW(okno, WM_COMMAND, kPrvniZdrojNabidky + 1, 0);
    EXPECT_TRUE(PockatNaText(okno, L"Server poslal webovou stránku místo zvuku."))
        << TextStavovehoRadku(okno);
    // Bytes that only claim to be MP3.
    PostMessageW(okno, WM_COMMAND, kPrvniZdrojNabidky + 2, 0);
    EXPECT_TRUE(PockatNaText(okno, L"Tento formát není podporován.")) << TextStavovehoRadku(okno);
    EXPECT_TRUE(program.Bezi());
    EXPECT_EQ(program.PockatNaOkno(L"#32770", L"Zvukolet", 0ms), nullptr) << "no message box";

    PostMessageW(okno, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.PockatNaKonec(20s), 0u);
}

} // namespace
