// The two views of the source list kept on one selection, and adding, editing, removing and
// sorting through them, against a list file in a folder of the test's own.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "OknoPohleduTestu.h"
#include "config/UlozisteNastaveni.h"
#include "res/resource.h"
#include "sources/PohledyZdroju.h"
#include "support/ZaznamHlaseni.h"

namespace {

using namespace Vrbatec;
namespace fs = std::filesystem;

void ChybaIndexu(std::int32_t kod) {
    throw static_cast<HRESULT>(kod);
}

std::string ObsahSouboru(const fs::path& cesta) {
    std::ifstream soubor(cesta, std::ios::binary);
    return {std::istreambuf_iterator<char>(soubor), std::istreambuf_iterator<char>()};
}

class PohledyZdrojuTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Testy::PripravitProstredkyAplikace(); }

    void SetUp() override {
        puvodniNastaveni_ = NastaveniAplikace();
        slozka_ = fs::temp_directory_path() /
                  (L"zvukolet-pohledy-" + std::to_wstring(::GetCurrentProcessId()));
        fs::create_directories(slozka_);
        soubor = slozka_ / L"Zvukolet.xml";
        fs::remove(soubor);
        NastaveniAplikace().soubor = soubor.wstring();
        NastaveniAplikace().prehravanyIndex = -1;
        rodic.pohledy = &pohledy;
        pohledy.PripojitCombo(rodic.VytvoritCombo());
    }

    void TearDown() override {
        pohledy.OdpojitCombo();
        pohledy.ZrusitSeznam();
        rodic.pohledy = nullptr;
        NastaveniAplikace() = puvodniNastaveni_;
        fs::remove_all(slozka_);
    }

    // Three sources written to the file, shown in both views.
    void TriZdroje() {
        seznam.Pridat(L"Rádio Beat", L"http://a.example/", true);
        seznam.Pridat(L"Country 24", L"http://c.example/", true);
        seznam.Pridat(L"Jazz", L"http://b.example/", true);
        uloziste.Ulozit(soubor.wstring());
        pohledy.NaplnitCombo();
        pohledy.VytvoritSeznam(::GetModuleHandleW(nullptr), rodic.Hwnd(), false);
    }

    std::vector<Zdroj> ZeSouboru() {
        SeznamZdroju precteny(ChybaIndexu);
        UlozisteZdroju(precteny).Nacist(soubor.wstring());
        return precteny.Vse();
    }

    std::vector<std::wstring> Nazvy() const {
        std::vector<std::wstring> nazvy;
        for (const Zdroj& zdroj : seznam.Vse()) {
            nazvy.push_back(zdroj.nazev);
        }
        return nazvy;
    }

    HWND Combo() const { return ::GetDlgItem(rodic.Hwnd(), IDC_COMBO_ZDROJU); }
    int VyberCombo() const { return static_cast<int>(::SendMessageW(Combo(), CB_GETCURSEL, 0, 0)); }
    int VyberSeznamu() const {
        return static_cast<int>(::SendMessageW(pohledy.SeznamHwnd(), LVM_GETNEXTITEM,
                                               static_cast<WPARAM>(-1), LVNI_SELECTED));
    }

    void KliknoutNaSloupec(int sloupec) {
        NMLISTVIEW oznameni{};
        oznameni.hdr = {pohledy.SeznamHwnd(), IDC_SEZNAM_ZDROJU, LVN_COLUMNCLICK};
        oznameni.iItem = -1;
        oznameni.iSubItem = sloupec;
        ::SendMessageW(rodic.Hwnd(), WM_NOTIFY, IDC_SEZNAM_ZDROJU,
                       reinterpret_cast<LPARAM>(&oznameni));
    }

    void VybratVCombu(int polozka) {
        ::SendMessageW(Combo(), CB_SETCURSEL, static_cast<WPARAM>(polozka), 0);
        ::SendMessageW(rodic.Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_COMBO_ZDROJU, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(Combo()));
    }

    Testy::ZaznamHlaseni hlaseni;
    Testy::OknoPohleduTestu rodic;
    Testy::OkoliTestu okoli;
    SeznamZdroju seznam{ChybaIndexu};
    UlozisteZdroju uloziste{seznam};
    PohledyZdroju pohledy{seznam, uloziste, okoli};
    fs::path soubor;

private:
    Nastaveni puvodniNastaveni_;
    fs::path slozka_;
};

TEST_F(PohledyZdrojuTest, AddingToAnEmptyListSelectsTheNewSourceEverywhereAndWritesIt) {
    pohledy.VytvoritSeznam(::GetModuleHandleW(nullptr), rodic.Hwnd(), true);
    EXPECT_EQ(pohledy.VybranyIndex(), -1);

    std::wstring nabidnutyNazev;
    std::wstring nabidnutaUrl;
    Testy::ObsluhaDialogu obsluha([&](HWND dialog) {
        nabidnutyNazev = Testy::TextPrvku(dialog, IDC_NAZEV_ZDROJE);
        nabidnutaUrl = Testy::TextPrvku(dialog, IDC_URL_ZDROJE);
        ::SetDlgItemTextW(dialog, IDC_NAZEV_ZDROJE, L"Rádio Wien");
        ::SetDlgItemTextW(dialog, IDC_URL_ZDROJE, L"http://wien.example/");
        Testy::Kliknout(dialog, IDOK);
    });
    pohledy.Pridat();

    ASSERT_TRUE(obsluha.probehla);
    EXPECT_EQ(nabidnutyNazev, L"Nový zdroj");
    EXPECT_EQ(nabidnutaUrl, L"http://");
    const Zdroj ocekavany{L"Rádio Wien", L"http://wien.example/", -1, true};
    EXPECT_EQ(seznam.Vse(), std::vector<Zdroj>{ocekavany});
    EXPECT_EQ(pohledy.VybranyIndex(), 0);
    EXPECT_EQ(VyberSeznamu(), 0);
    EXPECT_EQ(VyberCombo(), 0);
    EXPECT_EQ(ZeSouboru(), std::vector<Zdroj>{ocekavany});
    EXPECT_GT(okoli.zmenVyberu, 0);
    EXPECT_TRUE(hlaseni.okna.empty());
}

TEST_F(PohledyZdrojuTest, RemovingTheSelectedLastSourceSelectsTheNewLast) {
    TriZdroje();
    pohledy.VybratIndex(2);
    hlaseni.odpoved = IDYES;
    pohledy.Odebrat();

    ASSERT_EQ(hlaseni.okna.size(), 1u);
    EXPECT_EQ(hlaseni.okna[0].text, L"Opravdu chcete \"Jazz\" trvale odebrat ze seznamu?");
    EXPECT_EQ(Nazvy(), (std::vector<std::wstring>{L"Rádio Beat", L"Country 24"}));
    EXPECT_EQ(pohledy.VybranyIndex(), 1);
    EXPECT_EQ(VyberSeznamu(), 1);
    EXPECT_EQ(VyberCombo(), 1);
    EXPECT_EQ(::SendMessageW(Combo(), CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(ZeSouboru(), seznam.Vse());
}

TEST_F(PohledyZdrojuTest, RemovingTheOnlySourceLeavesNoSelectionAndAnEmptyFile) {
    seznam.Pridat(L"Jediný", L"http://a.example/", false);
    pohledy.VytvoritSeznam(::GetModuleHandleW(nullptr), rodic.Hwnd(), false);
    hlaseni.odpoved = IDYES;
    pohledy.Odebrat();
    EXPECT_EQ(seznam.Pocet(), 0u);
    EXPECT_EQ(pohledy.VybranyIndex(), -1);
    EXPECT_EQ(VyberCombo(), -1);
    EXPECT_TRUE(fs::exists(soubor));
    EXPECT_TRUE(ZeSouboru().empty());
}

TEST_F(PohledyZdrojuTest, AnyAnswerButYesKeepsListAndFile) {
    TriZdroje();
    const std::vector<Zdroj> predtim = seznam.Vse();
    const std::string souborPredtim = ObsahSouboru(soubor);
    for (const int odpoved : {IDNO, IDCANCEL}) {
        pohledy.VybratIndex(1);
        hlaseni.odpoved = odpoved;
        pohledy.Odebrat();
        EXPECT_EQ(seznam.Vse(), predtim) << odpoved;
        EXPECT_EQ(ObsahSouboru(soubor), souborPredtim) << odpoved;
        EXPECT_EQ(pohledy.VybranyIndex(), 1) << odpoved;
    }
    EXPECT_EQ(hlaseni.okna.size(), 2u);
}

TEST_F(PohledyZdrojuTest, CommandsWithoutAValidSelectionOnlyShowTheIndexMessage) {
    pohledy.VytvoritSeznam(::GetModuleHandleW(nullptr), rodic.Hwnd(), false);
    Testy::ObsluhaDialogu obsluha([](HWND dialog) { Testy::Kliknout(dialog, IDCANCEL); });
    pohledy.Upravit();
    pohledy.Odebrat();
    EXPECT_FALSE(obsluha.probehla);
    ASSERT_EQ(hlaseni.okna.size(), 2u);
    EXPECT_EQ(hlaseni.okna[0].text, L"Index položky je mimo rozsah pole");
    EXPECT_EQ(hlaseni.okna[0].typ & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    EXPECT_FALSE(fs::exists(soubor));
}

TEST_F(PohledyZdrojuTest, HeaderClicksSortTheListItselfAndRefillBothViews) {
    TriZdroje();
    const std::string souborPredtim = ObsahSouboru(soubor);
    const std::vector<std::wstring> vzestupne{L"Country 24", L"Jazz", L"Rádio Beat"};
    const std::vector<std::wstring> sestupne(vzestupne.rbegin(), vzestupne.rend());
    std::vector<std::vector<std::wstring>> poradi;
    for (int klik = 0; klik < 3; ++klik) {
        KliknoutNaSloupec(0);
        poradi.push_back(Nazvy());
    }
    EXPECT_EQ(poradi, (std::vector<std::vector<std::wstring>>{vzestupne, sestupne, vzestupne}));

    KliknoutNaSloupec(1);
    EXPECT_EQ(Nazvy(), (std::vector<std::wstring>{L"Rádio Beat", L"Jazz", L"Country 24"}));
    KliknoutNaSloupec(1);
    EXPECT_EQ(Nazvy(), (std::vector<std::wstring>{L"Country 24", L"Jazz", L"Rádio Beat"}));

    // Both views show the new order; the file waits for the next change.
    wchar_t text[64] = {};
    ::SendMessageW(Combo(), CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::wstring(text), L"Country 24");
    LVITEMW dotaz{};
    dotaz.pszText = text;
    dotaz.cchTextMax = 64;
    ::SendMessageW(pohledy.SeznamHwnd(), LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&dotaz));
    EXPECT_EQ(std::wstring(text), L"Country 24");
    EXPECT_EQ(ObsahSouboru(soubor), souborPredtim);
}

TEST_F(PohledyZdrojuTest, CancelledEditLeavesSourceAndFileAlone) {
    TriZdroje();
    pohledy.VybratIndex(1);
    const std::vector<Zdroj> predtim = seznam.Vse();
    const std::string souborPredtim = ObsahSouboru(soubor);
    std::wstring nabidnutyNazev;
    Testy::ObsluhaDialogu obsluha([&](HWND dialog) {
        nabidnutyNazev = Testy::TextPrvku(dialog, IDC_NAZEV_ZDROJE);
        ::SetDlgItemTextW(dialog, IDC_NAZEV_ZDROJE, L"Jiný");
        Testy::Kliknout(dialog, IDC_ZDROJ_V_NABIDCE);
        Testy::Kliknout(dialog, IDCANCEL);
    });
    pohledy.Upravit();
    ASSERT_TRUE(obsluha.probehla);
    EXPECT_EQ(nabidnutyNazev, L"Country 24");
    EXPECT_EQ(seznam.Vse(), predtim);
    EXPECT_EQ(ObsahSouboru(soubor), souborPredtim);
}

TEST_F(PohledyZdrojuTest, ConfirmedEditWithOwnVolumeIsWrittenAndShown) {
    TriZdroje();
    pohledy.VybratIndex(2);
    Testy::ObsluhaDialogu obsluha([&](HWND dialog) {
        ::SetDlgItemTextW(dialog, IDC_NAZEV_ZDROJE, L"Jazz 24");
        Testy::Kliknout(dialog, IDC_VLASTNI_HLASITOST);
        ::SendDlgItemMessageW(dialog, IDC_HLASITOST, TBM_SETPOS, TRUE, 40);
        Testy::Kliknout(dialog, IDC_ZDROJ_V_NABIDCE);
        Testy::Kliknout(dialog, IDOK);
    });
    pohledy.Upravit();
    const Zdroj ocekavany{L"Jazz 24", L"http://b.example/", 40, false};
    EXPECT_EQ(seznam.Polozka(2), ocekavany);
    EXPECT_EQ(ZeSouboru().at(2), ocekavany);
    wchar_t text[64] = {};
    ::SendMessageW(Combo(), CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::wstring(text), L"Jazz 24");
    EXPECT_EQ(VyberSeznamu(), 2);
}

TEST_F(PohledyZdrojuTest, ComboChoiceSelectsAndPlaysOnlyWhenTheSettingSaysSo) {
    TriZdroje();
    NastaveniAplikace().spustitZmenouCB = false;
    VybratVCombu(2);
    EXPECT_EQ(pohledy.VybranyIndex(), 2);
    EXPECT_EQ(VyberSeznamu(), 2);
    EXPECT_TRUE(okoli.kroky.empty());

    NastaveniAplikace().spustitZmenouCB = true;
    VybratVCombu(0);
    EXPECT_EQ(pohledy.VybranyIndex(), 0);
    EXPECT_EQ(VyberSeznamu(), 0);
    EXPECT_EQ(okoli.kroky, (std::vector<std::wstring>{L"zastavit", L"přehrát"}));
}

TEST_F(PohledyZdrojuTest, ListSelectionReachesTheComboAndDoubleClickPlays) {
    TriZdroje();
    ListView_SetItemState(pohledy.SeznamHwnd(), 1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(pohledy.VybranyIndex(), 1);
    EXPECT_EQ(VyberCombo(), 1);

    NMHDR dvojklik{pohledy.SeznamHwnd(), IDC_SEZNAM_ZDROJU, static_cast<UINT>(NM_DBLCLK)};
    ::SendMessageW(rodic.Hwnd(), WM_NOTIFY, IDC_SEZNAM_ZDROJU, reinterpret_cast<LPARAM>(&dvojklik));
    EXPECT_EQ(okoli.kroky, std::vector<std::wstring>{L"přehrát"});
}

TEST_F(PohledyZdrojuTest, OnlyTheFirstShowingRestoresTheLastPlayedSource) {
    TriZdroje(); // shown without restoring: the first source
    EXPECT_EQ(pohledy.VybranyIndex(), 0);
    NastaveniAplikace().prehravanyIndex = 2;
    pohledy.ZrusitSeznam();
    pohledy.VytvoritSeznam(::GetModuleHandleW(nullptr), rodic.Hwnd(), true);
    EXPECT_EQ(VyberSeznamu(), 2);
    EXPECT_EQ(VyberCombo(), 2);

    pohledy.VybratIndex(1);
    pohledy.ZrusitSeznam();
    EXPECT_EQ(pohledy.SeznamHwnd(), nullptr);
    pohledy.VytvoritSeznam(::GetModuleHandleW(nullptr), rodic.Hwnd(), false);
    EXPECT_EQ(VyberSeznamu(), 1);
}

} // namespace
