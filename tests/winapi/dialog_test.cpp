// Dialogs from a template in memory: modal and modeless, results of handled messages, and
// the controls of a dialog used through the toolkit.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "OknaTestu.h"
#include "winapi/Dialog.h"
#include "winapi/ListBox.h"

namespace {

using namespace Vrbatec;
using Testy::kZpravaTestu;

constexpr WORD kIdSeznamu = 1001;
constexpr WORD kIdTlacitka = 1002;
constexpr WORD kIdTextu = 1003;

// A list box, a button and a static text, with no resource script needed.
std::vector<WORD> SablonaTestu() {
    // Pushed one by one: GCC 12 takes inserting a range here for an overflow.
    std::vector<WORD> d;
    const auto slova = [&](std::initializer_list<WORD> s) {
        for (const WORD w : s) {
            d.push_back(w);
        }
    };
    const auto text = [&](std::wstring_view t) {
        for (const wchar_t c : t) {
            d.push_back(c);
        }
        d.push_back(0);
    };
    // Style, extended style, controls, x, y, cx, cy, no menu, the dialog class.
    slova({LOWORD(WS_POPUP | WS_CAPTION | DS_SETFONT), HIWORD(WS_POPUP | WS_CAPTION), 0, 0});
    slova({3, 0, 0, 200, 120, 0, 0});
    text(L"Zkouška");
    d.push_back(8);
    text(L"MS Shell Dlg");
    const struct {
        WORD trida, id, x, y;
        const wchar_t* text;
    } prvky[] = {{0x0083, kIdSeznamu, 5, 5, L""},
                 {0x0080, kIdTlacitka, 130, 5, L"Přidat"},
                 {0x0082, kIdTextu, 5, 70, L"Popis"}};
    for (const auto& p : prvky) {
        d.resize(d.size() + d.size() % 2); // every control starts on a DWORD boundary
        slova({0, HIWORD(WS_CHILD | WS_VISIBLE), 0, 0, p.x, p.y, 60, 40, p.id, 0xFFFF, p.trida});
        text(p.text);
        d.push_back(0); // no creation data
    }
    return d;
}

// A dialog that answers the messages it is given handlers for.
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

    HWND VytvoritNemodalne() {
        return Dialog::VytvoritNemodalne(GetModuleHandleW(nullptr), Data(), nullptr);
    }
    const DLGTEMPLATE* Data() const { return reinterpret_cast<const DLGTEMPLATE*>(sablona.data()); }

    const std::vector<WORD> sablona = SablonaTestu();
    std::map<UINT, std::function<LRESULT(HWND)>> odpovedi;
    std::vector<UINT> zpravy;
    int poPosledniZprave = 0;
};

TEST(Dialog, AModalDialogEndsWithTheCodeGivenToUkoncit) {
    DialogTestu dialog;
    WinApi::ListBox seznam;
    bool textPoUvolneniExistuje = false;
    dialog.odpovedi[WM_INITDIALOG] = [&](HWND okno) -> LRESULT {
        seznam.Pripojit(GetDlgItem(okno, kIdSeznamu));
        EXPECT_EQ(seznam.PridatRetezec(L"Český rozhlas"), S_OK);
        // A control of the dialog that is only referred to survives its release.
        WinApi::OvladaciPrvek text;
        text.Pripojit(GetDlgItem(okno, kIdTextu));
        text.Uvolnit();
        textPoUvolneniExistuje = IsWindow(GetDlgItem(okno, kIdTextu)) != FALSE;
        PostMessageW(okno, kZpravaTestu, 0, 0);
        return TRUE;
    };
    std::wstring polozka;
    dialog.odpovedi[kZpravaTestu] = [&](HWND) -> LRESULT {
        polozka = seznam.TextPolozky(0);
        dialog.Ukoncit(77);
        return 0;
    };

    EXPECT_EQ(dialog.SpustitModalne(GetModuleHandleW(nullptr), dialog.Data(), nullptr), 77);
    EXPECT_TRUE(textPoUvolneniExistuje);
    EXPECT_EQ(polozka, L"Český rozhlas");
    EXPECT_EQ(dialog.poPosledniZprave, 1);
    EXPECT_EQ(dialog.Hwnd(), nullptr);
    // Messages before WM_INITDIALOG (WM_SETFONT among them) stay with the dialog manager.
    ASSERT_FALSE(dialog.zpravy.empty());
    EXPECT_EQ(dialog.zpravy.front(), static_cast<UINT>(WM_INITDIALOG));
}

TEST(Dialog, HandledResultsReachTheSenderThePathTheDialogManagerReads) {
    DialogTestu dialog;
    HWND okno = dialog.VytvoritNemodalne();
    ASSERT_NE(okno, nullptr);
    // Most results go through DWLP_MSGRESULT, the colour messages straight back.
    const auto stetec = reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    dialog.odpovedi[kZpravaTestu] = [](HWND) -> LRESULT { return 1234; };
    dialog.odpovedi[WM_CTLCOLORDLG] = [&](HWND) { return stetec; };
    EXPECT_EQ(SendMessageW(okno, kZpravaTestu, 0, 0), 1234);
    EXPECT_EQ(SendMessageW(okno, WM_CTLCOLORDLG, 0, reinterpret_cast<LPARAM>(okno)), stetec);
    // Unhandled, the dialog manager answers.
    EXPECT_EQ(SendMessageW(okno, kZpravaTestu + 1, 0, 0), 0);
}

TEST(Dialog, AModelessDialogEndsWithZrusitOrWithItsObject) {
    DialogTestu dialog;
    HWND okno = dialog.VytvoritNemodalne();
    ASSERT_NE(okno, nullptr);
    dialog.Zrusit();
    EXPECT_FALSE(IsWindow(okno));
    EXPECT_EQ(dialog.poPosledniZprave, 1);
    EXPECT_EQ(dialog.Hwnd(), nullptr);
    dialog.Zrusit(); // nothing left to destroy

    auto objekt = std::make_unique<DialogTestu>();
    okno = objekt->VytvoritNemodalne();
    ASSERT_NE(okno, nullptr);
    objekt.reset();
    EXPECT_FALSE(IsWindow(okno));
}

} // namespace
