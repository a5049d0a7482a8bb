// Listening to what was played: one recording of the default recording device, which under
// se_zvukem.sh is the monitor of the null sink everything plays into, and the measures the
// tests take of it.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "support/Cekani.h"
#include "support/TonWav.h"

namespace Vrbatec::Testy {

// 16-bit mono at the tone's rate, the device closed at the end.
class Nahravka {
public:
    explicit Nahravka(DWORD milisekund) : vzorky_(kVzorkovaniTonu * milisekund / 1000) {}
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
        format.nSamplesPerSec = kVzorkovaniTonu;
        format.wBitsPerSample = 16;
        format.nBlockAlign = 2;
        format.nAvgBytesPerSec = kVzorkovaniTonu * 2;
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
        const DWORD limit = static_cast<DWORD>(vzorky_.size() * 1000 / kVzorkovaniTonu) + 3000;
        return CekatNa([&] { return (hlavicka_.dwFlags & WHDR_DONE) != 0; }, limit);
    }

    // The effective level of the loudest 50 ms, so that the device's latency or a short gap
    // does not water a level down.
    double NejvyssiUroven() const {
        constexpr std::size_t kOkno = kVzorkovaniTonu / 20;
        double nejvic = 0;
        for (std::size_t zacatek = 0; zacatek + kOkno <= vzorky_.size(); zacatek += kOkno) {
            double soucet = 0;
            for (std::size_t i = zacatek; i < zacatek + kOkno; ++i) {
                soucet += static_cast<double>(vzorky_[i]) * vzorky_[i];
            }
            nejvic = std::max(nejvic, std::sqrt(soucet / kOkno));
        }
        return nejvic;
    }

    // From the median distance between rising zero crossings, which silence or a gap in the
    // recording does not move.
    double Kmitocet() const {
        std::vector<std::size_t> periody;
        std::size_t predchozi = 0;
        for (std::size_t i = 1; i < vzorky_.size(); ++i) {
            if (vzorky_[i - 1] < 0 && vzorky_[i] >= 0) {
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
        return static_cast<double>(kVzorkovaniTonu) /
               static_cast<double>(periody[periody.size() / 2]);
    }

private:
    std::vector<std::int16_t> vzorky_;
    HWAVEIN zarizeni_ = nullptr;
    WAVEHDR hlavicka_{};
};

} // namespace Vrbatec::Testy
