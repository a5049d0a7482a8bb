// The whole program records: Zvukolet.exe plays a local tone and records the recording device,
// which under se_zvukem.sh is the monitor of the null sink it plays into, through the WAV
// profile. The files are read back as a player would read them.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "e2e/Proces.h"
#include "res/resource.h"
#include "support/Cekani.h"
#include "support/CteniWav.h"
#include "support/MeraniZvuku.h"
#include "support/TonWav.h"
#include "support/ZarizeniMonitoru.h"

namespace {

using namespace std::chrono_literals;
using namespace Vrbatec::Testy;

constexpr wchar_t kNazevZdroje[] = L"Tón 440 Hz";

class ZaznamProgramu : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(FindWindowW(L"ZvukoletHlavni", nullptr), nullptr) << "a copy still runs";
        slozka_ = DocasnaSlozka(L"zvukolet-zaznam-");
        zaznamy_ = slozka_ / L"Záznamy";
        std::filesystem::create_directories(zaznamy_);
        const auto ton = slozka_ / L"ton.wav";
        ASSERT_TRUE(ZapsatTonWav(ton, 30));
        ASSERT_NO_FATAL_FAILURE(NastavitSeznam(slozka_, {kNazevZdroje, ton.wstring(), 100, true}));
        const std::wstring zarizeni = ZarizeniMonitoru();
        ASSERT_FALSE(zarizeni.empty()) << "no monitor of the null sink to record";
        // The start command starts the selected source, then records.
        ASSERT_NO_FATAL_FAILURE(NastavitZaznam(zaznamy_, zarizeni, 1));
    }

    void TearDown() override {
        ObnovitNastaveni();
        std::error_code chyba;
        std::filesystem::remove_all(slozka_, chyba);
    }

    std::vector<std::filesystem::path> Zaznamy() const {
        std::vector<std::filesystem::path> soubory;
        for (const auto& polozka : std::filesystem::directory_iterator(zaznamy_)) {
            soubory.push_back(polozka.path());
        }
        return soubory;
    }

    // Waits for one more file in the folder, a finished WAV file, and gives its name and sound.
    std::optional<ZvukWav> PockatNaDalsi(std::wstring& jmeno, std::string& chyba) {
        std::optional<ZvukWav> zvuk;
        CekatNa(
            [&] {
                for (const auto& soubor : Zaznamy()) {
                    if (std::find(znama_.begin(), znama_.end(), soubor) == znama_.end()) {
                        jmeno = soubor.filename().wstring();
                        zvuk = NacistWav(soubor, chyba);
                        return zvuk.has_value();
                    }
                }
                return false;
            },
            5000);
        znama_ = Zaznamy();
        return zvuk;
    }

    std::filesystem::path slozka_;
    std::filesystem::path zaznamy_;
    std::vector<std::filesystem::path> znama_;
};

// Start recording plays the selected tone and records it; the file is named after the station
// and holds the tone. A second recording in the same minute gets a file of its own, and one
// still running when the window closes is finished as the program ends.
TEST_F(ZaznamProgramu, RecordsTheToneToWavWithoutOverwritingAndFinishesOnClose) {
    Proces program(L"");
    const HWND okno = program.PockatNaOkno(L"ZvukoletHlavni", L"Zvukolet", 20s);
    ASSERT_NE(okno, nullptr);

    PostMessageW(okno, WM_COMMAND, ID_SPUSTIT_ZAZNAM, 0);
    Sleep(3000);
    PostMessageW(okno, WM_COMMAND, ID_UKONCIT_ZAZNAM, 0);
    std::string chyba;
    std::wstring jmeno;
    const std::optional<ZvukWav> prvni = PockatNaDalsi(jmeno, chyba);
    ASSERT_TRUE(prvni) << chyba;
    EXPECT_EQ(program.PockatNaOkno(L"#32770", nullptr, 0ms), nullptr) << "a message box";
    EXPECT_EQ(jmeno.rfind(std::wstring(kNazevZdroje) + L" ", 0), 0u) << jmeno;
    EXPECT_TRUE(jmeno.ends_with(L".wav")) << jmeno;
    EXPECT_GT(prvni->vzorky.size(), prvni->vzorkovani) << "less than a second of sound";
    EXPECT_NEAR(Kmitocet(prvni->vzorky, prvni->vzorkovani), kKmitocetTonu, 3.0);
    EXPECT_GT(NejvyssiUroven(prvni->vzorky, prvni->vzorkovani), 8000.0);

    PostMessageW(okno, WM_COMMAND, ID_SPUSTIT_ZAZNAM, 0);
    Sleep(1000);
    PostMessageW(okno, WM_COMMAND, ID_UKONCIT_ZAZNAM, 0);
    std::wstring druhe;
    ASSERT_TRUE(PockatNaDalsi(druhe, chyba)) << chyba;
    // "Tón 440 Hz 7.12.2026 09-07.wav" and, in the same minute, "… 09-07 (2).wav".
    if (druhe.rfind(jmeno.substr(0, jmeno.size() - 4), 0) == 0) {
        EXPECT_EQ(druhe, jmeno.substr(0, jmeno.size() - 4) + L" (2).wav");
    }

    PostMessageW(okno, WM_COMMAND, ID_SPUSTIT_ZAZNAM, 0);
    Sleep(1500);
    PostMessageW(okno, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.PockatNaKonec(20s), 0u);
    std::wstring treteJmeno;
    const std::optional<ZvukWav> treti = PockatNaDalsi(treteJmeno, chyba);
    ASSERT_TRUE(treti) << chyba;
    EXPECT_GT(NejvyssiUroven(treti->vzorky, treti->vzorkovani), 8000.0);
}

} // namespace
