// The general, after-start, player and recording pages of the settings, each on its own
// resource in a stand-in for the frame: what opening shows, which of the user's changes the
// frame hears of, and what apply writes into the dialog's copy of the settings.
#include <gtest/gtest.h>

#include <objbase.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Aplikace.h"
#include "recording/ProfilyZaznamu.h"
#include "recording/SeznamZarizeni.h"
#include "res/resource.h"
#include "ui/nastaveni/DlgNastObecne.h"
#include "ui/nastaveni/DlgNastPoSpusteni.h"
#include "ui/nastaveni/DlgNastPrehravac.h"
#include "ui/nastaveni/DlgNastZaznam.h"
#include "winapi/Diagnostika.h"
#include "winapi/OknaTestu.h"

namespace Vrbatec::Ui {
namespace {

using Testy::Kliknout;
using Testy::TextPrvku;

constexpr RECT kOblastStranky{0, 0, 520, 420};

// A profile that no list offers.
constexpr Guid kNeznamyProfil{0x0BADF00D, 0x1234, 0x5678, {1, 2, 3, 4, 5, 6, 7, 8}};

int VyberComba(HWND stranka, int id) {
    return static_cast<int>(::SendDlgItemMessageW(stranka, id, CB_GETCURSEL, 0, 0));
}

int PocetComba(HWND stranka, int id) {
    return static_cast<int>(::SendDlgItemMessageW(stranka, id, CB_GETCOUNT, 0, 0));
}

LPARAM DataComba(HWND stranka, int id, int polozka) {
    return ::SendDlgItemMessageW(stranka, id, CB_GETITEMDATA, static_cast<WPARAM>(polozka), 0);
}

// What the user does with the keyboard in a control: the control changes itself and tells
// the page as it would after a mouse action.
void Klavesa(HWND stranka, int id, WPARAM klavesa) {
    ::SendDlgItemMessageW(stranka, id, WM_KEYDOWN, klavesa, 0);
    ::SendDlgItemMessageW(stranka, id, WM_KEYUP, klavesa, 0xC0000000);
}

void Psat(HWND stranka, int id, const wchar_t* text) {
    ::SetDlgItemTextW(stranka, id, text);
}

struct Zmena {
    const char* nazev;
    std::function<void(HWND)> provest;
};

class StrankyTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        Testy::PripravitProstredkyAplikace();
        ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    }
    static void TearDownTestSuite() { ::CoUninitialize(); }

    // Shows the page in the stand-in frame; the changes its creation would have announced are
    // counted from here.
    HWND Otevrit(WinApi::StrankaNastaveni& stranka) {
        EXPECT_EQ(stranka.Ukazat(ramec_.Hwnd(), kOblastStranky), S_OK);
        return stranka.Hwnd();
    }

    // The changes announced to the frame since the last call, each by the page's window.
    int Zmeny(HWND stranka) {
        int pocet = 0;
        MSG zprava{};
        while (::PeekMessageW(&zprava, ramec_.Hwnd(), WM_APP + 1, WM_APP + 1, PM_REMOVE)) {
            EXPECT_EQ(zprava.lParam, reinterpret_cast<LPARAM>(stranka));
            ++pocet;
        }
        return pocet;
    }

    // Each change is announced once, and nothing while the page was being created.
    void OveritZmeny(HWND stranka, const std::vector<Zmena>& zmeny) {
        EXPECT_EQ(Zmeny(stranka), 0) << "while the page was created";
        for (const Zmena& zmena : zmeny) {
            SCOPED_TRACE(zmena.nazev);
            zmena.provest(stranka);
            EXPECT_EQ(Zmeny(stranka), 1);
        }
    }

    Testy::RodicTestu ramec_{{640, 480}};
    Nastaveni kopie_;
    KontextStranek kontext_{kopie_, AplikaceInstance().MalyPruh(), nullptr};
};

TEST_F(StrankyTest, GeneralPageShowsTheCopyAnnouncesEachKindOfChangeAndAppliesIt) {
    kopie_.soubor = L"C:\\Rádia\\seznam.xml";
    kopie_.ulozitPosledni = false;
    kopie_.pruhUloh = true;
    kopie_.zdrojePopupMenu = false;
    kopie_.ikona = kIkonaNikdy;
    kopie_.processPriority = 32;
    DlgNastObecne obecne(kontext_);
    HWND stranka = Otevrit(obecne);
    ASSERT_NE(stranka, nullptr);
    EXPECT_EQ(::GetDlgCtrlID(stranka), 0); // a page, not one of the frame's controls
    EXPECT_EQ(TextPrvku(stranka, IDC_SOUBOR_ZDROJU), kopie_.soubor);
    EXPECT_EQ(::IsDlgButtonChecked(stranka, IDC_ULOZIT_POSLEDNI), BST_UNCHECKED);
    EXPECT_EQ(::IsDlgButtonChecked(stranka, IDC_PRUH_ULOH), BST_CHECKED);
    EXPECT_EQ(::IsDlgButtonChecked(stranka, IDC_ZDROJE_V_NABIDCE), BST_UNCHECKED);
    ASSERT_EQ(PocetComba(stranka, IDC_REZIM_IKONY), 3);
    EXPECT_EQ(VyberComba(stranka, IDC_REZIM_IKONY), 2);
    ASSERT_EQ(PocetComba(stranka, IDC_PRIORITA), 6);
    EXPECT_EQ(VyberComba(stranka, IDC_PRIORITA), 2);

    OveritZmeny(stranka,
                {
                    {"list file", [](HWND s) { Psat(s, IDC_SOUBOR_ZDROJU, L"D:\\jiny.xml"); }},
                    {"last file", [](HWND s) { Kliknout(s, IDC_ULOZIT_POSLEDNI); }},
                    {"taskbar", [](HWND s) { Kliknout(s, IDC_PRUH_ULOH); }},
                    {"sources in menu", [](HWND s) { Kliknout(s, IDC_ZDROJE_V_NABIDCE); }},
                    {"icon mode", [](HWND s) { Klavesa(s, IDC_REZIM_IKONY, VK_UP); }},
                    {"priority", [](HWND s) { Klavesa(s, IDC_PRIORITA, VK_DOWN); }},
                });

    ASSERT_TRUE(obecne.Pouzit());
    EXPECT_EQ(kopie_.soubor, L"D:\\jiny.xml");
    EXPECT_TRUE(kopie_.ulozitPosledni);
    EXPECT_FALSE(kopie_.pruhUloh);
    EXPECT_TRUE(kopie_.zdrojePopupMenu);
    EXPECT_EQ(kopie_.ikona, kIkonaPriMinimalizaci);
    EXPECT_EQ(kopie_.processPriority, 32768u);
}

// A stored value that no item has opens with the first item, which apply then stores.
TEST_F(StrankyTest, GeneralPageOpensUnknownValuesWithTheFirstItemAndStoresIt) {
    const struct {
        std::uint32_t ikona, priorita;
        std::wstring textPriority;
        std::uint32_t ulozenaIkona, ulozenaPriorita;
    } pripady[] = {
        {7, 12345, L"Nízká", kIkonaVzdy, 64},
        {kIkonaNikdy, 256, L"Reálný čas - není doporučeno!", kIkonaNikdy, 256},
        {kIkonaPriMinimalizaci, 16384, L"Nižší než normální", kIkonaPriMinimalizaci, 16384},
    };
    for (const auto& pripad : pripady) {
        SCOPED_TRACE(pripad.priorita);
        kopie_.ikona = pripad.ikona;
        kopie_.processPriority = pripad.priorita;
        kopie_.soubor.clear();
        DlgNastObecne obecne(kontext_);
        HWND stranka = Otevrit(obecne);
        ASSERT_NE(stranka, nullptr);
        wchar_t text[64] = {};
        ::GetDlgItemTextW(stranka, IDC_PRIORITA, text, 64);
        EXPECT_EQ(std::wstring(text), pripad.textPriority);
        ASSERT_TRUE(obecne.Pouzit());
        EXPECT_EQ(kopie_.ikona, pripad.ulozenaIkona);
        EXPECT_EQ(kopie_.processPriority, pripad.ulozenaPriorita);
        // An empty path is taken as it is.
        EXPECT_EQ(kopie_.soubor, L"");
        obecne.Zrusit();
    }
}

TEST_F(StrankyTest, AfterStartPageTicksByTheCopyAnnouncesOnlyClicksAndAppliesEveryTick) {
    kopie_.skrytDoIkony = true;
    kopie_.spustitPrijem = false;
    DlgNastPoSpusteni poSpusteni(kontext_);
    HWND stranka = Otevrit(poSpusteni);
    ASSERT_NE(stranka, nullptr);
    HWND seznam = ::GetDlgItem(stranka, IDC_AKCE_PO_SPUSTENI);
    ASSERT_EQ(ListView_GetItemCount(seznam), 2);
    EXPECT_TRUE(ListView_GetExtendedListViewStyle(seznam) & LVS_EX_CHECKBOXES);
    // 370 at 96 DPI, or the whole list when it is wider.
    RECT klient{};
    ::GetClientRect(seznam, &klient);
    EXPECT_EQ(ListView_GetColumnWidth(seznam, 0), std::max<int>(370, klient.right));
    EXPECT_EQ(::SendMessageW(seznam, WM_GETDLGCODE, VK_SPACE, 0), DLGC_WANTALLKEYS);
    const UINT retezce[] = {IDS_SKRYT_DO_IKONY, IDS_SPUSTIT_PRIJEM_PO_STARTU};
    const bool zaskrtnuto[] = {true, false};
    for (int i = 0; i < 2; ++i) {
        std::wstring ocekavany;
        ASSERT_TRUE(NacistRetezec(retezce[i], ocekavany));
        wchar_t text[128] = {};
        ListView_GetItemText(seznam, i, 0, text, 128);
        EXPECT_EQ(std::wstring(text), ocekavany);
        LVITEMW polozka{.mask = LVIF_PARAM, .iItem = i};
        ASSERT_TRUE(ListView_GetItem(seznam, &polozka));
        EXPECT_EQ(polozka.lParam, static_cast<LPARAM>(retezce[i]));
        EXPECT_EQ(ListView_GetCheckState(seznam, i) != 0, zaskrtnuto[i]);
    }
    EXPECT_EQ(Zmeny(stranka), 0);

    // The space bar ticks the focused row without a word to the frame.
    ListView_SetItemState(seznam, 1, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    Klavesa(stranka, IDC_AKCE_PO_SPUSTENI, VK_SPACE);
    EXPECT_TRUE(ListView_GetCheckState(seznam, 1));
    EXPECT_EQ(Zmeny(stranka), 0);

    // A click on a row's text is a change, though it ticks nothing.
    RECT text{};
    ASSERT_TRUE(ListView_GetItemRect(seznam, 0, &text, LVIR_LABEL));
    const LPARAM bod = MAKELPARAM((text.left + text.right) / 2, (text.top + text.bottom) / 2);
    ::SendMessageW(seznam, WM_LBUTTONDOWN, MK_LBUTTON, bod);
    ::SendMessageW(seznam, WM_LBUTTONUP, 0, bod);
    EXPECT_EQ(Zmeny(stranka), 1);
    EXPECT_TRUE(ListView_GetCheckState(seznam, 0));

    ASSERT_TRUE(poSpusteni.Pouzit());
    EXPECT_TRUE(kopie_.skrytDoIkony);
    EXPECT_TRUE(kopie_.spustitPrijem);

    // A row that is no longer there counts as not ticked.
    ListView_DeleteItem(seznam, 0);
    ASSERT_TRUE(poSpusteni.Pouzit());
    EXPECT_FALSE(kopie_.skrytDoIkony);
    EXPECT_TRUE(kopie_.spustitPrijem);
}

TEST_F(StrankyTest, PlayerPageShowsTheCopyAndAnnouncesTypingAndTheSlider) {
    kopie_.krokZmenyHlasitosti = 3;
    kopie_.sekundBufferu = 7;
    kopie_.hlasitost = 40;
    kopie_.prehravacStreamu = kStreamyOvladacem;
    DlgNastPrehravac prehravac(kontext_);
    HWND stranka = Otevrit(prehravac);
    ASSERT_NE(stranka, nullptr);
    EXPECT_EQ(::IsDlgButtonChecked(stranka, IDC_PREHRAVAC_STREAMU), BST_UNCHECKED);
    EXPECT_EQ(TextPrvku(stranka, IDC_KROK_HLASITOSTI), L"3");
    EXPECT_EQ(TextPrvku(stranka, IDC_SEKUND_BUFFERU), L"7");
    EXPECT_EQ(::SendDlgItemMessageW(stranka, IDC_HLASITOST, TBM_GETPOS, 0, 0), 40);
    EXPECT_EQ(TextPrvku(stranka, IDC_HLASITOST_CISLO), L"40");

    OveritZmeny(
        stranka,
        {
            {"step", [](HWND s) { Psat(s, IDC_KROK_HLASITOSTI, L"4"); }},
            {"buffer", [](HWND s) { Psat(s, IDC_SEKUND_BUFFERU, L"9"); }},
            // One step; the key's release ends the track with a scroll of its own.
            {"slider",
             [](HWND s) { ::SendDlgItemMessageW(s, IDC_HLASITOST, WM_KEYDOWN, VK_RIGHT, 0); }},
            {"stream player",
             [](HWND s) { ::SendDlgItemMessageW(s, IDC_PREHRAVAC_STREAMU, BM_CLICK, 0, 0); }},
        });
    EXPECT_EQ(TextPrvku(stranka, IDC_HLASITOST_CISLO), L"41");

    ASSERT_TRUE(prehravac.Pouzit());
    EXPECT_EQ(kopie_.krokZmenyHlasitosti, 4u);
    EXPECT_EQ(kopie_.sekundBufferu, 9u);
    EXPECT_EQ(kopie_.hlasitost, 41u);
    EXPECT_EQ(kopie_.prehravacStreamu, kStreamyVestavenym);
}

// A number outside its field's bounds keeps the value the copy had.
TEST_F(StrankyTest, PlayerPageTakesOnlyNumbersWithinTheirBounds) {
    const struct {
        const wchar_t* krok;
        const wchar_t* buffer;
        std::uint32_t ulozenyKrok, ulozenyBuffer;
    } pripady[] = {
        {L"0", L"61", 3, 7},
        {L"10", L"0", 10, 0},
        {L"11", L"60", 3, 60},
        {L"", L"", 3, 7},
    };
    for (const auto& pripad : pripady) {
        SCOPED_TRACE(testing::Message() << pripad.ulozenyKrok << " " << pripad.ulozenyBuffer);
        kopie_.krokZmenyHlasitosti = 3;
        kopie_.sekundBufferu = 7;
        DlgNastPrehravac prehravac(kontext_);
        HWND stranka = Otevrit(prehravac);
        ASSERT_NE(stranka, nullptr);
        Psat(stranka, IDC_KROK_HLASITOSTI, pripad.krok);
        Psat(stranka, IDC_SEKUND_BUFFERU, pripad.buffer);
        ASSERT_TRUE(prehravac.Pouzit());
        EXPECT_EQ(kopie_.krokZmenyHlasitosti, pripad.ulozenyKrok);
        EXPECT_EQ(kopie_.sekundBufferu, pripad.ulozenyBuffer);
        prehravac.Zrusit();
    }
}

class StrankaZaznamuTest : public StrankyTest {
protected:
    void SetUp() override {
        kopie_.slozka = L"C:\\Záznamy";
        kopie_.friendlyName = L"Mikrofon";
        kopie_.devicePath = L"p2";
        kopie_.priSpusteni = kZaznamJenPriPrehravani;
        kopie_.profil = kNeznamyProfil;
    }

    // The devices the system would list now.
    static HRESULT DvaVstupy() {
        SeznamZarizeni() = {{L"Linkový vstup", L"Linka", L"p1"}, {L"Mikrofon", L"", L"p2"}};
        return S_OK;
    }
};

TEST_F(StrankaZaznamuTest, ShowsTheCopyWithTheDevicesListedAgainAndTheWavProfileLast) {
    SeznamZarizeni().clear();
    DlgNastZaznam zaznam(kontext_, &DvaVstupy);
    HWND stranka = Otevrit(zaznam);
    ASSERT_NE(stranka, nullptr);
    EXPECT_EQ(TextPrvku(stranka, IDC_SLOZKA_ZAZNAMU), L"C:\\Záznamy");
    ASSERT_EQ(PocetComba(stranka, IDC_ZARIZENI_ZAZNAMU), 2);
    EXPECT_EQ(VyberComba(stranka, IDC_ZARIZENI_ZAZNAMU), 1);

    // The rule 2 is the first item.
    ASSERT_EQ(PocetComba(stranka, IDC_PRI_SPUSTENI_ZAZNAMU), 3);
    EXPECT_EQ(VyberComba(stranka, IDC_PRI_SPUSTENI_ZAZNAMU), 0);
    const LPARAM pravidla[] = {2, 1, 0};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(DataComba(stranka, IDC_PRI_SPUSTENI_ZAZNAMU, i), pravidla[i]);
    }
    wchar_t text[128] = {};
    ::GetDlgItemTextW(stranka, IDC_PRI_SPUSTENI_ZAZNAMU, text, 128);
    EXPECT_EQ(std::wstring(text), L"Pokus není spuštěno přehrávání záznam nespouštět");

    // Whatever the system's profile manager offers (under Wine: nothing), the WAV profile
    // closes the list; the stored profile is not among the items, so none is selected.
    const int profilu = PocetComba(stranka, IDC_PROFIL_ZAZNAMU);
    ASSERT_GE(profilu, 1);
    const auto nabizene = ProfilyZaznamu::Nabizene();
    const LPARAM posledni = DataComba(stranka, IDC_PROFIL_ZAZNAMU, profilu - 1);
    ASSERT_EQ(posledni, static_cast<LPARAM>(nabizene.size() - 1));
    EXPECT_EQ(nabizene[nabizene.size() - 1].id, ProfilyZaznamu::kProfilWav);
    EXPECT_EQ(VyberComba(stranka, IDC_PROFIL_ZAZNAMU), -1);

    OveritZmeny(stranka,
                {
                    {"folder", [](HWND s) { Psat(s, IDC_SLOZKA_ZAZNAMU, L"D:\\Nahrávky"); }},
                    {"device", [](HWND s) { Klavesa(s, IDC_ZARIZENI_ZAZNAMU, VK_UP); }},
                    {"profile", [](HWND s) { Klavesa(s, IDC_PROFIL_ZAZNAMU, VK_END); }},
                    {"rule", [](HWND s) { Klavesa(s, IDC_PRI_SPUSTENI_ZAZNAMU, VK_DOWN); }},
                });

    ASSERT_TRUE(zaznam.Pouzit());
    EXPECT_EQ(kopie_.slozka, L"D:\\Nahrávky");
    EXPECT_EQ(kopie_.friendlyName, L"Linkový vstup");
    EXPECT_EQ(kopie_.popisZarizeni, L"Linka");
    EXPECT_EQ(kopie_.devicePath, L"p1");
    EXPECT_EQ(kopie_.profil, ProfilyZaznamu::kProfilWav);
    EXPECT_EQ(kopie_.priSpusteni, kZaznamSPrehravanim);
}

// Nothing selected keeps the device and the profile, and leaves a rule that starts nothing.
TEST_F(StrankaZaznamuTest, AppliesEmptySelectionsAndSurvivesAFailedListing) {
    SeznamZarizeni() = {{L"Mikrofon", L"", L"p2"}};
    DlgNastZaznam zaznam(kontext_, [] { return E_FAIL; });
    HWND stranka = Otevrit(zaznam);
    ASSERT_NE(stranka, nullptr);
    ASSERT_EQ(PocetComba(stranka, IDC_ZARIZENI_ZAZNAMU), 1);
    EXPECT_EQ(Zmeny(stranka), 0);

    Psat(stranka, IDC_SLOZKA_ZAZNAMU, L"");
    for (const int id : {IDC_ZARIZENI_ZAZNAMU, IDC_PROFIL_ZAZNAMU, IDC_PRI_SPUSTENI_ZAZNAMU}) {
        ::SendDlgItemMessageW(stranka, id, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    }
    kopie_.friendlyName = L"Zachovat";
    ASSERT_TRUE(zaznam.Pouzit());
    EXPECT_EQ(kopie_.slozka, L"");
    EXPECT_EQ(kopie_.friendlyName, L"Zachovat");
    EXPECT_EQ(kopie_.profil, kNeznamyProfil);
    EXPECT_EQ(kopie_.priSpusteni, 0xFFFFFFFFu);
}

// The system's own listing, whatever it finds here, opens the page.
TEST_F(StrankaZaznamuTest, OpensWithTheSystemsDeviceListing) {
    DlgNastZaznam zaznam(kontext_);
    HWND stranka = Otevrit(zaznam);
    ASSERT_NE(stranka, nullptr);
    EXPECT_EQ(PocetComba(stranka, IDC_ZARIZENI_ZAZNAMU), static_cast<int>(SeznamZarizeni().size()));
}

} // namespace
} // namespace Vrbatec::Ui
