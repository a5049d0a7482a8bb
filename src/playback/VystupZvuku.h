// The sound output of the stream engine: the system's default wave-out device, fed through a
// small ring of buffers (kBufferu × kMilisekundBufferu). The engine's thread writes the PCM
// it decodes; the volume and mute can be changed from any thread at any time and apply to the
// samples as they are written, so a change is heard once the queued buffers have played
// (at most kBufferu × kMilisekundBufferu later).
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "playback/Pcm.h"
#include "winapi/Handle.h"
#include "winapi/Multimedia.h"

namespace Vrbatec {

class VystupZvuku {
public:
    // Four buffers of 100 ms played most evenly through the system's sound path: fewer
    // shorter ones ran dry now and then, longer ones only delay stop and volume changes.
    static constexpr std::size_t kBufferu = 4;
    static constexpr std::uint32_t kMilisekundBufferu = 100;

    VystupZvuku();
    ~VystupZvuku();
    VystupZvuku(const VystupZvuku&) = delete;
    VystupZvuku& operator=(const VystupZvuku&) = delete;

    // Opens the default device for `format`; what was open before is closed.
    HRESULT Otevrit(const Stream::FormatPcm& format);

    // Queues the samples (interleaved, whole frames), a buffer to the device each time one
    // is full. When every buffer is queued, waits for the device to give one back, or until
    // `zruseni` (may be null) is signalled: then returns HRESULT_FROM_WIN32(ERROR_CANCELLED)
    // with the rest of the samples not taken.
    HRESULT Zapsat(std::span<const std::int16_t> pcm, HANDLE zruseni);

    // Sends the partly filled buffer too and waits until everything has played, or until
    // `zruseni` is signalled; for the end of a finite sound.
    HRESULT Dohrat(HANDLE zruseni);

    // How long the written sound that has not been heard yet lasts, in milliseconds. From any
    // thread; the device may be a few milliseconds ahead of what it reports.
    std::uint32_t VeFronte() const;

    // Silences at once: the device drops everything queued, and the partly filled buffer is
    // forgotten. For the writing thread (another thread stops it by signalling `zruseni`).
    HRESULT Zastavit();

    // From any thread. 0-100 on a perceptual curve; 0 and mute write zeros.
    void NastavitHlasitost(std::uint32_t hlasitost) { hlasitost_.store(hlasitost); }
    void NastavitZtlumeni(bool ztlumit) { ztlumeno_.store(ztlumit); }
    std::uint32_t Hlasitost() const { return hlasitost_.load(); }
    bool Ztlumeno() const { return ztlumeno_.load(); }

private:
    // The prepared buffers, given back to the device before it closes.
    struct Buffery;

    HRESULT PockatNaBuffer(std::size_t index, HANDLE zruseni);
    HRESULT Odeslat();

    Stream::FormatPcm format_;
    WinApi::UniqueHandle udalost_;
    WinApi::UniqueWaveOut zarizeni_;
    std::unique_ptr<Buffery> buffery_;
    std::size_t plneny_ = 0;
    // Bytes in the buffer being filled, and given to the device since it was opened or
    // reset; atomic for VeFronte() on another thread.
    std::atomic<std::size_t> naplneno_{0};
    std::atomic<std::uint64_t> odeslano_{0};
    std::atomic<std::uint32_t> hlasitost_{Stream::kNejvyssiHlasitost};
    std::atomic<bool> ztlumeno_{false};
};

} // namespace Vrbatec
