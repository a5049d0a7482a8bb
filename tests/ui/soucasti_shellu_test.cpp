// The hotkeys and the taskbar button as components of a window: the system's hotkeys for real
// (a combination this process already holds stands for one another program holds), the shell's
// taskbar through a double that records what it was asked.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/Aplikace.h"
#include "config/UlozisteNastaveni.h"
#include "res/resource.h"
#include "ui/HorkeKlavesy.h"
#include "ui/ObrazkovyPruh.h"
#include "ui/OznameniIkony.h"
#include "ui/PanelUloh.h"
#include "winapi/OknaTestu.h"

namespace {

using namespace Vrbatec;
using Ui::StavProgramu;

class ZaznamIkony final : public Ui::OznameniIkony {
public:
    void ZobrazitBublinu(const std::wstring& text, DWORD) override { bubliny.push_back(text); }
    void NastavitTipIkony(const std::wstring&) override {}
    std::vector<std::wstring> bubliny;
};

// Whether another window could take the combination now (and gives it back at once).
bool Volna(UINT modifikatory, UINT klavesa) {
    Testy::RodicTestu jine;
    if (!RegisterHotKey(jine.Hwnd(), 1, modifikatory, klavesa)) {
        return false;
    }
    UnregisterHotKey(jine.Hwnd(), 1);
    return true;
}

class Soucasti : public testing::Test {
protected:
    static void SetUpTestSuite() { Testy::PripravitProstredkyAplikace(); }
    void SetUp() override { NastaveniAplikace().horkeKlavesy.NastavitVychozi(); }
    void TearDown() override { NastaveniAplikace().horkeKlavesy.NastavitVychozi(); }

    static void Priradit(std::uint32_t prikaz, UINT modifikatory, UINT klavesa) {
        for (HorkaKlavesa& k : NastaveniAplikace().horkeKlavesy.Zaznamy()) {
            if (k.prikaz == prikaz) {
                k.modifikatory = modifikatory;
                k.klavesa = klavesa;
            }
        }
    }

    Testy::RodicTestu okno_;
    ZaznamIkony ikona_;
};

TEST_F(Soucasti, HotkeysRegisterWhatHasAKeyTellTheTakenCountAndRunTheirCommands) {
    // Held elsewhere: two combinations the table asks for.
    Testy::RodicTestu jinyProgram;
    ASSERT_TRUE(RegisterHotKey(jinyProgram.Hwnd(), 7, MOD_CONTROL | MOD_ALT, VK_F9));
    ASSERT_TRUE(RegisterHotKey(jinyProgram.Hwnd(), 8, MOD_SHIFT | MOD_ALT, VK_F9));
    Priradit(ID_SPUSTIT_PRIJEM, MOD_CONTROL | MOD_ALT, VK_F9);
    Priradit(ID_ZVYSIT_HLASITOST, MOD_CONTROL | MOD_SHIFT, VK_F10);
    Priradit(ID_KONEC, MOD_SHIFT | MOD_ALT, VK_F9);
    Priradit(ID_NASTAVENI, MOD_CONTROL | MOD_SHIFT, 0); // modifiers without a key: none
    ASSERT_TRUE(Volna(MOD_CONTROL | MOD_SHIFT, 0));

    Ui::HorkeKlavesy klavesy(ikona_, true);
    klavesy.Pripojit(okno_.Hwnd());
    EXPECT_TRUE(klavesy.Registrovano());
    EXPECT_EQ(ikona_.bubliny,
              std::vector<std::wstring>{L"2 klávesové zkratky se nepodařilo zaregistrovat."});
    EXPECT_FALSE(Volna(MOD_CONTROL | MOD_SHIFT, VK_F10));
    EXPECT_TRUE(Volna(MOD_CONTROL | MOD_SHIFT, 0));

    // The pressed combination's command goes to the window as from its menu; the system's own
    // identifiers and the taken ones do not.
    for (const WPARAM id : {WPARAM{ID_ZVYSIT_HLASITOST}, WPARAM{ID_SPUSTIT_PRIJEM},
                            static_cast<WPARAM>(IDHOT_SNAPDESKTOP)}) {
        LRESULT vysledek = 1;
        EXPECT_TRUE(klavesy.ZpracovatZpravu(WM_HOTKEY, id, 0, vysledek));
    }
    Testy::ZpracovatCekajiciZpravy();
    EXPECT_EQ(okno_.prikazy, std::vector<WORD>{ID_ZVYSIT_HLASITOST});

    // Registered once; the taken ones are not let go a second time, so nothing is told.
    klavesy.RegistrovatVse();
    klavesy.Odpojit();
    EXPECT_FALSE(klavesy.Registrovano());
    EXPECT_EQ(ikona_.bubliny.size(), 1u);
    EXPECT_TRUE(Volna(MOD_CONTROL | MOD_SHIFT, VK_F10));
}

TEST_F(Soucasti, OnlyTheFirstCopyRegistersAndAnUnregisterFailureIsTold) {
    Priradit(ID_ZTLUMIT, MOD_CONTROL | MOD_SHIFT, VK_F11);
    Ui::HorkeKlavesy druha(ikona_, false);
    druha.Pripojit(okno_.Hwnd());
    EXPECT_FALSE(druha.Registrovano());
    EXPECT_TRUE(Volna(MOD_CONTROL | MOD_SHIFT, VK_F11));
    druha.Odpojit();

    Ui::HorkeKlavesy prvni(ikona_, true);
    prvni.Pripojit(okno_.Hwnd());
    ASSERT_FALSE(Volna(MOD_CONTROL | MOD_SHIFT, VK_F11));
    // Let go behind the component's back: its own attempt then fails.
    ASSERT_TRUE(UnregisterHotKey(okno_.Hwnd(), ID_ZTLUMIT));
    prvni.OdregistrovatVse();
    EXPECT_EQ(ikona_.bubliny,
              std::vector<std::wstring>{L"1 klávesové zkratky se nepodařilo odregistrovat."});
    prvni.Odpojit();
    EXPECT_EQ(ikona_.bubliny.size(), 1u);
}

// What the taskbar was asked, one line per call.
class ZaznamShellu final : public Ui::ShellPaneluUloh {
public:
    explicit ZaznamShellu(std::vector<std::wstring>& volani) : volani_(volani) {}

    HRESULT PridatTlacitka(HWND, HIMAGELIST obrazky, std::span<THUMBBUTTON> tlacitka,
                           const std::wstring& tipNahledu) override {
        const bool pruh = obrazky == AplikaceInstance().MalyPruh().Seznam();
        volani_.push_back(L"pridat " + std::wstring(pruh ? L"maly pruh " : L"? ") + tipNahledu +
                          Popis(tlacitka));
        return S_OK;
    }
    HRESULT AktualizovatTlacitka(HWND, std::span<THUMBBUTTON> tlacitka) override {
        volani_.push_back(L"aktualizovat" + Popis(tlacitka));
        return S_OK;
    }
    // As under Wine, where the jump list is not implemented.
    HRESULT NahraditSeznamSkoku(std::span<const Ui::ObsahPaneluUloh::UlohaSkoku> ulohy) override {
        std::wstring text = L"seznam";
        for (const auto& u : ulohy) {
            text += L" " + (u.oddelovac ? std::wstring(L"|") : std::wstring(u.argument));
        }
        volani_.push_back(text);
        return E_NOTIMPL;
    }

private:
    // Each button as "id:image:flags:tooltip".
    static std::wstring Popis(std::span<THUMBBUTTON> tlacitka) {
        std::wstring text;
        for (const THUMBBUTTON& t : tlacitka) {
            EXPECT_EQ(t.dwMask, THB_BITMAP | THB_TOOLTIP | THB_FLAGS);
            text += L" " + std::to_wstring(t.iId) + L":" + std::to_wstring(t.iBitmap) + L":" +
                    std::to_wstring(t.dwFlags) + L":" + t.szTip;
        }
        return text;
    }
    std::vector<std::wstring>& volani_;
};

TEST_F(Soucasti, TaskbarButtonsComeWithTheShellsMessageAndFollowTheStateWhileShown) {
    std::vector<std::wstring> volani;
    Ui::PanelUloh panel(AplikaceInstance(), std::make_unique<ZaznamShellu>(volani));
    panel.Pripojit(okno_.Hwnd());
    const StavProgramu vyber{.vybranyIndex = 0, .pocetZdroju = 1};
    panel.Obnovit(vyber);
    panel.Obnovit(vyber); // the same tasks are not asked for again
    const UINT zprava = RegisterWindowMessageW(L"TaskbarButtonCreated");
    LRESULT vysledek = 1;
    EXPECT_TRUE(panel.ZpracovatZpravu(zprava, 0, 0, vysledek));
    EXPECT_FALSE(panel.ZpracovatZpravu(WM_HOTKEY, 0, 0, vysledek));

    // Hidden in the notification area: kept, not sent, until a refresh finds the window shown.
    StavProgramu hraje{.vybranyIndex = 0,
                       .pocetZdroju = 1,
                       .prehravanyIndex = 0,
                       .ztlumeno = true,
                       .oknoViditelne = false};
    panel.Obnovit(hraje);
    hraje.oknoViditelne = true;
    panel.Obnovit(hraje);
    panel.Obnovit(hraje);
    // The shell restarted: the buttons come again, as they are now.
    EXPECT_TRUE(panel.ZpracovatZpravu(zprava, 0, 0, vysledek));
    panel.Odpojit();

    const std::wstring povolene = std::to_wstring(THBF_ENABLED);
    const std::wstring zakazane = std::to_wstring(THBF_DISABLED);
    const std::wstring zavrit = std::to_wstring(THBF_DISMISSONCLICK);
    const std::wstring ostatni =
        L" 40021:3:" + povolene + L":Snížit hlasitost 40020:2:" + povolene + L":Zvýšit hlasitost";
    const std::wstring konec =
        L" 40002:14:" + zavrit + L":Předvolby 40001:15:" + zavrit + L":Ukončit aplikaci";
    const std::wstring tlacitkaPoVyberu =
        L" 40006:30:" + povolene + L":Spustit příjem zvuku 40007:32:" + zakazane + L":" + ostatni +
        L" 40013:9:" + povolene + L":Ztlumit zvuk" + konec;
    const std::wstring tlacitkaPriHrani = L" 40006:30:" + zakazane + L": 40007:32:" + povolene +
                                          L":Zastavit příjem zvuku" + ostatni + L" 40013:17:" +
                                          povolene + L":Zapnout ztlumený zvuk" + konec;
    const std::vector<std::wstring> cekano = {
        L"seznam hm hp z0 | sp sz | nast",
        L"pridat maly pruh Zvukolet" + tlacitkaPoVyberu,
        L"seznam hm hp z0 | zp sz | nast",
        L"aktualizovat" + tlacitkaPriHrani,
        L"pridat maly pruh Zvukolet" + tlacitkaPriHrani,
        L"seznam sp sz | nast",
    };
    EXPECT_EQ(volani, cekano);
}

} // namespace
