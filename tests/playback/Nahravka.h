// Listening to what was played: one recording of the default recording device, which under
// se_zvukem.sh is the monitor of the null sink everything plays into, and the measures the
// tests take of it.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "support/Cekani.h"
#include "support/MeraniZvuku.h"
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
    bool Nahrat() { return Spustit() && Dokoncit(); }

    // The two halves of Nahrat, for a test that acts while the recording runs.
    bool Spustit() {
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
        return true;
    }
    bool Dokoncit() {
        const DWORD limit = static_cast<DWORD>(vzorky_.size() * 1000 / kVzorkovaniTonu) + 3000;
        return CekatNa([&] { return (hlavicka_.dwFlags & WHDR_DONE) != 0; }, limit);
    }

    double NejvyssiUroven() const { return Testy::NejvyssiUroven(vzorky_, kVzorkovaniTonu); }
    double Kmitocet() const { return Testy::Kmitocet(vzorky_, kVzorkovaniTonu); }
    // The level after the first `milisekund`.
    double UrovenOd(DWORD milisekund) const {
        const std::size_t od =
            std::min(vzorky_.size(), std::size_t{kVzorkovaniTonu} * milisekund / 1000);
        return Testy::NejvyssiUroven(std::span(vzorky_).subspan(od), kVzorkovaniTonu);
    }

private:
    std::vector<std::int16_t> vzorky_;
    HWAVEIN zarizeni_ = nullptr;
    WAVEHDR hlavicka_{};
};

} // namespace Vrbatec::Testy
