// The hooks of the dialog base on real dialogs from templates in memory: which hook each
// message reaches, how OK and Cancel end a modal dialog by every way the user can press them,
// and what they leave of a modeless one.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "OknaTestu.h"
#include "winapi/Dialog.h"
#include "winapi/OdrazeniZprav.h"

namespace {

using namespace Vrbatec;
using Testy::kZpravaTestu;
using Testy::SablonaDialogu;

constexpr WORD kEdit = 100;
constexpr WORD kTlacitko = 101;

SablonaDialogu SablonaSTlacitky(DWORD styl) {
    SablonaDialogu sablona(styl);
    sablona.Pridat(SablonaDialogu::kEdit, kEdit, WS_TABSTOP | ES_AUTOHSCROLL, 5, 5, 100, 12)
        .Pridat(SablonaDialogu::kTlacitko, kTlacitko, WS_TABSTOP | BS_PUSHBUTTON, 5, 25, 50, 14)
        .Pridat(SablonaDialogu::kTlacitko, IDOK, WS_TABSTOP | BS_DEFPUSHBUTTON | BS_NOTIFY, 60, 80,
                50, 14, L"OK")
        .Pridat(SablonaDialogu::kTlacitko, IDCANCEL, WS_TABSTOP | BS_PUSHBUTTON, 120, 80, 50, 14,
                L"Storno");
    return sablona;
}

const SablonaDialogu& ModalniSablona() {
    static const SablonaDialogu sablona = SablonaSTlacitky(WS_POPUP | WS_CAPTION | WS_SYSMENU);
    return sablona;
}

struct Prikaz {
    WORD id;
    WORD kod;
    HWND prvek;
};

const Prikaz* NajitPrikaz(const std::vector<Prikaz>& prikazy, WORD id, WORD kod) {
    const auto nalezeny = std::find_if(prikazy.begin(), prikazy.end(),
                                       [&](const Prikaz& p) { return p.id == id && p.kod == kod; });
    return nalezeny != prikazy.end() ? &*nalezeny : nullptr;
}

// Records what reaches each hook; answers the test message in its own handler.
class DialogHacku final : public WinApi::Dialog {
public:
    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override {
        if (zprava == kZpravaTestu) {
            vysledek = 42;
            return true;
        }
        return Dialog::ZpracovatZpravu(okno, zprava, wParam, lParam, vysledek);
    }

    INT_PTR SpustitModalne() {
        return Dialog::SpustitModalne(GetModuleHandleW(nullptr), ModalniSablona().Sablona(),
                                      nullptr);
    }

    bool vychoziFokus = true;
    int fokusNa = 0;
    bool zavritPriZruseni = true;
    LRESULT odpovedOznameni = 0;

    int inicializace = 0;
    std::vector<Prikaz> prikazy;
    std::vector<UINT_PTR> kliknuti; // the senders of NM_CLICK
    int ok = 0;
    int zruseni = 0;

protected:
    bool PriInicializaci() override {
        ++inicializace;
        if (fokusNa != 0) {
            SetFocus(GetDlgItem(Hwnd(), fokusNa));
        }
        return vychoziFokus;
    }
    bool PriPrikazu(WORD id, WORD kod, HWND prvek) override {
        prikazy.push_back({id, kod, prvek});
        return true;
    }
    // Only the clicks: the buttons also ask their parent about drawing them.
    bool PriOznameni(const NMHDR& o, LRESULT& vysledek) override {
        if (o.code != static_cast<UINT>(NM_CLICK)) {
            return false;
        }
        kliknuti.push_back(o.idFrom);
        vysledek = odpovedOznameni;
        return true;
    }
    void PriOk() override {
        ++ok;
        Dialog::PriOk();
    }
    void PriZruseni() override {
        ++zruseni;
        if (zavritPriZruseni) {
            Dialog::PriZruseni();
        }
    }
};

// What the dialog manager does with a key pressed in the edit.
void StisknoutVEditu(HWND dialog, WPARAM klavesa) {
    MSG zprava{GetDlgItem(dialog, kEdit), WM_KEYDOWN, klavesa, 0, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(dialog, &zprava));
}

TEST(HackyDialogu, AModalDialogEndsWithTheCodeOfOkOrCancelHoweverPressed) {
    const struct {
        const char* jak;
        std::function<void(HWND)> stisknout;
        INT_PTR kod;
    } pripady[] = {
        {"OK clicked", [](HWND d) { Testy::Kliknout(d, IDOK); }, IDOK},
        {"Cancel clicked", [](HWND d) { Testy::Kliknout(d, IDCANCEL); }, IDCANCEL},
        {"Enter", [](HWND d) { StisknoutVEditu(d, VK_RETURN); }, IDOK},
        {"Esc", [](HWND d) { StisknoutVEditu(d, VK_ESCAPE); }, IDCANCEL},
        // The dialog manager posts the close box's Cancel.
        {"close box",
         [](HWND d) {
             SendMessageW(d, WM_CLOSE, 0, 0);
             Testy::ZpracovatCekajiciZpravy();
         },
         IDCANCEL},
    };
    for (const auto& pripad : pripady) {
        SCOPED_TRACE(pripad.jak);
        WinApi::Dialog dialog;
        Testy::ObsluhaDialogu obsluha(pripad.stisknout);
        EXPECT_EQ(
            dialog.SpustitModalne(GetModuleHandleW(nullptr), ModalniSablona().Sablona(), nullptr),
            pripad.kod);
        EXPECT_TRUE(obsluha.probehla);
    }
}

TEST(HackyDialogu, HooksGetTheirMessagesAndTheDerivedHandlerTheRest) {
    DialogHacku dialog;
    dialog.zavritPriZruseni = false;
    dialog.odpovedOznameni = 17;
    Testy::ObsluhaDialogu obsluha([&](HWND d) {
        EXPECT_EQ(dialog.inicializace, 1);
        Testy::Kliknout(d, kTlacitko);
        const Prikaz* klik = NajitPrikaz(dialog.prikazy, kTlacitko, BN_CLICKED);
        ASSERT_NE(klik, nullptr);
        EXPECT_EQ(klik->prvek, GetDlgItem(d, kTlacitko));
        // The OK button (BS_NOTIFY) taking the focus tells so with a code of its own.
        SetFocus(GetDlgItem(d, IDOK));
        EXPECT_NE(NajitPrikaz(dialog.prikazy, IDOK, BN_SETFOCUS), nullptr);
        EXPECT_EQ(dialog.ok, 0);

        NMHDR oznameni{GetDlgItem(d, kEdit), kEdit, static_cast<UINT>(NM_CLICK)};
        EXPECT_EQ(SendMessageW(d, WM_NOTIFY, kEdit, reinterpret_cast<LPARAM>(&oznameni)), 17);
        EXPECT_EQ(dialog.kliknuti, std::vector<UINT_PTR>{kEdit});
        EXPECT_EQ(SendMessageW(d, kZpravaTestu, 0, 0), 42);

        // A Cancel that the dialog refuses leaves it open, by the button and by Esc alike.
        Testy::Kliknout(d, IDCANCEL);
        StisknoutVEditu(d, VK_ESCAPE);
        EXPECT_EQ(dialog.zruseni, 2);
        EXPECT_TRUE(IsWindowVisible(d));
        Testy::Kliknout(d, IDOK);
    });
    EXPECT_EQ(dialog.SpustitModalne(), IDOK);
    EXPECT_EQ(dialog.ok, 1);
}

TEST(HackyDialogu, TheInitHookDecidesTheFocus) {
    const struct {
        bool vychoziFokus;
        int fokusNa;
        int ocekavany;
    } pripady[] = {
        {true, 0, kEdit},
        // Placed by the hook, which the dialog manager must then leave alone.
        {false, kTlacitko, kTlacitko},
    };
    for (const auto& pripad : pripady) {
        SCOPED_TRACE(pripad.ocekavany);
        DialogHacku dialog;
        dialog.vychoziFokus = pripad.vychoziFokus;
        dialog.fokusNa = pripad.fokusNa;
        int fokus = 0;
        Testy::ObsluhaDialogu obsluha([&](HWND d) {
            fokus = GetDlgCtrlID(GetFocus());
            EndDialog(d, IDOK);
        });
        dialog.SpustitModalne();
        EXPECT_EQ(fokus, pripad.ocekavany);
    }
}

TEST(HackyDialogu, AModelessDialogOutlivesItsOkAndCancel) {
    const SablonaDialogu sablona = SablonaSTlacitky(WS_POPUP);
    DialogHacku dialog;
    HWND okno = dialog.VytvoritNemodalne(GetModuleHandleW(nullptr), sablona.Sablona(), nullptr);
    ASSERT_NE(okno, nullptr);
    Testy::Kliknout(okno, IDOK);
    Testy::Kliknout(okno, IDCANCEL);
    Testy::ZpracovatCekajiciZpravy();
    EXPECT_EQ(dialog.ok, 1);
    EXPECT_EQ(dialog.zruseni, 1);
    EXPECT_TRUE(IsWindow(okno));
    EXPECT_EQ(dialog.Hwnd(), okno);
}

// The base reflects first: a control whose object takes its notification is not the hooks'
// business, and the others still reach them.
TEST(HackyDialogu, AControlObjectAnswersForItselfBeforeTheHooks) {
    const SablonaDialogu sablona = SablonaSTlacitky(WS_POPUP);
    DialogHacku dialog;
    HWND okno = dialog.VytvoritNemodalne(GetModuleHandleW(nullptr), sablona.Sablona(), nullptr);
    ASSERT_NE(okno, nullptr);
    Testy::ZaznamZprav tlacitko;
    tlacitko.odpovedi[WM_COMMAND + WinApi::kZakladOdrazeni] = 0;
    ASSERT_TRUE(tlacitko.Pripojit(GetDlgItem(okno, kTlacitko)));

    Testy::Kliknout(okno, kTlacitko);
    SetDlgItemTextW(okno, kEdit, L"Radio");
    EXPECT_EQ(tlacitko.Pocet(WM_COMMAND + WinApi::kZakladOdrazeni), 1);
    EXPECT_EQ(NajitPrikaz(dialog.prikazy, kTlacitko, BN_CLICKED), nullptr);
    EXPECT_NE(NajitPrikaz(dialog.prikazy, kEdit, EN_CHANGE), nullptr);
}

} // namespace
