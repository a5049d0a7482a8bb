// The hotkey and icon pages of the settings dialog, each shown in a plain frame window with a
// copy of the settings of its own: what they list, what they write into the copy, what they
// refuse and what they tell the frame and the main window.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "app/Aplikace.h"
#include "res/resource.h"
#include "support/ZaznamHlaseni.h"
#include "ui/nastaveni/DlgNastHorkeKlavesy.h"
#include "ui/nastaveni/DlgNastIkonaHlavni.h"
#include "winapi/Handle.h"
#include "winapi/OknaTestu.h"

namespace Vrbatec::Ui {
namespace {

constexpr std::uint32_t kCtrl = 2, kShift = 4, kAlt = 1;

class StrankyShelluTest : public testing::Test {
protected:
    static void SetUpTestSuite() { Testy::PripravitProstredkyAplikace(); }

    // Shows the page in the frame; what it posts while being created stays in the queue and
    // counts in Zmeny.
    HWND Ukazat(WinApi::StrankaNastaveni& stranka) {
        EXPECT_EQ(stranka.Ukazat(ramec_.Hwnd(), {0, 0, 500, 420}), S_OK);
        return stranka.Hwnd();
    }

    // How many changes the pages have posted to the frame since the last call.
    int Zmeny() {
        int pocet = 0;
        MSG zprava{};
        while (::PeekMessageW(&zprava, ramec_.Hwnd(), WinApi::WM_ZMENA_STRANKY,
                              WinApi::WM_ZMENA_STRANKY, PM_REMOVE)) {
            ++pocet;
        }
        return pocet;
    }

    // What the control would send when the user picks an item.
    static void Vybrat(HWND stranka, int id, int polozka, WORD kod, UINT zpravaVyberu) {
        HWND prvek = ::GetDlgItem(stranka, id);
        ::SendMessageW(prvek, zpravaVyberu, static_cast<WPARAM>(polozka), 0);
        ::SendMessageW(stranka, WM_COMMAND, MAKEWPARAM(id, kod), reinterpret_cast<LPARAM>(prvek));
    }

    Testy::RodicTestu ramec_;
    Testy::RodicTestu hlavni_;
    Testy::ZaznamHlaseni hlaseni_;
    Nastaveni kopie_;
    KontextStranek kontext_{kopie_, AplikaceInstance().MalyPruh(), hlavni_.Hwnd()};
};

class HorkeKlavesyTest : public StrankyShelluTest {
protected:
    void SetUp() override {
        kopie_.horkeKlavesy.NastavitVychozi();
        Zaznam(ID_KONEC) = {kCtrl | kAlt, 'K', ID_KONEC, kSkupinaVseobecne};
        Zaznam(ID_ZTLUMIT) = {kShift, 0x7B, ID_ZTLUMIT, 0};
        okno_ = Ukazat(stranka_);
        ASSERT_NE(okno_, nullptr);
    }

    HorkaKlavesa& Zaznam(std::uint32_t prikaz) {
        for (HorkaKlavesa& z : kopie_.horkeKlavesy.Zaznamy()) {
            if (z.prikaz == prikaz) {
                return z;
            }
        }
        throw prikaz;
    }

    void VybratSkupinu(int polozka) {
        Vybrat(okno_, IDC_SKUPINA_KLAVES, polozka, CBN_SELCHANGE, CB_SETCURSEL);
    }
    void VybratPrikaz(std::uint32_t prikaz) {
        const HWND seznam = ::GetDlgItem(okno_, IDC_SEZNAM_KLAVES);
        const int pocet = static_cast<int>(::SendMessageW(seznam, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < pocet; ++i) {
            const auto zaznam = ::SendMessageW(seznam, LB_GETITEMDATA, static_cast<WPARAM>(i), 0);
            if (kopie_.horkeKlavesy.Zaznamy()[static_cast<std::size_t>(zaznam)].prikaz == prikaz) {
                Vybrat(okno_, IDC_SEZNAM_KLAVES, i, LBN_SELCHANGE, LB_SETCURSEL);
                return;
            }
        }
        FAIL() << "not listed: " << prikaz;
    }
    // The user types the combination into the control and presses "Nastavit".
    void Zadat(WORD hodnota) {
        const HWND ovladac = ::GetDlgItem(okno_, IDC_KLAVESA);
        ::SendMessageW(ovladac, HKM_SETHOTKEY, hodnota, 0);
        ::SendMessageW(okno_, WM_COMMAND, MAKEWPARAM(IDC_KLAVESA, EN_CHANGE),
                       reinterpret_cast<LPARAM>(ovladac));
        EXPECT_TRUE(NastavitPovoleno());
        Testy::Kliknout(okno_, IDC_NASTAVIT_KLAVESU);
    }
    WORD Ovladac() const {
        return static_cast<WORD>(::SendDlgItemMessageW(okno_, IDC_KLAVESA, HKM_GETHOTKEY, 0, 0));
    }
    bool NastavitPovoleno() const {
        return ::IsWindowEnabled(::GetDlgItem(okno_, IDC_NASTAVIT_KLAVESU)) != FALSE;
    }
    std::vector<std::wstring> TextySeznamu() const {
        std::vector<std::wstring> texty;
        const HWND seznam = ::GetDlgItem(okno_, IDC_SEZNAM_KLAVES);
        const int pocet = static_cast<int>(::SendMessageW(seznam, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < pocet; ++i) {
            wchar_t text[128] = {};
            ::SendMessageW(seznam, LB_GETTEXT, static_cast<WPARAM>(i),
                           reinterpret_cast<LPARAM>(text));
            texty.emplace_back(text);
        }
        return texty;
    }

    // Whether the list draws its item with anything but the window's colour in the marker's
    // square: the item is drawn unselected into a bitmap of the test's own.
    bool KresliZnacku(int polozka) const {
        BITMAPINFO info{};
        info.bmiHeader = {.biSize = sizeof(BITMAPINFOHEADER),
                          .biWidth = 300,
                          .biHeight = -20,
                          .biPlanes = 1,
                          .biBitCount = 32,
                          .biCompression = BI_RGB};
        void* bity = nullptr;
        const WinApi::UniqueBitmap bitmapa(
            ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bity, nullptr, 0));
        const std::unique_ptr<std::remove_pointer_t<HDC>, decltype(&::DeleteDC)> dc(
            ::CreateCompatibleDC(nullptr), &::DeleteDC);
        EXPECT_TRUE(bitmapa && dc);
        const HGDIOBJ puvodni = ::SelectObject(dc.get(), bitmapa.Get());
        const HWND seznam = ::GetDlgItem(okno_, IDC_SEZNAM_KLAVES);
        DRAWITEMSTRUCT kresleni{.CtlType = ODT_LISTBOX,
                                .CtlID = IDC_SEZNAM_KLAVES,
                                .itemID = static_cast<UINT>(polozka),
                                .itemAction = ODA_DRAWENTIRE,
                                .hwndItem = seznam,
                                .hDC = dc.get(),
                                .rcItem = {0, 0, 300, 20}};
        kresleni.itemData = static_cast<ULONG_PTR>(
            ::SendMessageW(seznam, LB_GETITEMDATA, static_cast<WPARAM>(polozka), 0));
        ::SendMessageW(okno_, WM_DRAWITEM, IDC_SEZNAM_KLAVES, reinterpret_cast<LPARAM>(&kresleni));
        bool znacka = false;
        for (int y = 2; y < 18; ++y) {
            for (int x = 2; x < 18; ++x) {
                znacka = znacka || ::GetPixel(dc.get(), x, y) != ::GetSysColor(COLOR_WINDOW);
            }
        }
        ::SelectObject(dc.get(), puvodni);
        return znacka;
    }

    DlgNastHorkeKlavesy stranka_{kontext_};
    HWND okno_ = nullptr;
};

// Opening the page lists every command and shows the first one's combination: no change yet.
TEST_F(HorkeKlavesyTest, OpensOnAllCommandsWithTheFirstSelectedAndNoChange) {
    EXPECT_EQ(TextySeznamu().size(), 10u);
    EXPECT_EQ(TextySeznamu().front(), L"Spustit příjem zvuku");
    EXPECT_EQ(::SendDlgItemMessageW(okno_, IDC_SEZNAM_KLAVES, LB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(Ovladac(), 0);
    EXPECT_FALSE(NastavitPovoleno());
    EXPECT_EQ(::SendDlgItemMessageW(okno_, IDC_SKUPINA_KLAVES, CB_GETDROPPEDWIDTH, 0, 0), 300);
    EXPECT_EQ(::SendDlgItemMessageW(okno_, IDC_SKUPINA_KLAVES, CB_GETITEMHEIGHT, 0, 0), 18);
    EXPECT_EQ(Testy::TextPrvku(okno_, IDC_SKUPINA_KLAVES), L"Všechny nastavitelné");
    EXPECT_EQ(::SendDlgItemMessageW(okno_, IDC_SEZNAM_KLAVES, LB_GETITEMHEIGHT, 0, 0), 20);
    EXPECT_EQ(Zmeny(), 0);
}

BOOL CALLBACK NajitTip(HWND okno, LPARAM hledani) {
    auto& [vlastnik, tip] = *reinterpret_cast<std::pair<HWND, HWND>*>(hledani);
    wchar_t trida[32] = {};
    ::GetClassNameW(okno, trida, 32);
    if (std::wstring(trida) == TOOLTIPS_CLASSW && ::GetWindow(okno, GW_OWNER) == vlastnik) {
        tip = okno;
        return FALSE;
    }
    return TRUE;
}

TEST_F(HorkeKlavesyTest, SetButtonHasItsTipFromTheStringTable) {
    // A popup asked to belong to a child belongs to the child's top-level window.
    std::pair<HWND, HWND> hledani{::GetAncestor(okno_, GA_ROOT), nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), &NajitTip, reinterpret_cast<LPARAM>(&hledani));
    ASSERT_NE(hledani.second, nullptr);
    EXPECT_EQ(::SendMessageW(hledani.second, TTM_GETTOOLCOUNT, 0, 0), 1);
    wchar_t text[100] = {};
    TTTOOLINFOW nastroj{};
    nastroj.cbSize = sizeof(nastroj);
    nastroj.lpszText = text;
    ASSERT_TRUE(
        ::SendMessageW(hledani.second, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&nastroj)));
    EXPECT_EQ(nastroj.uId, reinterpret_cast<UINT_PTR>(::GetDlgItem(okno_, IDC_NASTAVIT_KLAVESU)));
    // A tip named by the string table is looked up when it shows.
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(nastroj.lpszText), UINT_PTR{IDS_TIP_NASTAVIT_ZKRATKU});
}

TEST_F(HorkeKlavesyTest, GeneralGroupListsOnlyItsThreeCommandsInTableOrder) {
    VybratSkupinu(1);
    EXPECT_EQ(::SendDlgItemMessageW(okno_, IDC_SKUPINA_KLAVES, CB_GETITEMDATA, 1, 0),
              LRESULT{kSkupinaVseobecne});
    EXPECT_EQ(TextySeznamu(),
              (std::vector<std::wstring>{
                  L"Spustit příjem ze zadané URL adresy zdroje nebo souboru na disku",
                  L"Ukončit aplikaci", L"Zobrazit okno předvoleb"}));
    // The fill selects the first command and shows its (empty) combination.
    EXPECT_EQ(::SendDlgItemMessageW(okno_, IDC_SEZNAM_KLAVES, LB_GETITEMDATA, 0, 0), 7);
    EXPECT_EQ(Ovladac(), 0);
    VybratPrikaz(ID_KONEC);
    EXPECT_EQ(Ovladac(), MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_ALT));
    VybratSkupinu(0);
    EXPECT_EQ(TextySeznamu().size(), 10u);
}

TEST_F(HorkeKlavesyTest, NewCombinationIsStoredInTheCopyAndTheChangeTold) {
    VybratPrikaz(ID_NASTAVENI);
    Zadat(MAKEWORD('N', HOTKEYF_CONTROL | HOTKEYF_SHIFT | HOTKEYF_EXT));
    EXPECT_EQ(Zaznam(ID_NASTAVENI),
              (HorkaKlavesa{kCtrl | kShift, 'N', ID_NASTAVENI, kSkupinaVseobecne}));
    EXPECT_FALSE(NastavitPovoleno());
    EXPECT_TRUE(hlaseni_.okna.empty());
    EXPECT_EQ(Zmeny(), 1);
    // Nothing is left for apply to take, and the live settings were never touched.
    EXPECT_TRUE(stranka_.Pouzit());
    EXPECT_EQ(Zaznam(ID_NASTAVENI).klavesa, static_cast<std::uint32_t>('N'));
}

// Another command's combination and the command's own are refused alike; the control goes back
// to what the command has.
TEST_F(HorkeKlavesyTest, CombinationInUseIsRefusedAndTheStoredOneShownAgain) {
    const struct {
        std::uint32_t prikaz;
        WORD zadano;
    } pripady[] = {
        {ID_NASTAVENI, MAKEWORD(0x7B, HOTKEYF_SHIFT)},              // mute's
        {ID_ZTLUMIT, MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_ALT)}, // exit's
        {ID_KONEC, MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_ALT)},   // its own
    };
    for (const auto& p : pripady) {
        const TabulkaHorkychKlaves puvodni = kopie_.horkeKlavesy;
        hlaseni_.okna.clear();
        VybratPrikaz(p.prikaz);
        const WORD ulozena = Ovladac();
        Zadat(p.zadano);
        EXPECT_EQ(kopie_.horkeKlavesy, puvodni) << p.prikaz;
        ASSERT_EQ(hlaseni_.okna.size(), 1u) << p.prikaz;
        EXPECT_EQ(hlaseni_.okna[0].text, L"Tato klávesová zkratka je již použita.");
        EXPECT_EQ(hlaseni_.okna[0].typ & MB_ICONMASK, static_cast<UINT>(MB_ICONHAND));
        EXPECT_EQ(Ovladac(), ulozena) << p.prikaz;
        EXPECT_FALSE(NastavitPovoleno());
    }
}

TEST_F(HorkeKlavesyTest, ClearedControlRemovesTheHotkey) {
    VybratPrikaz(ID_ZTLUMIT);
    Zadat(0);
    EXPECT_EQ(Zaznam(ID_ZTLUMIT).klavesa, 0u);
    EXPECT_EQ(Zaznam(ID_ZTLUMIT).modifikatory, 0u);
    EXPECT_TRUE(hlaseni_.okna.empty());
    // The freed combination can go to another command.
    VybratPrikaz(ID_OTEVRIT_URL);
    Zadat(MAKEWORD(0x7B, HOTKEYF_SHIFT));
    EXPECT_EQ(Zaznam(ID_OTEVRIT_URL).klavesa, 0x7Bu);
    EXPECT_TRUE(hlaseni_.okna.empty());
}

// In the general group only exit has a hotkey; clearing it takes its marker away.
TEST_F(HorkeKlavesyTest, MarkerShowsOnlyByCommandsWithAHotkey) {
    VybratSkupinu(1);
    EXPECT_EQ((std::vector<bool>{KresliZnacku(0), KresliZnacku(1), KresliZnacku(2)}),
              (std::vector<bool>{false, true, false}));
    VybratPrikaz(ID_KONEC);
    Zadat(0);
    EXPECT_FALSE(KresliZnacku(1));
}

TEST_F(HorkeKlavesyTest, DoubleClickRunsTheSelectedCommandInTheMainWindow) {
    VybratSkupinu(1);
    VybratPrikaz(ID_NASTAVENI);
    ::SendMessageW(okno_, WM_COMMAND, MAKEWPARAM(IDC_SEZNAM_KLAVES, LBN_DBLCLK),
                   reinterpret_cast<LPARAM>(::GetDlgItem(okno_, IDC_SEZNAM_KLAVES)));
    Testy::ZpracovatCekajiciZpravy();
    EXPECT_EQ(hlavni_.prikazy, std::vector<WORD>{ID_NASTAVENI});
    EXPECT_TRUE(ramec_.prikazy.empty());
}

class IkonaTest : public StrankyShelluTest {
protected:
    void SetUp() override {
        kopie_.leve = ID_KONEC;
        kopie_.ctrlLeve = ID_ZTLUMIT;
        kopie_.ctrlShiftLeve = ID_OTEVRIT_URL;
        kopie_.shiftLeve = ID_ZDROJE_VYSILANI; // not offered
        kopie_.stredni = ID_PLOVOUCI_NABIDKA;
    }

    void Otevrit() {
        okno_ = Ukazat(stranka_);
        ASSERT_NE(okno_, nullptr);
    }
    // The command of the selected function, 0 with none selected.
    LRESULT Funkce() const {
        const LRESULT vyber = ::SendDlgItemMessageW(okno_, IDC_FUNKCE_UDALOSTI, CB_GETCURSEL, 0, 0);
        return vyber < 0 ? 0
                         : ::SendDlgItemMessageW(okno_, IDC_FUNKCE_UDALOSTI, CB_GETITEMDATA,
                                                 static_cast<WPARAM>(vyber), 0);
    }

    DlgNastIkonaHlavni stranka_{kontext_};
    HWND okno_ = nullptr;
};

TEST_F(IkonaTest, EachEventShowsItsFunctionAndAnUnofferedCommandNone) {
    Otevrit();
    EXPECT_EQ(Testy::TextPrvku(okno_, IDC_UDALOST_MYSI), L"Levé tlačítko");
    EXPECT_EQ(Testy::TextPrvku(okno_, IDC_FUNKCE_UDALOSTI), L"Ukončit aplikaci");
    EXPECT_EQ(::SendDlgItemMessageW(okno_, IDC_FUNKCE_UDALOSTI, CB_GETCOUNT, 0, 0), 12);
    EXPECT_EQ(::SendDlgItemMessageW(okno_, IDC_FUNKCE_UDALOSTI, CB_GETDROPPEDWIDTH, 0, 0), 400);
    const struct {
        int udalost;
        const wchar_t* text;
        LRESULT funkce;
    } pripady[] = {
        {4, L"Střední tlačítko", ID_PLOVOUCI_NABIDKA},
        {3, L"<Shift> + levé tlačítko", 0},
        {1, L"<Ctrl> + levé tlačítko", ID_ZTLUMIT},
        {2, L"<Ctrl> + <Shift> + levé tlačítko", ID_OTEVRIT_URL},
        {0, L"Levé tlačítko", ID_KONEC},
    };
    for (const auto& p : pripady) {
        Vybrat(okno_, IDC_UDALOST_MYSI, p.udalost, CBN_SELCHANGE, CB_SETCURSEL);
        EXPECT_EQ(Testy::TextPrvku(okno_, IDC_UDALOST_MYSI), p.text);
        EXPECT_EQ(Funkce(), p.funkce) << p.udalost;
    }
    EXPECT_EQ(Zmeny(), 0);
}

TEST_F(IkonaTest, ChosenFunctionGoesIntoTheEventsSettingOfTheCopyAlone) {
    Otevrit();
    Vybrat(okno_, IDC_UDALOST_MYSI, 3, CBN_SELCHANGE, CB_SETCURSEL);
    Nastaveni cekano = kopie_;
    cekano.shiftLeve = ID_ZVYSIT_HLASITOST;
    Vybrat(okno_, IDC_FUNKCE_UDALOSTI, 9, CBN_SELCHANGE, CB_SETCURSEL);
    EXPECT_EQ(Testy::TextPrvku(okno_, IDC_FUNKCE_UDALOSTI), L"Zvýšit hlasitost o nastavený krok");
    EXPECT_EQ(kopie_, cekano);
    EXPECT_EQ(Zmeny(), 1);
    // Back on the event later, the choice shows.
    Vybrat(okno_, IDC_UDALOST_MYSI, 0, CBN_SELCHANGE, CB_SETCURSEL);
    Vybrat(okno_, IDC_UDALOST_MYSI, 3, CBN_SELCHANGE, CB_SETCURSEL);
    EXPECT_EQ(Funkce(), ID_ZVYSIT_HLASITOST);
}

TEST_F(IkonaTest, HotkeyListCheckBoxStartsFromTheCopyTellsItsClickAndIsTakenOnApply) {
    for (const bool zobrKlavesy : {true, false}) {
        DlgNastIkonaHlavni stranka(kontext_);
        kopie_.zobrKlavesy = zobrKlavesy;
        ASSERT_EQ(stranka.Ukazat(ramec_.Hwnd(), {0, 0, 500, 420}), S_OK);
        EXPECT_EQ(::IsDlgButtonChecked(stranka.Hwnd(), IDC_ZOBRAZIT_KLAVESY) == BST_CHECKED,
                  zobrKlavesy);
        // Until applied, a click changes only the box.
        Testy::Kliknout(stranka.Hwnd(), IDC_ZOBRAZIT_KLAVESY);
        EXPECT_EQ(kopie_.zobrKlavesy, zobrKlavesy);
        EXPECT_EQ(Zmeny(), 1);
        EXPECT_TRUE(stranka.Pouzit());
        EXPECT_EQ(kopie_.zobrKlavesy, !zobrKlavesy);
        stranka.Zrusit();
    }
}

} // namespace
} // namespace Vrbatec::Ui
