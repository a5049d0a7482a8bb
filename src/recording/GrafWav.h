// The program's own recording writer: the chosen capture device through waveIn into an
// uncompressed 16-bit PCM WAV file.
//
// A thread of the graph's own takes each filled buffer, writes it and gives it back to the
// device, so the caller's thread never waits on the disk while recording; memory stays the
// same however long the recording runs. The file opens with a header declaring no sound and
// gets the real sizes when the graph stops, so whatever stops it (the recorder, a failed
// write, a full disk, the sizes RIFF can hold) leaves a file that plays. A write that fails
// ends the writing, not the graph: the file keeps what was written before it. A graph stopped
// before it started capturing removes its file, so a failed start leaves nothing behind.
//
// A failure of waveIn comes as an HRESULT: a device gone as ERROR_DEVICE_NOT_CONNECTED, one
// in use as ERROR_BUSY, a format it refuses as ERROR_NOT_SUPPORTED, lack of memory as
// E_OUTOFMEMORY, anything else as E_FAIL. A step out of the recorder's order is
// ERROR_INVALID_STATE.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "recording/GrafZaznamu.h"
#include "recording/HlavickaWav.h"
#include "winapi/VlaknoPrace.h"

namespace Vrbatec {

class GrafWav final : public GrafZaznamu {
public:
    // The most bytes of sound a file takes: limitDat when given (rounded down to whole
    // frames), and never more than its header can describe.
    explicit GrafWav(std::uint32_t limitDat = 0);
    ~GrafWav() override;
    GrafWav(const GrafWav&) = delete;
    GrafWav& operator=(const GrafWav&) = delete;

    // A device not among the waveIn devices is HRESULT_FROM_WIN32(ERROR_NOT_FOUND).
    HRESULT PridatZarizeni(const ZarizeniZaznamu& zarizeni) override;
    // Replaces any file of that name; others may read it while it grows.
    HRESULT NastavitVystup(const std::wstring& soubor, const Guid& profil) override;
    HRESULT Spustit() override;
    void Zastavit() override;

    // The format chosen for the device, until the graph stops.
    std::optional<HlavickaWav::FormatPcm> Format() const { return format_; }

private:
    struct Zaznam;

    std::uint32_t limitDat_;
    UINT zarizeni_ = 0;
    std::optional<HlavickaWav::FormatPcm> format_;
    // Shared with the writing thread, which may outlive a stop that waited too long for it.
    std::shared_ptr<Zaznam> zaznam_;
    WinApi::VlaknoPrace vlakno_;
};

} // namespace Vrbatec
