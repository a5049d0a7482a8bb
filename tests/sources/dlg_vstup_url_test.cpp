// The open-URL dialog: what it opens with, and the text that comes back only on OK.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/Aplikace.h"
#include "res/resource.h"
#include "sources/DlgVstupUrl.h"
#include "ui/ObrazkovyPruh.h"
#include "winapi/OknaTestu.h"

namespace {

using namespace Vrbatec;

class DlgVstupUrlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Testy::PripravitProstredkyAplikace(); }

    // Shows the dialog, checks that it opens with the last text, enters a new one and closes
    // with the button.
    INT_PTR Zadat(const std::wstring& novy, int tlacitko) {
        const std::wstring posledni = dialog_.url;
        Testy::ObsluhaDialogu obsluha([&](HWND okno) {
            EXPECT_EQ(Testy::TextPrvku(okno, IDC_URL_ZDROJE), posledni);
            ::SetDlgItemTextW(okno, IDC_URL_ZDROJE, novy.c_str());
            Testy::Kliknout(okno, tlacitko);
        });
        return dialog_.Spustit(rodic_.Hwnd(), AplikaceInstance().MalyPruh().Seznam());
    }

    Testy::RodicTestu rodic_;
    DlgVstupUrl dialog_;
};

TEST_F(DlgVstupUrlTest, OkGivesBackTheTextAsEnteredAndCancelKeepsTheLastOne) {
    dialog_.url = L"http://rádio.example:8000/živě";
    EXPECT_EQ(Zadat(L"C:\\neexistuje\\píseň.mp3", IDOK), IDOK);
    EXPECT_EQ(dialog_.url, L"C:\\neexistuje\\píseň.mp3");
    EXPECT_EQ(Zadat(L"http://jiny.example/", IDCANCEL), IDCANCEL);
    EXPECT_EQ(dialog_.url, L"C:\\neexistuje\\píseň.mp3");
}

} // namespace
