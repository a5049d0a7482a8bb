// The system's capture devices and the Windows Media graph under Wine, which lists capture
// devices only with a PulseAudio server (se_zvukem.sh gives the run its own): "Monitor of
// testsink" and the like, without description or device path. Wine has neither the graph's ASF
// output nor loadable Windows Media profiles, so the graph can only be seen failing here.
#include <gtest/gtest.h>

#include <objbase.h>

#include <filesystem>
#include <string>
#include <vector>

#include "config/Nastaveni.h"
#include "recording/GrafAsf.h"
#include "recording/PravidlaZarizeni.h"
#include "recording/SeznamZarizeni.h"

namespace Vrbatec::Testy {
namespace {

class ZarizeniTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    }
    static void TearDownTestSuite() { ::CoUninitialize(); }

    void SetUp() override {
        ASSERT_EQ(S_OK, VyjmenovatZarizeni());
        ASSERT_FALSE(SeznamZarizeni().empty());
    }
};

TEST_F(ZarizeniTest, TheSystemsDevicesAreListedSortedWithTheirNames) {
    const std::vector<ZarizeniZaznamu> seznam = SeznamZarizeni();
    bool monitor = false;
    for (std::size_t i = 0; i < seznam.size(); ++i) {
        EXPECT_FALSE(seznam[i].nazev.empty());
        EXPECT_EQ(L"", seznam[i].popis); // Wine gives neither
        EXPECT_EQ(L"", seznam[i].cesta);
        monitor = monitor || seznam[i].nazev.starts_with(L"Monitor of ");
        if (i > 0) {
            EXPECT_FALSE(MensiBezVelikosti(seznam[i].nazev, seznam[i - 1].nazev)) << i;
        }
    }
    EXPECT_TRUE(monitor);

    // A new enumeration replaces the list.
    ASSERT_EQ(S_OK, VyjmenovatZarizeni());
    EXPECT_EQ(seznam, SeznamZarizeni());
}

TEST_F(ZarizeniTest, TheFirstListedDeviceGivesItsCaptureFilter) {
    Microsoft::WRL::ComPtr<IBaseFilter> filtr;
    ASSERT_EQ(S_OK, NajitFiltrZachytu(SeznamZarizeni().front().nazev, filtr));
    ASSERT_NE(nullptr, filtr);
    IBaseFilter* const drzeny = filtr.Get();
    EXPECT_EQ(S_FALSE, NajitFiltrZachytu(L"Neexistující zařízení", filtr));
    EXPECT_EQ(drzeny, filtr.Get());

    Microsoft::WRL::ComPtr<IBaseFilter> zadny;
    EXPECT_EQ(E_INVALIDARG, NajitFiltrZachytu(L"", zadny));
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_NOT_FOUND),
              NajitFiltrZachytu(L"Neexistující zařízení", zadny));
    EXPECT_EQ(nullptr, zadny);
}

TEST_F(ZarizeniTest, TheAsfGraphsFailuresLeaveNothingBehind) {
    wchar_t docasna[MAX_PATH];
    ASSERT_NE(0u, ::GetTempPathW(MAX_PATH, docasna));
    const std::filesystem::path soubor =
        std::filesystem::path(docasna) /
        (L"zaznam-" + std::to_wstring(::GetCurrentProcessId()) + L".wma");
    const ZarizeniZaznamu prvni = SeznamZarizeni().front();

    GrafAsf graf;
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_NOT_FOUND),
              graf.PridatZarizeni({L"Neexistující zařízení", L"", L""}));
    graf.Zastavit();

    ASSERT_EQ(S_OK, graf.PridatZarizeni(prvni));
    // Wine cannot load the profile (E_NOTIMPL), so no writer and no file is made.
    EXPECT_EQ(E_NOTIMPL, graf.NastavitVystup(soubor.wstring(), kVychoziProfil));
    EXPECT_TRUE(FAILED(graf.Spustit()));
    graf.Zastavit();
    graf.Zastavit();
    EXPECT_FALSE(std::filesystem::exists(soubor));

    // The device was given back: a new graph takes it again.
    EXPECT_EQ(S_OK, graf.PridatZarizeni(prvni));
    // The destructor stops what is built.
}

} // namespace
} // namespace Vrbatec::Testy
