// The sound itself: what the player plays reaches the sound device. se_zvukem.sh gives the
// test a null sink whose monitor is the default recording device, so what is recorded is
// exactly what the control played.
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "config/UlozisteNastaveni.h"
#include "playback/PrehravacTestu.h"
#include "playback/PrehravacWmp.h"

namespace Vrbatec::Testy {
namespace {

constexpr DWORD kVzorkovani = 44100;

// One recording of the default device, 16-bit mono, the device closed at the end.
class Nahravka {
public:
    explicit Nahravka(DWORD milisekund) : vzorky_(kVzorkovani * milisekund / 1000) {}
    ~Nahravka() {
        if (zarizeni_ != nullptr) {
            ::waveInReset(zarizeni_);
            ::waveInUnprepareHeader(zarizeni_, &hlavicka_, sizeof(hlavicka_));
            ::waveInClose(zarizeni_);
        }
    }
    Nahravka(const Nahravka&) = delete;
    Nahravka& operator=(const Nahravka&) = delete;

    // Records with the messages pumped; false when the device fails or the time runs out.
    bool Nahrat() {
        WAVEFORMATEX format{};
        format.wFormatTag = WAVE_FORMAT_PCM;
        format.nChannels = 1;
        format.nSamplesPerSec = kVzorkovani;
        format.wBitsPerSample = 16;
        format.nBlockAlign = 2;
        format.nAvgBytesPerSec = kVzorkovani * 2;
        if (::waveInOpen(&zarizeni_, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) !=
            MMSYSERR_NOERROR) {
            zarizeni_ = nullptr;
            return false;
        }
        hlavicka_.lpData = reinterpret_cast<LPSTR>(vzorky_.data());
        hlavicka_.dwBufferLength = static_cast<DWORD>(vzorky_.size() * sizeof(std::int16_t));
        if (::waveInPrepareHeader(zarizeni_, &hlavicka_, sizeof(hlavicka_)) != MMSYSERR_NOERROR ||
            ::waveInAddBuffer(zarizeni_, &hlavicka_, sizeof(hlavicka_)) != MMSYSERR_NOERROR ||
            ::waveInStart(zarizeni_) != MMSYSERR_NOERROR) {
            return false;
        }
        const DWORD limit = static_cast<DWORD>(vzorky_.size() * 1000 / kVzorkovani) + 3000;
        return CekatNa([&] { return (hlavicka_.dwFlags & WHDR_DONE) != 0; }, limit);
    }

    const std::vector<std::int16_t>& Vzorky() const { return vzorky_; }

private:
    std::vector<std::int16_t> vzorky_;
    HWAVEIN zarizeni_ = nullptr;
    WAVEHDR hlavicka_{};
};

// The effective level of the loudest 50 ms, so that the device's latency or a short gap does
// not water a level down.
double NejvyssiUroven(const std::vector<std::int16_t>& vzorky) {
    constexpr std::size_t kOkno = kVzorkovani / 20;
    double nejvic = 0;
    for (std::size_t zacatek = 0; zacatek + kOkno <= vzorky.size(); zacatek += kOkno) {
        double soucet = 0;
        for (std::size_t i = zacatek; i < zacatek + kOkno; ++i) {
            soucet += static_cast<double>(vzorky[i]) * vzorky[i];
        }
        nejvic = std::max(nejvic, std::sqrt(soucet / kOkno));
    }
    return nejvic;
}

// From the median distance between rising zero crossings, which silence or a gap in the
// recording does not move.
double Kmitocet(const std::vector<std::int16_t>& vzorky) {
    std::vector<std::size_t> periody;
    std::size_t predchozi = 0;
    for (std::size_t i = 1; i < vzorky.size(); ++i) {
        if (vzorky[i - 1] < 0 && vzorky[i] >= 0) {
            if (predchozi != 0) {
                periody.push_back(i - predchozi);
            }
            predchozi = i;
        }
    }
    if (periody.empty()) {
        return 0;
    }
    std::nth_element(periody.begin(), periody.begin() + periody.size() / 2, periody.end());
    return static_cast<double>(kVzorkovani) / static_cast<double>(periody[periody.size() / 2]);
}

class ZvukTest : public PrehravacTest {};

// The player starts at the volume of the settings, follows a new volume, and is silent after
// stop. The control's volume scale is not linear: a quarter is far below a quarter of the level.
TEST_F(ZvukTest, ToneIsHeardAtTheVolumeSetAndGoneAfterStop) {
    NastaveniAplikace().hlasitost = 25;
    ZaznamStavu posluchac;
    auto prehravac = VytvoritPrehravacWmp(Instance(), Rodic(), posluchac);
    ASSERT_EQ(S_OK, prehravac->OtevritUrl(CestaTonu()));
    ASSERT_EQ(S_OK, prehravac->Prehrat());
    ASSERT_TRUE(CekatNa([&] { return posluchac.Obsahuje(3); }, 5000));
    Pumpovat(300);
    Nahravka tise(500);
    ASSERT_TRUE(tise.Nahrat());

    ASSERT_EQ(S_OK, prehravac->NastavitHlasitost(100));
    Pumpovat(300);
    Nahravka nahlas(700);
    ASSERT_TRUE(nahlas.Nahrat());
    // The tone is written at half of full scale: about 11 600 effective.
    EXPECT_GT(NejvyssiUroven(nahlas.Vzorky()), 8000.0);
    EXPECT_NEAR(440.0, Kmitocet(nahlas.Vzorky()), 3.0);
    EXPECT_LT(NejvyssiUroven(tise.Vzorky()), NejvyssiUroven(nahlas.Vzorky()) / 4);

    posluchac.stavy.clear();
    ASSERT_EQ(S_OK, prehravac->Zastavit());
    ASSERT_TRUE(CekatNa([&] { return posluchac.Obsahuje(1); }, 5000));
    Pumpovat(300);
    Nahravka ticho(500);
    ASSERT_TRUE(ticho.Nahrat());
    EXPECT_LT(NejvyssiUroven(ticho.Vzorky()), 20.0);
}

} // namespace
} // namespace Vrbatec::Testy
