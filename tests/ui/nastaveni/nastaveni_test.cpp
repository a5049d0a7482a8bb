// The settings dialog and the first-run dialog as the main window opens them, on the real
// pages: the tree and its pages, Použít, OK and Storno against the registry, and what the
// main window takes into use after each dialog.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cwctype>
#include <fstream>
#include <string>
#include <vector>

#include "../HlavniOknoTestu.h"
#include "recording/SeznamZarizeni.h"
#include "res/resource.h"
#include "sources/KodekZdroju.h"
#include "support/ZaznamHlaseni.h"
#include "ui/ObrazkovyPruh.h"
#include "ui/nastaveni/DlgPrvniSpusteni.h"
#include "winapi/ZnameSlozky.h"

namespace Vrbatec::Ui {
namespace {

using Testy::Kliknout;
using Testy::ObsluhaDialogu;
using Testy::TextOkna;
using Testy::ZpracovatCekajiciZpravy;

constexpr wchar_t kKlicZdroju[] = L"Software\\Vrbatec\\Zvukolet\\2\\Zdroje";
constexpr wchar_t kKlicZaznamu[] = L"Software\\Vrbatec\\Zvukolet\\2\\Zaznam";

std::vector<Zdroj> DvaZdroje() {
    return {{L"Alfa rádio", L"http://a.example/", -1, true},
            {L"Bílé vlny", L"http://b.example/", -1, false}};
}

DWORD CisloZRegistru(const wchar_t* klic, const wchar_t* nazev) {
    DWORD hodnota = 0xFFFF;
    DWORD velikost = sizeof(hodnota);
    RegGetValueW(HKEY_CURRENT_USER, klic, nazev, RRF_RT_REG_DWORD, nullptr, &hodnota, &velikost);
    return hodnota;
}

std::wstring TextZRegistru(const wchar_t* klic, const wchar_t* nazev) {
    wchar_t text[MAX_PATH] = {};
    DWORD velikost = sizeof(text);
    RegGetValueW(HKEY_CURRENT_USER, klic, nazev, RRF_RT_REG_SZ, nullptr, text, &velikost);
    return text;
}

// The pages that exist: the frame's child dialogs.
std::vector<HWND> Stranky(HWND dialog) {
    std::vector<HWND> stranky;
    for (HWND okno = FindWindowExW(dialog, nullptr, L"#32770", nullptr); okno != nullptr;
         okno = FindWindowExW(dialog, okno, L"#32770", nullptr)) {
        stranky.push_back(okno);
    }
    return stranky;
}

HWND ViditelnaStranka(HWND dialog) {
    for (HWND stranka : Stranky(dialog)) {
        if (IsWindowVisible(stranka)) {
            return stranka;
        }
    }
    return nullptr;
}

int PocetDialoguVlakna() {
    int pocet = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND okno, LPARAM parametr) -> BOOL {
            wchar_t trida[16] = {};
            GetClassNameW(okno, trida, 16);
            if (std::wstring(trida) == L"#32770" && IsWindowVisible(okno)) {
                ++*reinterpret_cast<int*>(parametr);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&pocet));
    return pocet;
}

// Selects the page at that place in the tree and gives back its window.
HWND VybratStranku(HWND dialog, int poradi) {
    const HWND strom = GetDlgItem(dialog, IDC_STROM_STRANEK);
    HTREEITEM polozka = TreeView_GetRoot(strom);
    for (int i = 0; i < poradi; ++i) {
        polozka = TreeView_GetNextSibling(strom, polozka);
    }
    TreeView_SelectItem(strom, polozka);
    return ViditelnaStranka(dialog);
}

void VybratVCombu(HWND stranka, int id, int polozka) {
    SendDlgItemMessageW(stranka, id, CB_SETCURSEL, static_cast<WPARAM>(polozka), 0);
    SendMessageW(stranka, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(stranka, id)));
}

bool Povoleno(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

class NastaveniProgramu : public Testy::HlavniOknoTestu {
protected:
    void TearDown() override {
        // The dialogs set the priority of the process that runs them.
        SetPriorityClass(GetCurrentProcess(), NORMAL_PRIORITY_CLASS);
        HlavniOknoTestu::TearDown();
        for (const auto& okno : hlaseni_.okna) {
            ADD_FAILURE() << "message shown: " << std::string(okno.text.begin(), okno.text.end());
        }
    }

    Testy::ZaznamHlaseni hlaseni_;

    // Opens the settings with the parameter and runs the work inside the dialog.
    void VNastaveni(const std::function<void(HWND)>& prace, LPARAM stranka = 0) {
        ObsluhaDialogu obsluha(prace);
        Prikaz(ID_NASTAVENI, stranka);
        EXPECT_TRUE(obsluha.probehla);
    }
};

TEST_F(NastaveniProgramu, OneDialogWithSixPagesEachCreatedWhenFirstShownAndTitledByIt) {
    Vytvorit();
    VNastaveni([&](HWND dialog) {
        const HWND strom = GetDlgItem(dialog, IDC_STROM_STRANEK);
        EXPECT_EQ(TreeView_GetCount(strom), 6u);
        EXPECT_EQ(TreeView_GetImageList(strom, TVSIL_NORMAL),
                  AplikaceInstance().MalyPruh().Seznam());
        EXPECT_EQ(TreeView_GetItemHeight(strom), 20);
        EXPECT_EQ(TextOkna(dialog), L" Zvukolet - Nastavení: Všeobecné");
        EXPECT_EQ(Stranky(dialog).size(), 1u);

        // The command again brings this one forward and opens no other.
        Prikaz(ID_NASTAVENI);
        EXPECT_EQ(PocetDialoguVlakna(), 1);

        const wchar_t* titulky[] = {L"Všeobecné",
                                    L"Horké klávesy",
                                    L"Ikona aplikace na hlavním panelu",
                                    L"Akce po spuštění aplikace",
                                    L"Médiapřehrávač",
                                    L"Záznam zvuku"};
        for (int i = 0; i < 6; ++i) {
            VybratStranku(dialog, i);
            EXPECT_EQ(TextOkna(dialog), std::wstring(L" Zvukolet - Nastavení: ") + titulky[i]);
        }
        EXPECT_EQ(Stranky(dialog).size(), 6u);
        EXPECT_NE(ViditelnaStranka(dialog), nullptr);
        Kliknout(dialog, IDCANCEL);
    });
}

TEST_F(NastaveniProgramu, TheStartParameterChoosesThePageAndPlainTreeWithoutOwnLook) {
    NastaveniAplikace().vlastniVzhled = false;
    Vytvorit();
    VNastaveni(
        [&](HWND dialog) {
            const HWND strom = GetDlgItem(dialog, IDC_STROM_STRANEK);
            EXPECT_EQ(TextOkna(dialog), L" Zvukolet - Nastavení: Horké klávesy");
            EXPECT_EQ(TreeView_GetImageList(strom, TVSIL_NORMAL), nullptr);
            EXPECT_NE(TreeView_GetItemHeight(strom), 20);
            Kliknout(dialog, IDCANCEL);
        },
        IDD_NAST_HORKE_KLAVESY);
}

TEST_F(NastaveniProgramu, PouzitWritesAndDisablesItselfAndStornoKeepsOnlyWhatWasApplied) {
    Vytvorit();
    VNastaveni([&](HWND dialog) {
        EXPECT_TRUE(Povoleno(dialog, IDC_POUZIT));
        const HWND obecne = ViditelnaStranka(dialog);
        Kliknout(obecne, IDC_ULOZIT_POSLEDNI);
        ZpracovatCekajiciZpravy();
        Kliknout(dialog, IDC_POUZIT);
        EXPECT_FALSE(Povoleno(dialog, IDC_POUZIT));
        EXPECT_EQ(CisloZRegistru(kKlicZdroju, L"ulozitPosledni"), 0u);

        Kliknout(obecne, IDC_ZDROJE_V_NABIDCE);
        ZpracovatCekajiciZpravy();
        EXPECT_TRUE(Povoleno(dialog, IDC_POUZIT));
        Kliknout(dialog, IDCANCEL);
    });
    EXPECT_FALSE(NastaveniAplikace().ulozitPosledni);
    EXPECT_TRUE(NastaveniAplikace().zdrojePopupMenu);
    EXPECT_EQ(CisloZRegistru(kKlicZdroju, L"ulozitPosledni"), 0u);
}

TEST_F(NastaveniProgramu, OkKeepsWhatPagesNeverOpenedHoldAndAStrangePriorityBecomesLow) {
    Vytvorit();
    // As if written by hand (the window would complain of the priority when it starts).
    NastaveniAplikace().processPriority = 12345;
    NastaveniAplikace().priSpusteni = 7; // the recording page is not opened
    NastaveniAplikace().krokZmenyHlasitosti = 9;
    VNastaveni([&](HWND dialog) {
        const HWND obecne = ViditelnaStranka(dialog);
        EXPECT_EQ(SendDlgItemMessageW(obecne, IDC_PRIORITA, CB_GETCURSEL, 0, 0), 0);
        Kliknout(dialog, IDOK);
    });
    const wchar_t* koren = Testy::kKorenNastaveni;
    EXPECT_EQ(CisloZRegistru(koren, L"processPriority"), 64u);
    EXPECT_EQ(CisloZRegistru(kKlicZaznamu, L"priSpusteni"), 7u);
    EXPECT_EQ(NastaveniAplikace().krokZmenyHlasitosti, 9u);
    EXPECT_EQ(NastaveniAplikace().processPriority, 64u);
}

TEST_F(NastaveniProgramu, ARefusedValueIsExplainedAndKeepsTheDialogOpenWithNothingWritten) {
    NastaveniAplikace().slozka = slozka_.wstring();
    Vytvorit();
    VNastaveni([&](HWND dialog) {
        SetDlgItemTextW(VybratStranku(dialog, 5), IDC_SLOZKA_ZAZNAMU, L"");
        Kliknout(dialog, IDOK);
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_TRUE(Povoleno(dialog, IDC_POUZIT));
        Kliknout(dialog, IDCANCEL);
    });
    ASSERT_EQ(hlaseni_.okna.size(), 1u);
    EXPECT_EQ(hlaseni_.okna[0].text, L"Složka pro záznamy musí být zadána.");
    hlaseni_.okna.clear();
    EXPECT_EQ(NastaveniAplikace().slozka, slozka_.wstring());
    EXPECT_EQ(TextZRegistru(kKlicZaznamu, L"slozka"), L"");
}

TEST_F(NastaveniProgramu, TheListIsReadAgainOnlyWhenItsFileIsAnotherOne) {
    Vytvorit(DvaZdroje());
    const auto zmenitSoubor = [&](const std::wstring& soubor) {
        VNastaveni([&](HWND dialog) {
            SetDlgItemTextW(ViditelnaStranka(dialog), IDC_SOUBOR_ZDROJU, soubor.c_str());
            Kliknout(dialog, IDOK);
        });
    };
    std::wstring velkymi = NastaveniAplikace().soubor;
    std::transform(velkymi.begin(), velkymi.end(), velkymi.begin(),
                   [](wchar_t znak) { return static_cast<wchar_t>(std::towupper(znak)); });
    ASSERT_NE(velkymi, NastaveniAplikace().soubor);
    zmenitSoubor(velkymi);
    EXPECT_EQ(Zdroje().Pocet(), 2u) << "the same file in other letter case was read";

    const std::filesystem::path jiny = slozka_ / L"jiný.xml";
    const auto bajty = KodekZdroju::ZakodovatNaBajty(
        std::vector<Zdroj>{{L"Jediná stanice", L"http://j.example/", -1, true}});
    std::ofstream(jiny, std::ios::binary)
        .write(reinterpret_cast<const char*>(bajty.data()),
               static_cast<std::streamsize>(bajty.size()));
    zmenitSoubor(jiny.wstring());
    EXPECT_EQ(Zdroje().Pocet(), 1u);
    const HWND combo = GetDlgItem(Prvek(IDC_REBAR), IDC_COMBO_ZDROJU);
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 1);
}

TEST_F(NastaveniProgramu, HotkeysAreFreeWhileTheDialogIsOpenAndTakenAgainAfterIt) {
    NastaveniAplikace().horkeKlavesy.NastavitVychozi();
    HorkaKlavesa& zkratka = NastaveniAplikace().horkeKlavesy.Zaznamy().front();
    zkratka.modifikatory = MOD_CONTROL | MOD_ALT;
    zkratka.klavesa = VK_F11;
    Vytvorit();
    const auto volna = [] {
        if (!RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, VK_F11)) {
            return false;
        }
        UnregisterHotKey(nullptr, 1);
        return true;
    };
    ASSERT_FALSE(volna());
    VNastaveni([&](HWND dialog) {
        EXPECT_TRUE(volna());
        Kliknout(dialog, IDCANCEL);
    });
    EXPECT_FALSE(volna());
}

TEST_F(NastaveniProgramu, TheIconFollowsItsModeAfterTheDialog) {
    Vytvorit();
    ASSERT_FALSE(okno_->IkonaOkna().Existuje());
    const auto zvolitRezim = [&](int polozka) {
        VNastaveni([&](HWND dialog) {
            VybratVCombu(ViditelnaStranka(dialog), IDC_REZIM_IKONY, polozka);
            Kliknout(dialog, IDOK);
        });
    };
    zvolitRezim(0); // "Zobrazovat vždy"
    EXPECT_TRUE(okno_->IkonaOkna().Existuje());
    zvolitRezim(2); // "Nezobrazovat"
    EXPECT_FALSE(okno_->IkonaOkna().Existuje());
}

// The first-run dialog, with the settings root gone as on a user's first start.
class PrvniSpusteni : public NastaveniProgramu {};

TEST_F(PrvniSpusteni, EveryWayOfClosingStoresTheChosenPlaceAndWritesTheSettings) {
    Vytvorit(DvaZdroje());
    const std::wstring beziProgramu = WinApi::SlozkaProgramu() + L"\\Zvukolet.xml";
    const std::wstring dokumenty = *WinApi::ZnamaSlozka(FOLDERID_Documents) + L"\\Zvukolet.xml";
    const struct {
        const char* jak;
        int misto;
        std::function<void(HWND)> zavrit;
        std::wstring soubor;
    } pripady[] = {
        {"Zavřít", 1, [](HWND d) { Kliknout(d, IDOK); }, dokumenty},
        {"Esc", 0, [](HWND d) { SendMessageW(d, WM_COMMAND, IDCANCEL, 0); }, beziProgramu},
        {"close box", 0,
         [](HWND d) {
             SendMessageW(d, WM_CLOSE, 0, 0); // posts the Cancel click
             ZpracovatCekajiciZpravy();
         },
         beziProgramu},
    };
    for (const auto& pripad : pripady) {
        RegDeleteTreeW(HKEY_CURRENT_USER, Testy::kKorenNastaveni);
        ObsluhaDialogu obsluha([&](HWND dialog) {
            EXPECT_EQ(TextOkna(dialog), L"První spuštění aplikace \"Zvukolet\"");
            EXPECT_EQ(Testy::TextPrvku(dialog, IDC_NADPIS_VITEJTE),
                      L"Vítejte v aplikaci \"Zvukolet\"");
            EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_MISTO_SEZNAMU, CB_GETCOUNT, 0, 0), 3);
            EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_MISTO_SEZNAMU, CB_GETCURSEL, 0, 0), 0);
            EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_ZARIZENI_ZAZNAMU, CB_GETCOUNT, 0, 0),
                      static_cast<LRESULT>(SeznamZarizeni().size()));
            SendDlgItemMessageW(dialog, IDC_MISTO_SEZNAMU, CB_SETCURSEL,
                                static_cast<WPARAM>(pripad.misto), 0);
            pripad.zavrit(dialog);
        });
        okno_->NastaveniOkna().PrvniSpusteni();
        ZpracovatCekajiciZpravy();
        EXPECT_TRUE(obsluha.probehla) << pripad.jak;
        EXPECT_EQ(TextZRegistru(kKlicZdroju, L"soubor"), pripad.soubor) << pripad.jak;
        EXPECT_NE(CisloZRegistru(Testy::kKorenNastaveni, L"ikona"), 0xFFFFu) << pripad.jak;
    }
    // None of the places holds a list, so the list read at start gave way to an empty one.
    EXPECT_EQ(Zdroje().Pocet(), 0u);
}

TEST_F(PrvniSpusteni, TheApplicationDataPlaceIsMadeAndTheTickOpensTheGeneralPage) {
    const std::wstring vrbatec = *WinApi::ZnamaSlozka(FOLDERID_LocalAppData) + L"\\Vrbatec";
    RemoveDirectoryW(vrbatec.c_str()); // only when empty: other runs may keep data there
    Vytvorit();
    {
        ObsluhaDialogu obsluha([&](HWND dialog) {
            SendDlgItemMessageW(dialog, IDC_MISTO_SEZNAMU, CB_SETCURSEL, 2, 0);
            Kliknout(dialog, IDC_ZOBRAZIT_NASTAVENI);
            Kliknout(dialog, IDOK);
        });
        okno_->NastaveniOkna().PrvniSpusteni();
        EXPECT_TRUE(obsluha.probehla);
    }
    EXPECT_EQ(TextZRegistru(kKlicZdroju, L"soubor"), vrbatec + L"\\Zvukolet.xml");
    EXPECT_NE(GetFileAttributesW(vrbatec.c_str()), INVALID_FILE_ATTRIBUTES);

    ObsluhaDialogu nastaveni([&](HWND dialog) {
        EXPECT_EQ(TextOkna(dialog), L" Zvukolet - Nastavení: Všeobecné");
        Kliknout(dialog, IDCANCEL);
    });
    ZpracovatCekajiciZpravy();
    EXPECT_TRUE(nastaveni.probehla) << "the settings did not follow the tick";
}

} // namespace
} // namespace Vrbatec::Ui
