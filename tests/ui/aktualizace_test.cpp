// The Help menu's About and update check in the main window as the program creates it, the
// check fetching from a server of the test's own: what the user sees for each answer, the
// temporary icon, one check at a time, and a window closed while a check runs.
// Winsock before anything that brings windows.h.
#include "support/ServerHttp.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/Aplikace.h"
#include "config/UlozisteNastaveni.h"
#include "playback/SkriptovanyPrehravac.h"
#include "recording/GrafZaznamuNahrada.h"
#include "res/resource.h"
#include "support/ZaznamHlaseni.h"
#include "ui/OknoHlavni.h"
#include "update/DlgProgramInfo.h"
#include "update/Odkazy.h"
#include "winapi/OknaTestu.h"
#include "winapi/ZaznamOtevirani.h"
#include "HlavniOknoTestu.h"
#include "ZaznamIkony.h"

namespace {

using namespace Vrbatec;
using Testy::OdpovedHttp;
using Testy::ServerHttp;
using Testy::ZpracovatCekajiciZpravy;
using Ui::OknoHlavni;

constexpr wchar_t kTitulekVysledku[] = L"Vyhledání aktualizací - Zvukolet";
constexpr wchar_t kChyba[] = L"Při vyhledávání aktualizací na webu došlo k chybě.";
constexpr LimityHttp kKratkeLimity{1000, 1000, 1000};

using Hodiny = std::chrono::steady_clock;

class Aktualizace : public Testy::HlavniOknoTestu {
protected:
    void SetUp() override {
        HlavniOknoTestu::SetUp();
        Vytvorit();
    }

    void Zkontrolovat(const ServerHttp& server, LPARAM lParam = 0) {
        okno_->Aktualizace().NastavitZdroj(server.Url(), kKratkeLimity);
        SendMessageW(okno_->Hwnd(), WM_COMMAND, ID_AKTUALIZACE, lParam);
    }

    // Answers the main window's messages until the condition holds or the time is up.
    template <class Podminka>
    static bool Cekat(Podminka podminka,
                      std::chrono::milliseconds limit = std::chrono::seconds(8)) {
        const auto konec = Hodiny::now() + limit;
        while (!podminka()) {
            if (Hodiny::now() > konec) {
                return false;
            }
            ZpracovatCekajiciZpravy();
            Sleep(10);
        }
        return true;
    }

    bool CekatNaKonecKontroly() {
        return Cekat([this] { return !okno_->Aktualizace().KontrolaBezi(); });
    }

    // The result dialog that the check's thread shows: in this process, as other tests may run
    // at the same time on the same display.
    static HWND Vysledek() {
        struct Hledani {
            HWND nalezeny = nullptr;
        } hledani;
        EnumWindows(
            [](HWND okno, LPARAM parametr) -> BOOL {
                DWORD proces = 0;
                GetWindowThreadProcessId(okno, &proces);
                if (proces != GetCurrentProcessId() || Testy::TextOkna(okno) != kTitulekVysledku) {
                    return TRUE;
                }
                reinterpret_cast<Hledani*>(parametr)->nalezeny = okno;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&hledani));
        return hledani.nalezeny;
    }

    static HWND CekatNaVysledek() {
        HWND dialog = nullptr;
        Cekat([&] { return (dialog = Vysledek()) != nullptr; });
        return dialog;
    }

    std::vector<UINT> IdentifikatoryIkon(DWORD zprava) const {
        std::vector<UINT> id;
        for (const auto& volani : shell_.volani) {
            if (volani.zprava == zprava) {
                id.push_back(volani.data.uID);
            }
        }
        return id;
    }

    Testy::ZaznamHlaseni hlaseni_;
};

TEST_F(Aktualizace, ValidFileShowsBothVersionsWhileTheTemporaryIconComesAndGoes) {
    struct Pripad {
        const char* soubor;
        const wchar_t* naWebu;
    };
    for (const Pripad& pripad : {Pripad{"posledniVerze 2.1.0.2\r\n", L" 2.1.0.2\r\n"},
                                 Pripad{"POSLEDNIverze 2.1.0.1\r\n", L" 2.1.0.1\r\n"}}) {
        SCOPED_TRACE(pripad.soubor);
        shell_.volani.clear();
        ServerHttp server(OdpovedHttp::Soubor(pripad.soubor));
        Zkontrolovat(server);
        const HWND dialog = CekatNaVysledek();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(Testy::TextPrvku(dialog, IDC_VASE_VERZE), L"Vaše verze: 2.1.0.1");
        EXPECT_EQ(Testy::TextPrvku(dialog, IDC_VERZE_NA_WEBU),
                  std::wstring(L"Aktuální verze na webu: ") + pripad.naWebu);
        EXPECT_EQ(GetParent(dialog), nullptr);
        // The icon went when the fetch ended, before the dialog is closed.
        ASSERT_TRUE(Cekat([&] { return !okno_->Aktualizace().Ikona().Pridana(); }));
        EXPECT_EQ(IdentifikatoryIkon(NIM_ADD), std::vector<UINT>{255});
        EXPECT_EQ(IdentifikatoryIkon(NIM_DELETE), std::vector<UINT>{255});
        std::wstring bublina;
        for (const auto& volani : shell_.volani) {
            if (volani.zprava == NIM_MODIFY && volani.data.uID == 255 &&
                (volani.data.uFlags & NIF_INFO) != 0 && volani.data.szInfo[0] != L'\0') {
                bublina = volani.data.szInfo;
                EXPECT_EQ(volani.data.dwInfoFlags & NIIF_ICON_MASK, DWORD{NIIF_INFO});
            }
        }
        EXPECT_EQ(bublina, L"Vyhledávám aktualizace na www.vrbatec.cz.\nČekejte prosím...");

        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(CekatNaKonecKontroly());
        EXPECT_TRUE(hlaseni_.okna.empty());
    }
}

TEST_F(Aktualizace, EveryFailureShowsTheErrorBoxUnlessSilentAndNoDialog) {
    struct Pripad {
        const char* popis;
        OdpovedHttp odpoved;
    };
    const std::vector<Pripad> pripady{
        {"20 characters", OdpovedHttp::Soubor("posledniVerze2.1.0.1")},
        {"another word", OdpovedHttp::Soubor("poslednaVerze 2.1.0.2\r\n")},
        // The download's own failures (no length, too long, refused, silent) have tests of
        // their own; here one stands for them.
        {"404", OdpovedHttp::Stav(404, "posledniVerze 2.1.0.2\r\n")},
    };
    for (const Pripad& pripad : pripady) {
        for (const bool potichu : {false, true}) {
            SCOPED_TRACE(std::string(pripad.popis) + (potichu ? ", silent" : ""));
            hlaseni_.okna.clear();
            shell_.volani.clear();
            ServerHttp server(pripad.odpoved);
            Zkontrolovat(server, potichu ? Ui::kTichaKontrola : 0);
            ASSERT_TRUE(CekatNaKonecKontroly());
            ZpracovatCekajiciZpravy();
            EXPECT_EQ(Vysledek(), nullptr);
            EXPECT_FALSE(okno_->Aktualizace().Ikona().Pridana());
            EXPECT_EQ(IdentifikatoryIkon(NIM_DELETE), std::vector<UINT>{255});
            if (potichu) {
                EXPECT_TRUE(hlaseni_.okna.empty());
            } else {
                ASSERT_EQ(hlaseni_.okna.size(), 1u);
                EXPECT_EQ(hlaseni_.okna[0].text, kChyba);
                EXPECT_EQ(hlaseni_.okna[0].titulek, L"Zvukolet");
            }
        }
    }
}

TEST_F(Aktualizace, SecondCheckWhileOneRunsOnlyBeeps) {
    ServerHttp server(OdpovedHttp::Soubor("posledniVerze 2.1.0.2\r\n"));
    Zkontrolovat(server);
    const HWND dialog = CekatNaVysledek();
    ASSERT_NE(dialog, nullptr);
    // The dialog still open counts as the check running.
    EXPECT_FALSE(okno_->Aktualizace().SpustitKontroluAktualizaci(false));
    SendMessageW(okno_->Hwnd(), WM_COMMAND, ID_AKTUALIZACE, 0);
    ZpracovatCekajiciZpravy();
    EXPECT_EQ(server.Pozadavku(), 1);
    EXPECT_TRUE(shell_.volani.size() >= 1 && IdentifikatoryIkon(NIM_ADD).size() == 1);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(CekatNaKonecKontroly());

    // Once it has ended, the next one runs.
    Zkontrolovat(server);
    ASSERT_NE(CekatNaVysledek(), nullptr);
    EXPECT_EQ(server.Pozadavku(), 2);
    PostMessageW(CekatNaVysledek(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(CekatNaKonecKontroly());
}

TEST_F(Aktualizace, ClosingTheWindowEndsTheCheckWhateverItIsDoing) {
    struct Pripad {
        const char* popis;
        OdpovedHttp odpoved;
    };
    for (const Pripad& pripad :
         {Pripad{"dialog open", OdpovedHttp::Soubor("posledniVerze 2.1.0.2\r\n")},
          Pripad{"waiting for the server", OdpovedHttp::Mlceni()}}) {
        SCOPED_TRACE(pripad.popis);
        if (!okno_) {
            SetUp();
        }
        shell_.volani.clear();
        ServerHttp server(pripad.odpoved);
        Zkontrolovat(server);
        if (!pripad.odpoved.mlcet) {
            ASSERT_NE(CekatNaVysledek(), nullptr);
        } else {
            ASSERT_TRUE(Cekat([&] { return server.Pozadavku() == 1; }));
        }
        const auto start = Hodiny::now();
        SendMessageW(okno_->Hwnd(), WM_CLOSE, 0, 0);
        okno_.reset();
        // Mostly the main window's own going on a display without a window manager.
        EXPECT_LT(Hodiny::now() - start, std::chrono::seconds(6));
        EXPECT_EQ(Vysledek(), nullptr);
        EXPECT_EQ(IdentifikatoryIkon(NIM_DELETE), std::vector<UINT>{255});
        // Whatever the check's thread does later reaches no window and shows nothing.
        Sleep(1500);
        ZpracovatCekajiciZpravy();
        EXPECT_TRUE(hlaseni_.okna.empty());
        MSG konec;
        PeekMessageW(&konec, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
}

TEST_F(Aktualizace, AboutShowsTheProductVersionAndLinksAndASecondCommandKeepsOne) {
    Testy::ZaznamOtevirani otvirac;
    std::vector<std::wstring> texty;
    HWND prvni = nullptr;
    bool druhyBezNovehoOkna = false;
    Testy::ObsluhaDialogu obsluha([&](HWND dialog) {
        prvni = dialog;
        for (const int id : {IDC_NADPIS, IDC_COPYRIGHT, IDC_VERZE, IDC_NADPIS_VYZKOUSEJTE}) {
            texty.push_back(Testy::TextPrvku(dialog, id));
        }
        texty.push_back(Testy::TextOkna(dialog));
        // About again while it is open: the same dialog, in front.
        SendMessageW(okno_->Hwnd(), WM_COMMAND, ID_O_PROGRAMU, 0);
        druhyBezNovehoOkna = OknoOProgramu() == dialog;
        // The maker's other applications open through the program's own link opener.
        for (const int id : {IDC_ODKAZ_APLIKACE_1, IDC_ODKAZ_APLIKACE_2}) {
            NMLINK klik{};
            klik.hdr = {GetDlgItem(dialog, id), static_cast<UINT_PTR>(id), NM_CLICK};
            SendMessageW(dialog, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&klik));
        }
        Testy::Kliknout(dialog, IDOK);
    });
    SendMessageW(okno_->Hwnd(), WM_COMMAND, ID_O_PROGRAMU, 0);
    ASSERT_TRUE(obsluha.probehla);
    EXPECT_TRUE(druhyBezNovehoOkna);
    EXPECT_EQ(OknoOProgramu(), nullptr);
    EXPECT_EQ(texty, (std::vector<std::wstring>{L"Zvukolet", L"Copyright © 2026 Vrbatec",
                                                L"verze: 2.1.0.1  (64-bitová verze)",
                                                L"Vyzkoušejte také:", L"O programu Zvukolet"}));
    ASSERT_EQ(otvirac.otevreni.size(), 2u);
    EXPECT_EQ(otvirac.otevreni[0].cil, L"http://www.vrbatec.cz/software/budik/");
    EXPECT_EQ(otvirac.otevreni[1].cil, L"http://www.vrbatec.cz/software/zapisnik/");
    EXPECT_EQ(IsWindow(prvni), FALSE);
}

// The support mail and the maker's site are the links' own targets.
TEST_F(Aktualizace, AboutLinksCarryTheContactAndWebAddresses) {
    std::wstring email, web;
    Testy::ObsluhaDialogu obsluha([&](HWND dialog) {
        for (auto [id, url] :
             {std::pair{IDC_ODKAZ_EMAIL, &email}, std::pair{IDC_ODKAZ_WEB_FIRMY, &web}}) {
            LITEM polozka{};
            polozka.mask = LIF_ITEMINDEX | LIF_URL;
            SendMessageW(GetDlgItem(dialog, id), LM_GETITEM, 0, reinterpret_cast<LPARAM>(&polozka));
            *url = polozka.szUrl;
        }
        Testy::Kliknout(dialog, IDOK);
    });
    SendMessageW(okno_->Hwnd(), WM_COMMAND, ID_O_PROGRAMU, 0);
    ASSERT_TRUE(obsluha.probehla);
    EXPECT_EQ(email, L"mailto:info@vrbatec.cz");
    EXPECT_EQ(web, L"http://www.vrbatec.cz/");
}

} // namespace
