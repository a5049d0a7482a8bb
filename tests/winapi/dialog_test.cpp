// Dialogs from the program's templates: modal and modeless, results of handled messages, and
// the controls of a dialog used through the toolkit.
#include <gtest/gtest.h>

#include <memory>

#include "OknaTestu.h"
#include "res/resource.h"
#include "winapi/Dialog.h"
#include "winapi/ListBox.h"

namespace {

using namespace Vrbatec;
using Testy::kZpravaTestu;

const wchar_t* const kSablona = MAKEINTRESOURCEW(IDD_ZDROJ_INFO);

// The information dialog (a list box, two texts and OK) answering the messages it is given
// handlers for.
class DialogTestu : public WinApi::Dialog {
public:
    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM, LPARAM, LRESULT& vysledek) override {
        zpravy.push_back(zprava);
        const auto odpoved = odpovedi.find(zprava);
        if (odpoved != odpovedi.end()) {
            vysledek = odpoved->second(okno);
        }
        return odpoved != odpovedi.end();
    }
    void PoPosledniZprave() override { ++poPosledniZprave; }

    INT_PTR SpustitModalne() {
        return Dialog::SpustitModalne(GetModuleHandleW(nullptr), kSablona, nullptr);
    }
    HWND VytvoritNemodalne() {
        return Dialog::VytvoritNemodalne(GetModuleHandleW(nullptr), kSablona, nullptr);
    }

    std::map<UINT, std::function<LRESULT(HWND)>> odpovedi;
    std::vector<UINT> zpravy;
    int poPosledniZprave = 0;
};

TEST(Dialog, AModalDialogEndsWithTheCodeGivenToUkoncit) {
    DialogTestu dialog;
    WinApi::ListBox seznam;
    dialog.odpovedi[WM_INITDIALOG] = [&](HWND okno) -> LRESULT {
        seznam.Pripojit(GetDlgItem(okno, IDC_INFORMACE_ZDROJE));
        EXPECT_EQ(seznam.PridatRetezec(L"Český rozhlas"), S_OK);
        PostMessageW(okno, kZpravaTestu, 0, 0);
        return TRUE;
    };
    std::wstring polozka;
    dialog.odpovedi[kZpravaTestu] = [&](HWND) -> LRESULT {
        polozka = seznam.TextPolozky(0);
        dialog.Ukoncit(77);
        return 0;
    };

    EXPECT_EQ(dialog.SpustitModalne(), 77);
    EXPECT_EQ(polozka, L"Český rozhlas");
    EXPECT_EQ(dialog.poPosledniZprave, 1);
    EXPECT_EQ(dialog.Hwnd(), nullptr);
    // Messages before WM_INITDIALOG (WM_SETFONT among them) stay with the dialog manager.
    ASSERT_FALSE(dialog.zpravy.empty());
    EXPECT_EQ(dialog.zpravy.front(), static_cast<UINT>(WM_INITDIALOG));
}

TEST(Dialog, HandledResultsReachTheSenderAndAModelessDialogEndsWithZrusitOrItsObject) {
    auto dialog = std::make_unique<DialogTestu>();
    HWND okno = dialog->VytvoritNemodalne();
    ASSERT_NE(okno, nullptr);
    // Most results go through DWLP_MSGRESULT, the colour messages straight back.
    const auto stetec = reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    dialog->odpovedi[kZpravaTestu] = [](HWND) -> LRESULT { return 1234; };
    dialog->odpovedi[WM_CTLCOLORDLG] = [&](HWND) { return stetec; };
    EXPECT_EQ(SendMessageW(okno, kZpravaTestu, 0, 0), 1234);
    EXPECT_EQ(SendMessageW(okno, WM_CTLCOLORDLG, 0, reinterpret_cast<LPARAM>(okno)), stetec);
    EXPECT_EQ(SendMessageW(okno, kZpravaTestu + 1, 0, 0), 0); // unhandled

    dialog->Zrusit();
    EXPECT_FALSE(IsWindow(okno));
    EXPECT_EQ(dialog->poPosledniZprave, 1);
    EXPECT_EQ(dialog->Hwnd(), nullptr);
    dialog->Zrusit(); // nothing left to destroy

    okno = dialog->VytvoritNemodalne();
    ASSERT_NE(okno, nullptr);
    dialog.reset();
    EXPECT_FALSE(IsWindow(okno));
}

} // namespace
