// The two views of the source list kept on one selection, and adding, editing, removing and
// sorting through them, against a list file in a folder of the test's own.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "config/UlozisteNastaveni.h"
#include "res/resource.h"
#include "sources/PohledyZdroju.h"
#include "support/ZaznamHlaseni.h"
#include "winapi/OknaTestu.h"

namespace {

using namespace Vrbatec;
namespace fs = std::filesystem;

class OkoliTestu final : public PohledyZdroju::Okoli {
public:
    void ZmenilSeVyber() override {}
    void PrehratVybrany() override { kroky.push_back(L"přehrát"); }
    void Zastavit() override { kroky.push_back(L"zastavit"); }
    int PrehravanyIndex() const override { return -1; }

    std::vector<std::wstring> kroky;
};

class PohledyZdrojuTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Testy::PripravitProstredkyAplikace(); }

    void SetUp() override {
        fs::create_directories(slozka_);
        NastaveniAplikace().soubor = soubor.wstring();
        rodic.pohledy = &pohledy;
        pohledy.PripojitCombo(rodic.VytvoritDite(WC_COMBOBOXW, IDC_COMBO_ZDROJU, CBS_DROPDOWNLIST));
    }

    void TearDown() override {
        rodic.pohledy = nullptr;
        NastaveniAplikace() = puvodniNastaveni_;
        fs::remove_all(slozka_);
    }

    // Three sources in the file and both views; the first is selected.
    void TriZdroje() {
        seznam.Pridat(L"Rádio Beat", L"http://a.example/", true);
        seznam.Pridat(L"Country 24", L"http://c.example/", true);
        seznam.Pridat(L"Jazz", L"http://d.example/", true);
        uloziste.Ulozit(soubor.wstring());
        pohledy.VytvoritSeznam(::GetModuleHandleW(nullptr), rodic.Hwnd(), false);
        pohledy.NaplnitCombo();
    }

    std::vector<Zdroj> ZeSouboru() const {
        SeznamZdroju precteny(Testy::ChybaIndexu);
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
    int VyberCombo() const { return ComboBox_GetCurSel(Combo()); }
    int VyberSeznamu() const {
        return ListView_GetNextItem(pohledy.SeznamHwnd(), -1, LVNI_SELECTED);
    }

    void KliknoutNaSloupec(int sloupec) {
        NMLISTVIEW oznameni{.hdr = {pohledy.SeznamHwnd(), IDC_SEZNAM_ZDROJU, LVN_COLUMNCLICK},
                            .iSubItem = sloupec};
        ::SendMessageW(rodic.Hwnd(), WM_NOTIFY, IDC_SEZNAM_ZDROJU,
                       reinterpret_cast<LPARAM>(&oznameni));
    }

    const Nastaveni puvodniNastaveni_ = NastaveniAplikace();
    // ctest runs the tests of this file as processes side by side.
    const fs::path slozka_ = fs::temp_directory_path() /
                             (L"zvukolet-pohledy-" + std::to_wstring(::GetCurrentProcessId()));
    const fs::path soubor = slozka_ / L"Zvukolet.xml";
    Testy::ZaznamHlaseni hlaseni;
    Testy::RodicTestu rodic;
    OkoliTestu okoli;
    SeznamZdroju seznam{Testy::ChybaIndexu};
    UlozisteZdroju uloziste{seznam};
    PohledyZdroju pohledy{seznam, uloziste, okoli};
};

TEST_F(PohledyZdrojuTest, AddingToAnEmptyListSelectsTheNewSourceEverywhereAndWritesIt) {
    pohledy.VytvoritSeznam(::GetModuleHandleW(nullptr), rodic.Hwnd(), true);
    std::wstring nabidnuto;
    Testy::ObsluhaDialogu obsluha([&](HWND dialog) {
        nabidnuto = Testy::TextPrvku(dialog, IDC_NAZEV_ZDROJE) + L" " +
                    Testy::TextPrvku(dialog, IDC_URL_ZDROJE);
        ::SetDlgItemTextW(dialog, IDC_NAZEV_ZDROJE, L"Rádio Wien");
        Testy::Kliknout(dialog, IDOK);
    });
    pohledy.Pridat();

    EXPECT_EQ(nabidnuto, L"Nový zdroj http://");
    const std::vector<Zdroj> ocekavane{{L"Rádio Wien", L"http://", -1, true}};
    EXPECT_EQ(ZeSouboru(), ocekavane);
    EXPECT_EQ(pohledy.VybranyIndex(), 0);
    EXPECT_EQ(VyberSeznamu(), 0);
    EXPECT_EQ(VyberCombo(), 0);
}

TEST_F(PohledyZdrojuTest, RemovalNeedsAYesAndThenSelectsTheNewLast) {
    TriZdroje();
    pohledy.VybratIndex(2);
    const std::vector<Zdroj> puvodni = seznam.Vse();
    hlaseni.odpoved = IDNO;
    pohledy.Odebrat();
    EXPECT_EQ(seznam.Vse(), puvodni);
    EXPECT_EQ(ZeSouboru(), puvodni);
    hlaseni.odpoved = IDYES;
    pohledy.Odebrat();
    EXPECT_EQ(hlaseni.okna.back().text, L"Opravdu chcete \"Jazz\" trvale odebrat ze seznamu?");
    EXPECT_EQ(Nazvy(), (std::vector<std::wstring>{L"Rádio Beat", L"Country 24"}));
    EXPECT_EQ(ZeSouboru(), seznam.Vse());
    EXPECT_EQ(VyberSeznamu(), 1);
    EXPECT_EQ(VyberCombo(), 1);

    pohledy.VybratIndex(-1);
    pohledy.Odebrat(); // nothing selected: the index message instead of a question
    EXPECT_EQ(hlaseni.okna.back().text, L"Index položky je mimo rozsah pole");
    EXPECT_EQ(hlaseni.okna.size(), 3u);
}

TEST_F(PohledyZdrojuTest, HeaderClicksSortTheListAndItsViewButNotTheFile) {
    TriZdroje();
    const std::vector<Zdroj> puvodni = seznam.Vse();
    const std::pair<int, std::vector<std::wstring>> kroky[] = {
        {0, {L"Country 24", L"Jazz", L"Rádio Beat"}},
        {1, {L"Rádio Beat", L"Country 24", L"Jazz"}}, // by URL, ascending again
    };
    for (const auto& [sloupec, poradi] : kroky) {
        KliknoutNaSloupec(sloupec);
        EXPECT_EQ(Nazvy(), poradi);
        wchar_t text[64] = {};
        ListView_GetItemText(pohledy.SeznamHwnd(), 2, 0, text, 64);
        EXPECT_EQ(std::wstring(text), poradi[2]);
    }
    EXPECT_EQ(ZeSouboru(), puvodni);
}

TEST_F(PohledyZdrojuTest, ComboChoiceSelectsAndSwitchesPlaybackOnlyWhenTheSettingSaysSo) {
    TriZdroje();
    for (const bool spustit : {false, true}) {
        NastaveniAplikace().spustitZmenouCB = spustit;
        const int polozka = spustit ? 1 : 2;
        ComboBox_SetCurSel(Combo(), polozka);
        ::SendMessageW(rodic.Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_COMBO_ZDROJU, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(Combo()));
        EXPECT_EQ(pohledy.VybranyIndex(), polozka);
        EXPECT_EQ(VyberSeznamu(), polozka);
    }
    EXPECT_EQ(okoli.kroky, (std::vector<std::wstring>{L"zastavit", L"přehrát"}));
}

} // namespace
