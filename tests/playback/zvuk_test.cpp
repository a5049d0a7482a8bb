// The sound itself: what the player plays reaches the sound device. se_zvukem.sh gives the
// test a null sink whose monitor is the default recording device, so what is recorded is
// exactly what the control played.
#include <windows.h>
#include <mmsystem.h>

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

double Efektivni(const std::vector<std::int16_t>& vzorky) {
    double soucet = 0;
    for (const auto v : vzorky) {
        soucet += static_cast<double>(v) * v;
    }
    return vzorky.empty() ? 0 : std::sqrt(soucet / static_cast<double>(vzorky.size()));
}

// From the first to the last rising zero crossing, so silence before or after the tone (the
// device's latency) does not count.
double Kmitocet(const std::vector<std::int16_t>& vzorky) {
    std::size_t prvni = 0;
    std::size_t posledni = 0;
    int pocet = 0;
    for (std::size_t i = 1; i < vzorky.size(); ++i) {
        if (vzorky[i - 1] < 0 && vzorky[i] >= 0) {
            if (pocet == 0) {
                prvni = i;
            }
            posledni = i;
            ++pocet;
        }
    }
    if (pocet < 2) {
        return 0;
    }
    return (pocet - 1) * static_cast<double>(kVzorkovani) / static_cast<double>(posledni - prvni);
}

class ZvukTest : public PrehravacTest {};

TEST_F(ZvukTest, ToneIsHeardWhilePlayingAndGoneAfterStop) {
    NastaveniAplikace().hlasitost = 100;
    ZaznamStavu posluchac;
    auto prehravac = VytvoritPrehravacWmp(Instance(), Rodic(), posluchac);
    ASSERT_EQ(S_OK, prehravac->OtevritUrl(CestaTonu()));
    ASSERT_EQ(S_OK, prehravac->Prehrat());
    ASSERT_TRUE(CekatNa([&] { return posluchac.Obsahuje(3); }, 5000));
    Pumpovat(300);

    Nahravka hrani(700);
    ASSERT_TRUE(hrani.Nahrat());
    EXPECT_GT(Efektivni(hrani.Vzorky()), 2000.0);
    EXPECT_NEAR(440.0, Kmitocet(hrani.Vzorky()), 3.0);

    // The volume reaches the sound: a quarter of it is far quieter (the control's scale is
    // not linear), and it is still the same tone.
    ASSERT_EQ(S_OK, prehravac->NastavitHlasitost(25));
    Pumpovat(300);
    Nahravka tise(500);
    ASSERT_TRUE(tise.Nahrat());
    EXPECT_LT(Efektivni(tise.Vzorky()), Efektivni(hrani.Vzorky()) / 4);

    posluchac.stavy.clear();
    ASSERT_EQ(S_OK, prehravac->Zastavit());
    ASSERT_TRUE(CekatNa([&] { return posluchac.Obsahuje(1); }, 5000));
    Pumpovat(300);
    Nahravka ticho(500);
    ASSERT_TRUE(ticho.Nahrat());
    EXPECT_LT(Efektivni(ticho.Vzorky()), 20.0);
}

} // namespace
} // namespace Vrbatec::Testy
