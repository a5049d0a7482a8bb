// The WAV writer against the run's own sound device (se_zvukem.sh): what a null sink plays,
// its monitor hears, so a tone played while recording the monitor must come out of the file.
// Each file a graph leaves, however it ended, is checked to be a WAV that plays.
#include "recording/GrafWav.h"

#include <gtest/gtest.h>

#include <mmsystem.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/Cekani.h"
#include "support/CteniWav.h"
#include "support/MeraniZvuku.h"
#include "support/TonWav.h"
#include "support/ZarizeniMonitoru.h"

namespace Vrbatec::Testy {
namespace {

using HlavickaWav::FormatPcm;

// The tone's level as written: a sine of amplitude 16383.
constexpr double kUrovenTonu = 16383 / 1.4142135623730951;

class GrafWavTest : public ::testing::Test {
protected:
    void SetUp() override {
        slozka_ = std::filesystem::temp_directory_path() /
                  ("zv_grafwav_" + std::to_string(::GetCurrentProcessId()));
        std::filesystem::create_directories(slozka_);
        ton_ = slozka_ / L"tón.wav";
        zaznam_ = slozka_ / L"záznam.wav";
        ASSERT_TRUE(ZapsatTonWav(ton_, 6));
        monitor_ = ZarizeniMonitoru();
        ASSERT_FALSE(monitor_.empty()) << "no monitor among the capture devices";
    }
    void TearDown() override {
        ::PlaySoundW(nullptr, nullptr, 0);
        std::error_code chyba;
        std::filesystem::remove_all(slozka_, chyba);
    }

    void Spustit(GrafWav& graf) {
        ASSERT_EQ(S_OK, graf.PridatZarizeni({monitor_, {}, {}}));
        ASSERT_EQ(S_OK, graf.NastavitVystup(zaznam_.wstring(), ProfilyZaznamu::kProfilWav));
        ASSERT_EQ(S_OK, graf.Spustit());
    }
    // Plays the tone and waits until the monitor hears it: the first sound a process plays
    // here takes about a second to come out.
    void Hrat() {
        ASSERT_TRUE(::PlaySoundW(ton_.c_str(), nullptr, SND_ASYNC | SND_FILENAME | SND_NODEFAULT));
        Pumpovat(1500);
    }
    // The file as a player reads it; the test fails when it is not a valid WAV.
    std::optional<ZvukWav> Precist() const {
        std::string chyba;
        std::optional<ZvukWav> zvuk = NacistWav(zaznam_, chyba);
        EXPECT_TRUE(zvuk) << chyba;
        return zvuk;
    }
    static void OcekavatTon(const ZvukWav& wav) {
        EXPECT_NEAR(kKmitocetTonu, Kmitocet(wav.vzorky, wav.vzorkovani), 3.0)
            << "the declared rate is the rate recorded";
        EXPECT_NEAR(kUrovenTonu, NejvyssiUroven(wav.vzorky, wav.vzorkovani), kUrovenTonu * 0.15);
    }

    std::filesystem::path slozka_;
    std::filesystem::path ton_;
    std::filesystem::path zaznam_;
    std::wstring monitor_;
};

// While the tone plays the file grows and others can read it; at the stop it holds the tone
// at the format chosen, for no longer than the recording ran. A second stop changes nothing.
TEST_F(GrafWavTest, RecordsThePlayedToneIntoAFileThatPlays) {
    ASSERT_NO_FATAL_FAILURE(Hrat());
    GrafWav graf;
    ASSERT_NO_FATAL_FAILURE(Spustit(graf));
    const auto zvoleny = graf.Format();
    ASSERT_TRUE(zvoleny.has_value());
    Pumpovat(1500);
    const WinApi::UniqueHandle cteni(::CreateFileW(zaznam_.c_str(), GENERIC_READ,
                                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                   OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(cteni) << "a recording in progress can be opened for reading";
    LARGE_INTEGER behem{};
    ASSERT_TRUE(::GetFileSizeEx(cteni.Get(), &behem));
    EXPECT_GT(behem.QuadPart, 44 + HlavickaWav::DelkaSnimku(*zvoleny) * zvoleny->vzorkovani / 2)
        << "the sound is written while recording, not at the stop";
    Pumpovat(1500);
    graf.Zastavit();
    graf.Zastavit();
    EXPECT_FALSE(graf.Format().has_value());

    const std::optional<ZvukWav> wav = Precist();
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->vzorkovani, zvoleny->vzorkovani);
    EXPECT_EQ(wav->kanalu, zvoleny->kanalu);
    EXPECT_GT(wav->Sekund(), 2.5);
    EXPECT_LT(wav->Sekund(), 3.5);
    OcekavatTon(*wav);
}

// The file takes no more sound than its limit, in whole frames, and still plays.
TEST_F(GrafWavTest, TheLimitEndsTheSoundAtAWholeFrame) {
    constexpr std::uint32_t kLimit = 30001;
    ASSERT_NO_FATAL_FAILURE(Hrat());
    GrafWav graf(kLimit);
    ASSERT_NO_FATAL_FAILURE(Spustit(graf));
    const std::uint32_t snimek = HlavickaWav::DelkaSnimku(*graf.Format());
    Pumpovat(1000);
    graf.Zastavit();

    const std::optional<ZvukWav> wav = Precist();
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->vzorky.size() * snimek, kLimit - kLimit % snimek);
}

// Stopping with nothing built does nothing, as often as it is asked; a graph stopped before
// it started capturing (a start that failed half way) takes its file away.
TEST_F(GrafWavTest, StoppingBeforeCapturingLeavesNoFile) {
    GrafWav graf;
    graf.Zastavit();
    graf.Zastavit();
    ASSERT_EQ(S_OK, graf.PridatZarizeni({monitor_, {}, {}}));
    ASSERT_EQ(S_OK, graf.NastavitVystup(zaznam_.wstring(), ProfilyZaznamu::kProfilWav));
    EXPECT_TRUE(std::filesystem::exists(zaznam_));
    graf.Zastavit();
    graf.Zastavit();
    EXPECT_FALSE(std::filesystem::exists(zaznam_));
}

// The name is found whatever its case; a device that is not there, or a profile of another
// writer, fails without leaving a file, and nothing can start.
TEST_F(GrafWavTest, DevicesAreFoundByNameAndRefusalsLeaveNoFile) {
    std::wstring malymi = monitor_;
    ::CharLowerBuffW(malymi.data(), static_cast<DWORD>(malymi.size()));
    struct Pripad {
        std::wstring nazev;
        Guid profil;
        HRESULT zarizeni;
        HRESULT vystup;
    };
    const Guid kProfilWm = ProfilyZaznamu::Nabizene().front().id;
    const Pripad pripady[] = {
        {malymi, ProfilyZaznamu::kProfilWav, S_OK, S_OK},
        {L"Žádné takové zařízení", ProfilyZaznamu::kProfilWav, HRESULT_FROM_WIN32(ERROR_NOT_FOUND),
         HRESULT_FROM_WIN32(ERROR_INVALID_STATE)},
        {monitor_ + L" #2", ProfilyZaznamu::kProfilWav, HRESULT_FROM_WIN32(ERROR_NOT_FOUND),
         HRESULT_FROM_WIN32(ERROR_INVALID_STATE)},
        {monitor_, kProfilWm, S_OK, E_INVALIDARG},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(testing::Message() << "case " << (&p - pripady));
        GrafWav graf;
        EXPECT_EQ(p.zarizeni, graf.PridatZarizeni({p.nazev, {}, {}}));
        EXPECT_EQ(p.vystup, graf.NastavitVystup(zaznam_.wstring(), p.profil));
        EXPECT_EQ(std::filesystem::exists(zaznam_), SUCCEEDED(p.vystup));
        if (FAILED(p.vystup)) {
            EXPECT_TRUE(FAILED(graf.Spustit()));
        }
        graf.Zastavit();
        std::filesystem::remove(zaznam_);
    }
}

} // namespace
} // namespace Vrbatec::Testy
