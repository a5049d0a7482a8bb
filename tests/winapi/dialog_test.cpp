// Dialogs from templates in memory: modal and modeless, results of handled messages, and
// the controls of a dialog used through the toolkit.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "OknaTestu.h"
#include "SablonaDialogu.h"
#include "winapi/Dialog.h"
#include "winapi/ListBox.h"
#include "winapi/OdrazeniZprav.h"
#include "winapi/OdrazitOznameni.h"

namespace {

using namespace Vrbatec;
using Testy::kZpravaTestu;
using Testy::SablonaDialogu;
using Testy::TridaPrvku;
using Testy::ZaznamZprav;

constexpr WORD kIdSeznamu = 1001;
constexpr WORD kIdTlacitka = 1002;
constexpr WORD kIdTextu = 1003;

SablonaDialogu SablonaTestu() {
    SablonaDialogu sablona(WS_POPUP | WS_CAPTION | WS_SYSMENU, 200, 120, L"Zkouška");
    sablona.PridatPrvek(TridaPrvku::ListBox, kIdSeznamu, WS_BORDER | LBS_NOTIFY, 5, 5, 120, 60)
        .PridatPrvek(TridaPrvku::Tlacitko, kIdTlacitka, BS_PUSHBUTTON, 130, 5, 50, 14, L"Přidat")
        .PridatPrvek(TridaPrvku::Static, kIdTextu, SS_LEFT, 5, 70, 120, 10, L"Popis");
    return sablona;
}

// A dialog that reflects notifications and records what it went through.
class DialogTestu : public WinApi::Dialog {
public:
    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override {
        if (WinApi::OdrazitOznameni(okno, zprava, wParam, lParam, vysledek)) {
            return true;
        }
        zpravy.push_back(zprava);
        if (zprava == WM_COMMAND) {
            prikazyOd.push_back(reinterpret_cast<HWND>(lParam));
        }
        if (zprava == WM_INITDIALOG) {
            hwndPriInicializaci = Hwnd();
            if (priInicializaci) {
                priInicializaci(okno);
            }
            return false;
        }
        const auto odpoved = odpovedi.find(zprava);
        if (odpoved == odpovedi.end()) {
            return false;
        }
        if (odpoved->second.akce) {
            odpoved->second.akce(okno);
        }
        vysledek = odpoved->second.vysledek;
        return true;
    }
    void PoPosledniZprave() override { ++poPosledniZprave; }

    struct Odpoved {
        LRESULT vysledek;
        std::function<void(HWND)> akce;
    };
    std::map<UINT, Odpoved> odpovedi;
    std::function<void(HWND)> priInicializaci;
    std::vector<UINT> zpravy;
    std::vector<HWND> prikazyOd; // senders of the WM_COMMANDs that reached the dialog itself
    HWND hwndPriInicializaci = nullptr;
    int poPosledniZprave = 0;
};

TEST(Dialog, AModalDialogEndsWithTheCodeGivenToUkoncit) {
    const SablonaDialogu sablona = SablonaTestu();
    DialogTestu dialog;
    WinApi::ListBox seznam;
    std::vector<std::wstring> polozky;
    bool textPoUvolneniExistuje = false;
    dialog.priInicializaci = [&](HWND okno) {
        EXPECT_FALSE(seznam.Pripojit(GetDlgItem(okno, kIdSeznamu)));
        EXPECT_EQ(seznam.PridatRetezec(L"Český rozhlas"), S_OK);
        EXPECT_EQ(seznam.PridatRetezec(L"Radio Wave"), S_OK);
        // A control of the dialog that is only referred to survives its release.
        WinApi::OvladaciPrvek text;
        EXPECT_FALSE(text.Pripojit(GetDlgItem(okno, kIdTextu)));
        text.Uvolnit();
        EXPECT_EQ(text.Hwnd(), nullptr);
        textPoUvolneniExistuje = IsWindow(GetDlgItem(okno, kIdTextu)) != FALSE;
        PostMessageW(okno, kZpravaTestu, 0, 0);
    };
    dialog.odpovedi[kZpravaTestu] = {0, [&](HWND) {
                                         for (int i = 0; i < seznam.Pocet(); ++i) {
                                             polozky.push_back(seznam.TextPolozky(i));
                                         }
                                         dialog.Ukoncit(77);
                                     }};

    EXPECT_EQ(dialog.SpustitModalne(GetModuleHandleW(nullptr), sablona.Data(), nullptr), 77);
    EXPECT_NE(dialog.hwndPriInicializaci, nullptr);
    EXPECT_TRUE(textPoUvolneniExistuje);
    EXPECT_EQ(polozky, (std::vector<std::wstring>{L"Český rozhlas", L"Radio Wave"}));
    EXPECT_EQ(dialog.poPosledniZprave, 1);
    EXPECT_EQ(dialog.Hwnd(), nullptr);
    // Messages before WM_INITDIALOG (WM_SETFONT among them) stay with the dialog manager.
    ASSERT_FALSE(dialog.zpravy.empty());
    EXPECT_EQ(dialog.zpravy.front(), static_cast<UINT>(WM_INITDIALOG));
}

class NemodalniDialog : public ::testing::Test {
protected:
    void SetUp() override {
        okno = dialog.VytvoritNemodalne(GetModuleHandleW(nullptr), sablona.Data(), nullptr);
        ASSERT_NE(okno, nullptr);
    }

    const SablonaDialogu sablona = SablonaTestu();
    DialogTestu dialog;
    HWND okno = nullptr;
};

TEST_F(NemodalniDialog, HandledResultsReachTheSenderThePathTheDialogManagerReads) {
    // Most results go through DWLP_MSGRESULT, the colour messages straight back.
    dialog.odpovedi[kZpravaTestu] = {1234, {}};
    EXPECT_EQ(SendMessageW(okno, kZpravaTestu, 0, 0), 1234);
    const auto stetec = reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    dialog.odpovedi[WM_CTLCOLORDLG] = {stetec, {}};
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SendMessageW(okno, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(okno)),
              stetec);
    DeleteDC(dc);
    // Unhandled, the dialog manager answers.
    EXPECT_EQ(SendMessageW(okno, kZpravaTestu + 1, 0, 0), 0);
}

TEST_F(NemodalniDialog, ControlNotificationsAreReflectedFromTheDialog) {
    ZaznamZprav tlacitko;
    HWND tlacitkoOkno = GetDlgItem(okno, kIdTlacitka);
    ASSERT_TRUE(tlacitko.Pripojit(tlacitkoOkno));
    tlacitko.odpovedi[WinApi::kZakladOdrazeni + WM_COMMAND] = 0;
    SendMessageW(tlacitkoOkno, BM_CLICK, 0, 0);
    ASSERT_EQ(tlacitko.Pocet(WinApi::kZakladOdrazeni + WM_COMMAND), 1);
    EXPECT_EQ(HIWORD(tlacitko.Posledni(WinApi::kZakladOdrazeni + WM_COMMAND)->wParam), BN_CLICKED);
    // Only notifications that no control handled reach the dialog: here those of the list
    // box (its focus changes), which nobody attached to.
    for (HWND odesilatel : dialog.prikazyOd) {
        EXPECT_EQ(odesilatel, GetDlgItem(okno, kIdSeznamu));
    }
}

TEST_F(NemodalniDialog, TakesTheTitleAndIconsItIsGiven) {
    dialog.NastavitTitulek(L"Zvukolet - Nastavení");
    EXPECT_EQ(Testy::TextOkna(okno), L"Zvukolet - Nastavení");
    HICON velka = LoadIconW(nullptr, IDI_APPLICATION);
    HICON mala = LoadIconW(nullptr, IDI_INFORMATION);
    dialog.NastavitIkony(velka, mala);
    EXPECT_EQ(SendMessageW(okno, WM_GETICON, ICON_BIG, 0), reinterpret_cast<LRESULT>(velka));
    EXPECT_EQ(SendMessageW(okno, WM_GETICON, ICON_SMALL, 0), reinterpret_cast<LRESULT>(mala));
    EXPECT_FALSE(dialog.Zobrazit(SW_SHOWNOACTIVATE));
    EXPECT_TRUE(IsWindowVisible(okno));
}

TEST_F(NemodalniDialog, ZrusitDestroysTheDialogAndRunsTheLastMessageHook) {
    dialog.Zrusit();
    EXPECT_FALSE(IsWindow(okno));
    EXPECT_EQ(dialog.poPosledniZprave, 1);
    EXPECT_EQ(dialog.Hwnd(), nullptr);
    dialog.Zrusit(); // nothing left to destroy
}

TEST(Dialog, DestroyingTheObjectDestroysItsModelessDialog) {
    const SablonaDialogu sablona = SablonaTestu();
    HWND okno = nullptr;
    {
        DialogTestu dialog;
        okno = dialog.VytvoritNemodalne(GetModuleHandleW(nullptr), sablona.Data(), nullptr);
        ASSERT_NE(okno, nullptr);
        EXPECT_TRUE(dialog.VytvorenoObjektem());
    }
    EXPECT_FALSE(IsWindow(okno));
}

} // namespace
