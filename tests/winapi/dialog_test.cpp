// The hooks of the dialog base on real dialogs from templates in memory: which hook each
// message reaches, how OK and Cancel end a modal dialog by every way the user can press them,
// and what they leave of a modeless one.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "OknaTestu.h"
#include "winapi/Dialog.h"
#include "winapi/OdrazeniZprav.h"

namespace {

using namespace Vrbatec;
using Testy::kEditSablony;
using Testy::kTlacitkoSablony;

INT_PTR SpustitModalne(WinApi::Dialog& dialog) {
    static const Testy::SablonaDialogu sablona(WS_POPUP | WS_CAPTION | WS_SYSMENU);
    return dialog.SpustitModalne(GetModuleHandleW(nullptr), sablona.Sablona(), nullptr);
}

// Records what reaches each hook, and refuses every Cancel.
class DialogHacku final : public WinApi::Dialog {
public:
    bool Dostal(WORD id, WORD kod) const {
        const std::tuple prikaz{id, kod, GetDlgItem(Hwnd(), id)};
        return std::find(prikazy.begin(), prikazy.end(), prikaz) != prikazy.end();
    }

    std::vector<std::tuple<WORD, WORD, HWND>> prikazy; // id, code, control
    int zruseni = 0;

protected:
    // Places the focus itself, which the dialog manager must then leave alone.
    bool PriInicializaci() override {
        SetFocus(GetDlgItem(Hwnd(), kTlacitkoSablony));
        return false;
    }
    bool PriPrikazu(WORD id, WORD kod, HWND prvek) override {
        prikazy.emplace_back(id, kod, prvek);
        return true;
    }
    // Only the clicks: the buttons also ask their parent about drawing them.
    bool PriOznameni(const NMHDR& o, LRESULT& vysledek) override {
        vysledek = 17;
        return o.code == static_cast<UINT>(NM_CLICK);
    }
    void PriZruseni() override { ++zruseni; }
};

// What the dialog manager does with a key pressed in the edit.
void StisknoutVEditu(HWND dialog, WPARAM klavesa) {
    MSG zprava{GetDlgItem(dialog, kEditSablony), WM_KEYDOWN, klavesa, 0, 0, {}};
    IsDialogMessageW(dialog, &zprava);
}

// The OK click is in the next test.
TEST(HackyDialogu, AModalDialogEndsWithTheCodeOfOkOrCancelHoweverPressed) {
    const struct {
        void (*stisknout)(HWND);
        INT_PTR kod;
    } pripady[] = {
        {[](HWND d) { StisknoutVEditu(d, VK_RETURN); }, IDOK},
        {[](HWND d) { StisknoutVEditu(d, VK_ESCAPE); }, IDCANCEL},
        {[](HWND d) { Testy::Kliknout(d, IDCANCEL); }, IDCANCEL},
    };
    for (const auto& pripad : pripady) {
        SCOPED_TRACE(&pripad - pripady);
        WinApi::Dialog dialog;
        Testy::ObsluhaDialogu obsluha(pripad.stisknout);
        EXPECT_EQ(SpustitModalne(dialog), pripad.kod);
    }
}

// The base reflects first: a control whose object takes its notification is not the hooks'
// business, and the others still reach them.
TEST(HackyDialogu, HooksGetTheirMessagesAfterControlObjectsAndAnOverridingCancelMayRefuse) {
    Testy::ZaznamZprav tlacitko;
    tlacitko.odpovedi[WM_COMMAND + WinApi::kZakladOdrazeni] = 0;
    DialogHacku dialog;
    Testy::ObsluhaDialogu obsluha([&](HWND d) {
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), kTlacitkoSablony);
        ASSERT_TRUE(tlacitko.Pripojit(GetDlgItem(d, kTlacitkoSablony)));
        Testy::Kliknout(d, kTlacitkoSablony);
        EXPECT_EQ(tlacitko.Pocet(WM_COMMAND + WinApi::kZakladOdrazeni), 1);
        EXPECT_FALSE(dialog.Dostal(kTlacitkoSablony, BN_CLICKED));
        SetDlgItemTextW(d, kEditSablony, L"Radio");
        EXPECT_TRUE(dialog.Dostal(kEditSablony, EN_CHANGE));

        NMHDR oznameni{GetDlgItem(d, kEditSablony), kEditSablony, static_cast<UINT>(NM_CLICK)};
        EXPECT_EQ(SendMessageW(d, WM_NOTIFY, kEditSablony, reinterpret_cast<LPARAM>(&oznameni)),
                  17);

        // A Cancel that the dialog refuses leaves it open, by the button and by Esc alike.
        Testy::Kliknout(d, IDCANCEL);
        StisknoutVEditu(d, VK_ESCAPE);
        EXPECT_EQ(dialog.zruseni, 2);
        EXPECT_TRUE(IsWindowVisible(d));
        // The OK button (BS_NOTIFY) taking the focus tells so with a code of its own, which
        // does not end the dialog; its click does.
        SetFocus(GetDlgItem(d, IDOK));
        EXPECT_TRUE(dialog.Dostal(IDOK, BN_SETFOCUS));
        EXPECT_TRUE(IsWindowVisible(d));
        Testy::Kliknout(d, IDOK);
    });
    EXPECT_EQ(SpustitModalne(dialog), IDOK);
}

// A modeless dialog is a panel or a page: its owner decides when it goes. Shown in its
// owner's window it is never activated itself, so its focus is only what its init asked for.
TEST(HackyDialogu, AModelessDialogTakesTheFocusAsItsInitSaysAndOutlivesOkAndCancel) {
    Testy::RodicTestu rodic;
    const Testy::SablonaDialogu sablona(DS_CONTROL | WS_CHILD | WS_VISIBLE);
    WinApi::Dialog dialog;
    HWND okno =
        dialog.VytvoritNemodalne(GetModuleHandleW(nullptr), sablona.Sablona(), rodic.Hwnd());
    ASSERT_NE(okno, nullptr);
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), kEditSablony);
    Testy::Kliknout(okno, IDOK);
    Testy::Kliknout(okno, IDCANCEL);
    StisknoutVEditu(okno, VK_ESCAPE);
    EXPECT_TRUE(GetWindowLongPtrW(okno, GWL_STYLE) & WS_VISIBLE);
}

} // namespace
