// The device and profile combo boxes on real drop-down lists, the devices from the tests' own
// lists.
#include <gtest/gtest.h>

#include <objbase.h>

#include <utility>
#include <vector>

#include "config/Nastaveni.h"
#include "recording/ComboBoxZarizeniZaznam.h"
#include "recording/SpravceProfilu.h"
#include "winapi/OknaTestu.h"

namespace Vrbatec::Testy {
namespace {

constexpr int kCombo = 300;

class ComboZaznamuTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    }
    static void TearDownTestSuite() { ::CoUninitialize(); }

    HWND NovyCombo() { return rodic_.VytvoritDite(L"COMBOBOX", kCombo, CBS_DROPDOWNLIST); }

    RodicTestu rodic_;
};

TEST_F(ComboZaznamuTest, FillSelectsTheLaterCaseVariantOrTheFirstDevice) {
    std::vector<ZarizeniZaznamu> seznam{
        {L"Line", L"", L"p0"}, {L"mikrofon", L"", L"p1"}, {L"Mikrofon", L"", L"p2"}};
    ComboBoxZarizeniZaznam combo(seznam);
    combo.Pripojit(NovyCombo());

    ASSERT_EQ(S_OK, combo.Naplnit({L"MIKROFON", L"", L""}));
    ASSERT_EQ(3, combo.Pocet());
    EXPECT_EQ(L"mikrofon", combo.TextPolozky(1));
    EXPECT_EQ(2, combo.Vyber());
    ZarizeniZaznamu vybrane;
    ASSERT_EQ(0, combo.Vybrane(vybrane));
    EXPECT_EQ(seznam[2], vybrane);

    // A stored name that no device has any more: the first device, the settings unchanged.
    ASSERT_EQ(S_OK, combo.Naplnit({L"Odpojený", L"", L""}));
    EXPECT_EQ(3, combo.Pocet());
    EXPECT_EQ(0, combo.Vyber());

    // The list shrank after the filling: the selected item's index is outside it.
    combo.Vybrat(2);
    seznam.pop_back();
    EXPECT_EQ(1, combo.Vybrane(vybrane));
    EXPECT_EQ(L"Mikrofon", vybrane.nazev); // unchanged

    // No devices: nothing to select.
    seznam.clear();
    ASSERT_EQ(S_OK, combo.Naplnit({L"Line", L"", L""}));
    EXPECT_EQ(0, combo.Pocet());
    EXPECT_EQ(1, combo.Vybrane(vybrane));
    EXPECT_EQ(L"Mikrofon", vybrane.nazev);
}

// Wine's profile manager loads no profile (LoadProfileByID is E_NOTIMPL), so only the WAV
// profile is offered, as on a Windows edition without Windows Media components (no manager).
// Where the manager loads them, the seven Windows Media profiles come first: Windows only.
TEST_F(ComboZaznamuTest, WhereNoProfileLoadsOnlyWavIsOffered) {
    SpravceProfilu vytvoreny;
    ASSERT_TRUE(SUCCEEDED(vytvoreny.Vytvorit()));
    Microsoft::WRL::ComPtr<IWMProfile> profil;
    EXPECT_TRUE(FAILED(vytvoreny.Nacist(kVychoziProfil, profil)));
    EXPECT_EQ(nullptr, profil);
    const SpravceProfilu bezSpravce;

    WinApi::ComboBox combo;
    combo.Pripojit(NovyCombo());
    for (const SpravceProfilu* spravce : {&std::as_const(vytvoreny), &bezSpravce}) {
        ASSERT_EQ(S_OK, NaplnitKomboProfilu(combo, *spravce, ProfilyZaznamu::kProfilWav));
        ASSERT_EQ(1, combo.Pocet());
        EXPECT_EQ(L"WAV (PCM, bez komprese)", combo.TextPolozky(0));
        EXPECT_EQ(&ProfilyZaznamu::Nabizene()[7], VybranyProfil(combo));

        // The chosen profile is not offered here: no selection.
        ASSERT_EQ(S_OK, NaplnitKomboProfilu(combo, *spravce, kVychoziProfil));
        EXPECT_EQ(1, combo.Pocet());
        EXPECT_EQ(-1, combo.Vyber());
        EXPECT_EQ(nullptr, VybranyProfil(combo));
    }
}

} // namespace
} // namespace Vrbatec::Testy
