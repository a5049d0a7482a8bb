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

std::wstring NazevTestu() {
    std::wstring nazev;
    EXPECT_EQ(NazevSouboruAplikace(nazev), S_OK);
    return nazev;
}

// A module interface that records what reaches it, or refuses like an unfinished one.
class ModulTestu final : public IVrbatecModul {
public:
    std::wstring NazevAplikace() override { return L"Zvukolet"; }
    HRESULT VyznamnaChyba(const std::wstring& text) override {
        fatalni.push_back(text);
        return odpoved;
    }
    HRESULT ZobrazitZpravu(const std::wstring& text, UINT typ) override {
        zpravy.push_back({text, typ});
        return odpoved;
    }
    HRESULT odpoved = S_OK;
    std::vector<std::wstring> fatalni;
    std::vector<std::pair<std::wstring, UINT>> zpravy;
};

class ZverejnenyModul {
public:
    explicit ZverejnenyModul(IVrbatecModul* modul) { PublikovatModul(modul); }
    ~ZverejnenyModul() { PublikovatModul(nullptr); }
};

TEST(PopisHResult, SystemTextComesWithoutItsLineBreak) {
    const std::wstring popis = PopisHResult(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
    wchar_t* system = nullptr;
    const DWORD delka = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), LANG_USER_DEFAULT,
        reinterpret_cast<LPWSTR>(&system), 0, nullptr);
    ASSERT_GT(delka, 2u);
    std::wstring ocekavany(system, delka);
    LocalFree(system);
    ASSERT_EQ(ocekavany.back(), L'\n');
    ocekavany.pop_back();
    if (!ocekavany.empty() && ocekavany.back() == L'\r') {
        ocekavany.pop_back();
    }
    EXPECT_EQ(popis, ocekavany);
    EXPECT_FALSE(popis.empty());
}

TEST(PopisHResult, CodesWithoutSystemTextGetTheFallbacks) {
    EXPECT_EQ(PopisHResult(static_cast<HRESULT>(0x80040201u)), L"IDispatch error #1");
    EXPECT_EQ(PopisHResult(static_cast<HRESULT>(0x80040200u)), L"Unknown error 0x80040200");
}

TEST(TextChybyWin32, ZeroIsUnspecifiedOthersAreDescribed) {
    std::wstring text;
    EXPECT_EQ(TextChybyWin32(0, text), 1);
    EXPECT_EQ(text, L"Nespecifikovaná chyba");
    EXPECT_EQ(TextChybyWin32(ERROR_ACCESS_DENIED, text), 0);
    EXPECT_EQ(text, PopisHResult(E_ACCESSDENIED));
}

TEST(HResultPosledniChyby, FollowsTheLastErrorAndIsWhatOveritVolaniThrows) {
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

TEST(ZobrazitChybu, BeforeTheModuleIsPublishedTheBoxIsTitledWithTheFileName) {
    ZaznamHlaseni hlaseni;
    ZobrazitChybu(L"Něco se nepovedlo");
    ASSERT_EQ(hlaseni.okna.size(), 1u);
    EXPECT_EQ(hlaseni.okna[0].text, L"Něco se nepovedlo");
    EXPECT_EQ(hlaseni.okna[0].titulek, NazevTestu());
    EXPECT_EQ(hlaseni.okna[0].typ, 0x12010u);
}

TEST(ZobrazitChybu, GoesThroughTheModuleUnlessItRefuses) {
    ZaznamHlaseni hlaseni;
    ModulTestu modul;
    ZverejnenyModul zverejneni(&modul);

    ZobrazitChybu(L"První");
    ASSERT_EQ(modul.zpravy.size(), 1u);
    EXPECT_EQ(modul.zpravy[0].first, L"První");
    EXPECT_EQ(modul.zpravy[0].second, static_cast<UINT>(MB_ICONERROR));
    EXPECT_TRUE(hlaseni.okna.empty());

    modul.odpoved = E_NOTIMPL;
    ZobrazitChybu(L"Druhá");
    ASSERT_EQ(hlaseni.okna.size(), 1u);
    EXPECT_EQ(hlaseni.okna[0].text, L"Druhá");
    EXPECT_EQ(hlaseni.okna[0].titulek, NazevTestu());
}

TEST(ZobrazitChybuZTabulky, AddsAFullStopOnlyWhenMissing) {
    ZaznamHlaseni hlaseni;
    ZobrazitChybuZTabulky(IDS_INDEX_MIMO_ROZSAH);
    ZobrazitChybuZTabulky(IDS_ZKRATKA_POUZITA);
    ASSERT_EQ(hlaseni.okna.size(), 2u);
    EXPECT_EQ(hlaseni.okna[0].text, L"Index položky je mimo rozsah pole.");
    EXPECT_EQ(hlaseni.okna[1].text, L"Tato klávesová zkratka je již použita.");
}

TEST(ZobrazitChybuZTabulky, AMissingStringShowsTheLastErrorInstead) {
    // What the failed lookup leaves as the last error is what the box must describe.
    std::wstring nic;
    ASSERT_FALSE(NacistRetezec(20003, nic));
    std::wstring ocekavany;
    TextChybyWin32(GetLastError(), ocekavany);

    ZaznamHlaseni hlaseni;
    ZobrazitChybuZTabulky(20003);
    ASSERT_EQ(hlaseni.okna.size(), 1u);
    EXPECT_EQ(hlaseni.okna[0].text, ocekavany);
    EXPECT_NE(hlaseni.okna[0].text.back(), L'.') << "no full stop is added to a system text";
}

TEST(ZobrazitChybuZTabulkySPopisem, JoinsTheMessageAndTheSystemDescription) {
    ZaznamHlaseni hlaseni;
    ModulTestu modul;
    ZverejnenyModul zverejneni(&modul);
    ZobrazitChybuZTabulkySPopisem(IDS_CHYBA_PRIORITY, E_ACCESSDENIED);
    ASSERT_EQ(hlaseni.okna.size(), 1u);
    EXPECT_EQ(hlaseni.okna[0].text,
              L"Nepodařilo se nastavit prioritu prováděcího toku procesu.\n\nSystémový popis "
              L"chyby:\n" +
                  PopisHResult(E_ACCESSDENIED));
    EXPECT_EQ(hlaseni.okna[0].titulek, L"Zvukolet");
    EXPECT_EQ(hlaseni.okna[0].typ, 0x12010u);
}

TEST(ZobrazitTextZTabulky, ShowsTheStringAsItStandsOrNothing) {
    ZaznamHlaseni hlaseni;
    ModulTestu modul;
    ZverejnenyModul zverejneni(&modul);
    ZobrazitTextZTabulky(IDS_INDEX_MIMO_ROZSAH);
    ZobrazitTextZTabulky(20002);
    ASSERT_EQ(hlaseni.okna.size(), 2u);
    EXPECT_EQ(hlaseni.okna[0].text, L"Index položky je mimo rozsah pole");
    EXPECT_EQ(hlaseni.okna[1].text, L"");
    EXPECT_EQ(hlaseni.okna[1].titulek, L"Zvukolet");
}

TEST(OtazkaAnoNe, OnlyYesIsZero) {
    ZaznamHlaseni hlaseni;
    for (int odpoved : {IDYES, IDNO, IDCANCEL, 0}) {
        hlaseni.odpoved = odpoved;
        EXPECT_EQ(OtazkaAnoNe(L"Odebrat?"), odpoved == IDYES ? 0 : 1) << odpoved;
    }
    ASSERT_EQ(hlaseni.okna.size(), 4u);
    EXPECT_EQ(hlaseni.okna[0].typ, 0x12133u);
    EXPECT_EQ(hlaseni.okna[0].titulek, NazevTestu());
}

// Closes the first message box titled `titulek` as Escape would, and reports its text.
std::wstring ZavritOknoKlavesouEscape(const std::wstring& titulek) {
    for (int pokus = 0; pokus < 500; ++pokus) {
        if (HWND okno = FindWindowW(L"#32770", titulek.c_str())) {
            wchar_t text[256] = {};
            GetDlgItemTextW(okno, 0xFFFF, text, 256);
            PostMessageW(okno, WM_COMMAND, IDCANCEL, 0);
            return text;
        }
        Sleep(10);
    }
    return L"(box not found)";
}

TEST(OtazkaAnoNe, RealBoxClosedWithEscapeAnswersOne) {
    std::wstring textOkna;
    std::thread zavirac([&] { textOkna = ZavritOknoKlavesouEscape(NazevTestu()); });
    const int odpoved = OtazkaAnoNe(L"Opravdu odebrat vybraný zdroj?");
    zavirac.join();
    EXPECT_EQ(odpoved, 1);
    EXPECT_EQ(textOkna, L"Opravdu odebrat vybraný zdroj?");
}

TEST(FatalniChyba, WithoutModuleNamesTheExecutableAndEndsWithMinusOne) {
    ZaznamHlaseni hlaseni;
    try {
        FatalniHResult(E_ACCESSDENIED);
        FAIL() << "returned";
    } catch (const UkonceniProcesu& konec) {
        EXPECT_EQ(konec.kod, static_cast<UINT>(-1));
        EXPECT_FALSE(konec.nouzove);
    }
    ASSERT_EQ(hlaseni.okna.size(), 1u);
    const std::wstring nazev = NazevTestu();
    EXPECT_EQ(hlaseni.okna[0].titulek, nazev);
    EXPECT_EQ(hlaseni.okna[0].text, L"Došlo k významné chybě!\n\n" + PopisHResult(E_ACCESSDENIED) +
                                        L"\n\nAplikace \"" + nazev + L"\" bude ukončena.");
    EXPECT_EQ(hlaseni.okna[0].typ, 0x12010u);
}

TEST(FatalniChyba, PublishedModuleTakesOverUnlessItRefuses) {
    ZaznamHlaseni hlaseni;
    ModulTestu modul;
    ZverejnenyModul zverejneni(&modul);
    modul.odpoved = E_NOTIMPL;
    EXPECT_THROW(FatalniChyba(L"Chybí okno"), UkonceniProcesu);
    ASSERT_EQ(modul.fatalni.size(), 1u);
    EXPECT_EQ(modul.fatalni[0], L"Chybí okno");
    // The refusal falls back to the box of its own.
    ASSERT_EQ(hlaseni.okna.size(), 1u);
    EXPECT_EQ(hlaseni.okna[0].titulek, NazevTestu());
}

TEST(ZapsatDoProtokoluUdalosti, ReportsUnderTheProductName) {
    ZaznamHlaseni hlaseni;
    ModulTestu modul;
    ZverejnenyModul zverejneni(&modul);
    EXPECT_EQ(ZapsatDoProtokoluUdalosti(L"Text události"), S_OK);
    ASSERT_EQ(hlaseni.udalosti.size(), 1u);
    EXPECT_EQ(hlaseni.udalosti[0].zdroj, L"Zvukolet");
    EXPECT_EQ(hlaseni.udalosti[0].text, L"Text události");
}

TEST(ZapsatDoProtokoluUdalosti, RealEventLogAcceptsTheReport) {
    // The system's event log: under Wine a stub, on Windows a real entry.
    EXPECT_EQ(SystemHlaseni().ZapsatUdalost(L"Zvukolet test", L"Zkouška"), S_OK);
}

} // namespace
