// The stream engine's output with real sound (se_zvukem.sh): the decoded MP3 tone played
// through VystupZvuku is heard at 440 Hz, quieter by the volume curve, not at all at volume 0
// or muted, and no longer right after a stop. Wine's sound path leaves gaps of up to ~90 ms
// now and then; the measures take the loudest 50 ms and the median period, which gaps do not
// move.
#include "playback/VystupZvuku.h"

#include <gtest/gtest.h>

#include <thread>

#include "playback/Nahravka.h"
#include "playback/TonyDekoderu.h"
#include "support/ZarizeniMonitoru.h"

namespace Vrbatec::Testy {
namespace {

// Plays the PCM over and over on a thread of its own, as the engine's thread does, until
// stopped: the cancel event wakes a waiting write and the thread silences the device.
class Prehravani {
public:
    Prehravani(VystupZvuku& vystup, const std::vector<std::int16_t>& pcm)
        : zruseni_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        vlakno_ = std::thread([this, &vystup, &pcm] {
            HRESULT hr = S_OK;
            while (SUCCEEDED(hr)) {
                hr = vystup.Zapsat(pcm, zruseni_.Get());
            }
            vysledek_ = hr == HRESULT_FROM_WIN32(ERROR_CANCELLED) ? vystup.Zastavit() : hr;
        });
    }
    ~Prehravani() { Zastavit(); }
    Prehravani(const Prehravani&) = delete;
    Prehravani& operator=(const Prehravani&) = delete;

    HRESULT Zastavit() {
        if (vlakno_.joinable()) {
            ::SetEvent(zruseni_.Get());
            vlakno_.join();
        }
        return vysledek_;
    }

private:
    WinApi::UniqueHandle zruseni_;
    std::thread vlakno_;
    HRESULT vysledek_ = E_PENDING;
};

class VystupZvukuTest : public testing::Test {
protected:
    static void SetUpTestSuite() { ton_ = new DekodovanyTon(DekodovatTonMp3()); }
    static void TearDownTestSuite() {
        delete ton_;
        ton_ = nullptr;
    }

    void SetUp() override {
        ASSERT_FALSE(ZarizeniMonitoru().empty()) << "no monitor of the null sink to record";
        ASSERT_FALSE(ton_->pcm.empty());
        ASSERT_EQ(S_OK, vystup_.Otevrit({ton_->hlavicka.vzorkovaciKmitocet,
                                         static_cast<std::uint16_t>(ton_->hlavicka.kanaly)}));
    }

    struct Poslech {
        double uroven;
        double kmitocet;
        double urovenPo100Ms; // past the sound that was already on its way
    };
    static Poslech Poslechnout(DWORD milisekund) {
        Nahravka nahravka(milisekund);
        EXPECT_TRUE(nahravka.Nahrat()) << "the recording device failed";
        return {nahravka.NejvyssiUroven(), nahravka.Kmitocet(), nahravka.UrovenOd(100)};
    }

    // A change of the volume reaches the device after the queued buffers and Wine's latency.
    static constexpr DWORD kNezLzeSlyset = 700;

    static DekodovanyTon* ton_;
    VystupZvuku vystup_;
};

DekodovanyTon* VystupZvukuTest::ton_ = nullptr;

TEST_F(VystupZvukuTest, TheDecodedToneIsHeardWithAFewBuffersQueued) {
    Prehravani prehravani(vystup_, ton_->pcm);
    Sleep(kNezLzeSlyset);
    const std::uint32_t veFronte = vystup_.VeFronte();
    EXPECT_GT(veFronte, 0u);
    EXPECT_LE(veFronte, VystupZvuku::kBufferu * VystupZvuku::kMilisekundBufferu);
    const Poslech poslech = Poslechnout(800);
    EXPECT_GT(poslech.uroven, 8000.0);
    EXPECT_NEAR(kKmitocetTonu, poslech.kmitocet, 3.0);
    EXPECT_EQ(S_OK, prehravani.Zastavit());
}

TEST_F(VystupZvukuTest, VolumeAndMuteChangeWhilePlaying) {
    Prehravani prehravani(vystup_, ton_->pcm);
    Sleep(kNezLzeSlyset);
    const double plna = Poslechnout(600).uroven;
    ASSERT_GT(plna, 8000.0);

    struct Krok {
        const char* co;
        std::uint32_t hlasitost;
        bool ztlumit;
        double odPodilu; // of the full level
        double doPodilu;
    };
    // The curve gives 50 an eighth of the amplitude; 0 and mute are true silence.
    const Krok kroky[] = {
        {"half", 50, false, 0.125 / 1.5, 0.125 * 1.5}, {"zero", 0, false, 0, 20.0 / 32768},
        {"muted at full", 100, true, 0, 20.0 / 32768}, {"unmuted", 100, false, 0.8, 1.25},
        {"muted at half", 50, true, 0, 20.0 / 32768},
    };
    for (const Krok& k : kroky) {
        vystup_.NastavitHlasitost(k.hlasitost);
        vystup_.NastavitZtlumeni(k.ztlumit);
        Sleep(kNezLzeSlyset);
        const double podil = Poslechnout(600).uroven / plna;
        EXPECT_GE(podil, k.odPodilu) << k.co;
        EXPECT_LE(podil, k.doPodilu) << k.co;
    }
    EXPECT_EQ(S_OK, prehravani.Zastavit());
}

TEST_F(VystupZvukuTest, StopDropsWhatIsQueuedUnheard) {
    // Muted playing writes silence; once unmuted, the tone goes into the buffers that come
    // free, behind the silent ones still queued. A stop 200 ms later finds about 200 ms of
    // silence and 200 ms of the tone in the queue: dropped at once, the tone is never heard,
    // which the recording shows without depending on when exactly it started.
    vystup_.NastavitZtlumeni(true);
    Prehravani prehravani(vystup_, ton_->pcm);
    Nahravka nahravka(2500);
    ASSERT_TRUE(nahravka.Spustit());
    Pumpovat(1200);
    ASSERT_GT(vystup_.VeFronte(), 200u);
    vystup_.NastavitZtlumeni(false);
    Pumpovat(200);
    ASSERT_EQ(S_OK, prehravani.Zastavit());
    EXPECT_EQ(0u, vystup_.VeFronte());
    ASSERT_TRUE(nahravka.Dokoncit());
    EXPECT_LT(nahravka.NejvyssiUroven(), 20.0);
}

TEST_F(VystupZvukuTest, AFiniteSoundPlaysToItsEnd) {
    const std::vector<std::int16_t> kratky(ton_->pcm.begin(),
                                           ton_->pcm.begin() + 44100 * 2 * 6 / 10);
    ASSERT_EQ(S_OK, vystup_.Zapsat(kratky, nullptr));
    EXPECT_GT(vystup_.VeFronte(), 200u) << "0.6 s written, at most 0.4 s of it played";
    const ULONGLONG zacatek = ::GetTickCount64();
    ASSERT_EQ(S_OK, vystup_.Dohrat(nullptr));
    EXPECT_EQ(0u, vystup_.VeFronte());
    EXPECT_GE(::GetTickCount64() - zacatek, 150u) << "returned before the sound was played";
}

TEST_F(VystupZvukuTest, AWriteWaitingForRoomEndsOnCancel) {
    const WinApi::UniqueHandle zruseni(::CreateEventW(nullptr, TRUE, TRUE, nullptr));
    const std::vector<std::int16_t> sekunda(ton_->pcm.begin(), ton_->pcm.begin() + 44100 * 2);
    const ULONGLONG zacatek = ::GetTickCount64();
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_CANCELLED), vystup_.Zapsat(sekunda, zruseni.Get()));
    EXPECT_LT(::GetTickCount64() - zacatek, 150u) << "waited for the device despite the cancel";
    // The buffers that had room are queued; the rest of the second was not taken.
    EXPECT_GE(vystup_.VeFronte(), 300u);
    EXPECT_LE(vystup_.VeFronte(), VystupZvuku::kBufferu * VystupZvuku::kMilisekundBufferu);
    EXPECT_EQ(S_OK, vystup_.Zastavit());
    EXPECT_EQ(0u, vystup_.VeFronte());
}

} // namespace
} // namespace Vrbatec::Testy
