// Reporting under Wine with the real FormatMessageW, string table and module name.
#include <gtest/gtest.h>

#include <windows.h>

#include "winapi/Diagnostika.h"
#include "winapi/IVrbatecModul.h"
#include "res/resource.h"
#include "support/ZaznamHlaseni.h"

namespace {

using namespace Vrbatec;
using Testy::UkonceniProcesu;
using Testy::ZaznamHlaseni;

constexpr UINT kTypChyby = 0x12010;

std::wstring NazevTestu() {
    std::wstring nazev;
    EXPECT_EQ(NazevSouboruAplikace(nazev), S_OK);
    return nazev;
}

// A published module interface that records what reaches it, or refuses like an unfinished
// one.
class ModulTestu final : public IVrbatecModul {
public:
    ModulTestu() { PublikovatModul(this); }
    ~ModulTestu() { PublikovatModul(nullptr); }
    std::wstring NazevAplikace() override { return L"Zvukolet"; }
    HRESULT VyznamnaChyba(const std::wstring& text) override {
        return fatalni.push_back(text), odpoved;
    }
    HRESULT ZobrazitZpravu(const std::wstring& text, UINT typ) override {
        return zpravy.push_back({text, typ}), odpoved;
    }
    HINSTANCE Instance() const override { return GetModuleHandleW(nullptr); }
    HICON IkonaVelka() const override { return nullptr; }
    HICON IkonaMala() const override { return nullptr; }
    void OtevritUrl(const std::wstring&) override {}
    HRESULT odpoved = S_OK;
    std::vector<std::wstring> fatalni;
    std::vector<std::pair<std::wstring, UINT>> zpravy;
};

TEST(ZobrazitChybu, ThroughThePublishedModuleElseInABoxWithTableTextsAndDescriptionsJoined) {
    ZaznamHlaseni hlaseni;
    ZobrazitChybuZTabulky(IDS_ZKRATKA_POUZITA);
    ModulTestu modul; // its name titles the boxes that do not go through it
    ZobrazitChybu(L"První");
    EXPECT_EQ(modul.zpravy, (decltype(modul.zpravy){{L"První", MB_ICONERROR}}));
    ZobrazitChybuZTabulkySPopisem(IDS_CHYBA_PRIORITY, E_ACCESSDENIED);
    modul.odpoved = E_NOTIMPL;
    ZobrazitChybu(L"Druhá");
    std::vector<std::wstring> texty;
    for (const auto& okno : hlaseni.okna) {
        texty.push_back(okno.text);
        EXPECT_EQ(okno.typ, kTypChyby);
    }
    EXPECT_EQ(texty, (std::vector<std::wstring>{
                         L"Tato klávesová zkratka je již použita.",
                         L"Nepodařilo se nastavit prioritu prováděcího toku procesu.\n\nSystémový "
                         L"popis chyby:\n" +
                             PopisHResult(E_ACCESSDENIED),
                         L"Druhá"}));
    EXPECT_EQ(hlaseni.okna[1].titulek, L"Zvukolet");
    EXPECT_EQ(hlaseni.okna.back().titulek, NazevTestu());
}

TEST(FatalniChyba, ARefusingModuleFallsBackToABoxNamingTheExecutable) {
    ZaznamHlaseni hlaseni;
    ModulTestu modul;
    modul.odpoved = E_NOTIMPL;
    // The exit code is checked with the application's module (aplikace_test.cpp).
    EXPECT_THROW(FatalniHResult(E_ACCESSDENIED), UkonceniProcesu);
    EXPECT_EQ(modul.fatalni, (std::vector<std::wstring>{PopisHResult(E_ACCESSDENIED)}));
    ASSERT_EQ(hlaseni.okna.size(), 1u);
    EXPECT_EQ(hlaseni.okna[0].titulek, NazevTestu());
    EXPECT_TRUE(hlaseni.okna[0].text.find(L"\"" + NazevTestu() + L"\" bude ukončena") !=
                std::wstring::npos);
}

} // namespace
