// What one recording asks of the platform, step by step: take the capture device, give it an
// output file written with the chosen profile, run, and at the end finish the file. The
// recorder runs the steps in this order and calls Zastavit after a step that fails, so an
// implementation needs no undo of its own beyond what Zastavit does.
//
// There are two implementations: the system's capture graph into the Windows Media writer
// (GrafAsf) and the program's own uncompressed WAV writer (GrafWav); tests use a double.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "config/Guid.h"
#include "recording/ProfilyZaznamu.h"
#include "recording/ZarizeniZaznamu.h"

namespace Vrbatec {

class GrafZaznamu {
public:
    virtual ~GrafZaznamu() = default;

    // Finds the capture device and builds what captures from it; a device that is not there
    // is a failure.
    virtual HRESULT PridatZarizeni(const ZarizeniZaznamu& zarizeni) = 0;
    // Creates the file and what writes it with the profile.
    virtual HRESULT NastavitVystup(const std::wstring& soubor, const Guid& profil) = 0;
    // Connects the device's sound to the output and starts capturing.
    virtual HRESULT Spustit() = 0;
    // Lets the sound still on its way reach the file, finishes and closes the file and
    // releases everything built. Also undoes a start that failed half way; does nothing when
    // nothing is built. A destroyed graph has been stopped.
    virtual void Zastavit() = 0;
};

// The graph for the profile's kind of writer.
using TovarnaGrafu = std::function<std::unique_ptr<GrafZaznamu>(ProfilyZaznamu::Zapisovac)>;

// The system's capture graph for Windows Media profiles, the program's own writer for WAV.
TovarnaGrafu TovarnaGrafuSystemu();

} // namespace Vrbatec
