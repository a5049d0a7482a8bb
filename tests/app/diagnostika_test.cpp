// Reporting under Wine with the real FormatMessageW, string table and module name.
#include <gtest/gtest.h>

#include <windows.h>

#include <thread>

#include "app/Diagnostika.h"
#include "app/IVrbatecModul.h"
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
    HRESULT odpoved = S_OK;
    std::vector<std::wstring> fatalni;
    std::vector<std::pair<std::wstring, UINT>> zpravy;
};

TEST(PopisHResult, SystemTextsComeWithoutTheirLineBreakOthersGetTheFallbacks) {
    const std::wstring popis = PopisHResult(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
    ASSERT_GT(popis.size(), 2u);
    EXPECT_NE(popis.back(), L'\n');
    EXPECT_EQ(popis.find(L"Unknown error"), std::wstring::npos);
    // Which fallback text fits which code is tested natively (diagnostika_text_test.cpp).
    EXPECT_EQ(PopisHResult(static_cast<HRESULT>(0x80040200u)), L"Unknown error 0x80040200");
}

TEST(HResultPosledniChyby, FollowsTheLastErrorAndIsWhatOveritVolaniThrows) {
    std::wstring text;
    EXPECT_EQ(TextChybyWin32(0, text), 1);
    EXPECT_EQ(text, L"Nespecifikovaná chyba");
    EXPECT_EQ(TextChybyWin32(ERROR_ACCESS_DENIED, text), 0);
    EXPECT_EQ(text, PopisHResult(E_ACCESSDENIED));

    SetLastError(0);
    EXPECT_EQ(HResultPosledniChyby(), E_FAIL);
    EXPECT_NO_THROW(OveritVolani(true));
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    try {
        OveritVolani(false);
        FAIL() << "no failure thrown";
    } catch (HRESULT hr) {
        EXPECT_EQ(hr, HRESULT_FROM_WIN32(ERROR_INVALID_WINDOW_HANDLE));
    }
}

TEST(ZobrazitChybu, ThroughThePublishedModuleElseInABoxWithTableTextsAndDescriptionsJoined) {
    ZaznamHlaseni hlaseni;
    ZobrazitChybuZTabulky(IDS_INDEX_MIMO_ROZSAH);
    ZobrazitChybuZTabulky(IDS_ZKRATKA_POUZITA);
    ModulTestu modul; // its name titles the boxes that do not go through it
    ZobrazitChybu(L"První");
    EXPECT_EQ(modul.zpravy, (decltype(modul.zpravy){{L"První", MB_ICONERROR}}));
    ZobrazitTextZTabulky(IDS_INDEX_MIMO_ROZSAH);
    ZobrazitTextZTabulky(20002);
    ZobrazitChybuZTabulkySPopisem(IDS_CHYBA_PRIORITY, E_ACCESSDENIED);
    modul.odpoved = E_NOTIMPL;
    ZobrazitChybu(L"Druhá");
    std::vector<std::wstring> texty;
    for (const auto& okno : hlaseni.okna) {
        texty.push_back(okno.text);
        EXPECT_EQ(okno.typ, kTypChyby);
    }
    EXPECT_EQ(texty,
              (std::vector<std::wstring>{
                  L"Index položky je mimo rozsah pole.", L"Tato klávesová zkratka je již použita.",
                  L"Index položky je mimo rozsah pole", L"",
                  L"Nepodařilo se nastavit prioritu prováděcího toku procesu.\n\nSystémový "
                  L"popis chyby:\n" +
                      PopisHResult(E_ACCESSDENIED),
                  L"Druhá"}));
    EXPECT_EQ(hlaseni.okna[4].titulek, L"Zvukolet");
    EXPECT_EQ(hlaseni.okna.back().titulek, NazevTestu());
}

TEST(ZobrazitChybuZTabulky, AMissingStringShowsTheLastErrorInstead) {
    // What the failed lookup leaves as the last error is what the box must describe; without a
    // full stop added, which shows as long as that text has none of its own.
    SetLastError(0);
    std::wstring nic;
    ASSERT_FALSE(NacistRetezec(20003, nic));
    std::wstring ocekavany;
    TextChybyWin32(GetLastError(), ocekavany);

    ZaznamHlaseni hlaseni;
    SetLastError(0);
    ZobrazitChybuZTabulky(20003);
    ASSERT_EQ(hlaseni.okna.size(), 1u);
    EXPECT_EQ(hlaseni.okna[0].text, ocekavany);
}

TEST(OtazkaAnoNe, OnlyYesIsZero) {
    ZaznamHlaseni hlaseni;
    for (int odpoved : {IDYES, IDNO, IDCANCEL, 0}) {
        hlaseni.odpoved = odpoved;
        EXPECT_EQ(OtazkaAnoNe(L"Odebrat?"), odpoved == IDYES ? 0 : 1) << odpoved;
    }
    EXPECT_EQ(hlaseni.okna.back().typ, 0x12133u);
    EXPECT_EQ(hlaseni.okna.back().titulek, NazevTestu());
}

TEST(OtazkaAnoNe, RealBoxClosedWithEscapeAnswersOne) {
    std::wstring textOkna = L"(box not found)";
    std::thread zavirac([&] {
        for (int pokus = 0; pokus < 500; ++pokus, Sleep(10)) {
            if (HWND okno = FindWindowW(L"#32770", NazevTestu().c_str())) {
                wchar_t text[256] = {};
                GetDlgItemTextW(okno, 0xFFFF, text, 256);
                textOkna = text;
                PostMessageW(okno, WM_COMMAND, IDCANCEL, 0);
                return;
            }
        }
    });
    const int odpoved = OtazkaAnoNe(L"Opravdu odebrat vybraný zdroj?");
    zavirac.join();
    EXPECT_EQ(odpoved, 1);
    EXPECT_EQ(textOkna, L"Opravdu odebrat vybraný zdroj?");
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
