// The recording graph of Windows: DirectShow captures from the device's filter into the
// Windows Media ASF writer, which encodes with the loaded profile. Needs COM on the calling
// thread; the user-interface thread alone uses it.
#pragma once

#include <windows.h>
#include <strmif.h>
#include <control.h>
#include <wmsdkidl.h>
#include <wrl/client.h>

#include "recording/GrafZaznamu.h"
#include "recording/SpravceProfilu.h"

namespace Vrbatec {

class GrafAsf final : public GrafZaznamu {
public:
    GrafAsf() = default;
    GrafAsf(const GrafAsf&) = delete;
    GrafAsf& operator=(const GrafAsf&) = delete;
    ~GrafAsf() override;

    // Builds the capture graph around the device's filter ("Capture"); a device that is not
    // there is HRESULT_FROM_WIN32(ERROR_NOT_FOUND).
    HRESULT PridatZarizeni(const ZarizeniZaznamu& zarizeni) override;
    // Loads the profile (the profile manager is created at the first need; its failure is
    // returned), then lets the graph builder create the ASF writer for the file and configures
    // it with the profile.
    HRESULT NastavitVystup(const std::wstring& soubor, const Guid& profil) override;
    // Connects the device's capture output to the writer and runs the graph.
    HRESULT Spustit() override;
    void Zastavit() override;

private:
    // Declared first: the profile it loaded is released before it.
    SpravceProfilu spravce_;
    Microsoft::WRL::ComPtr<IWMProfile> profil_;
    Microsoft::WRL::ComPtr<IBaseFilter> filtr_;
    Microsoft::WRL::ComPtr<ICaptureGraphBuilder2> stavitel_;
    Microsoft::WRL::ComPtr<IBaseFilter> zapisovac_;
    Microsoft::WRL::ComPtr<IGraphBuilder> graf_;
    Microsoft::WRL::ComPtr<IMediaControl> rizeni_;
};

} // namespace Vrbatec
