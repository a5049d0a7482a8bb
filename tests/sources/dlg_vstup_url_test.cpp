// The open-URL dialog: what it opens with, and the text that comes back only on OK.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "OknoPohleduTestu.h"
#include "app/Aplikace.h"
#include "res/resource.h"
#include "sources/DlgVstupUrl.h"
#include "ui/ObrazkovyPruh.h"

namespace {

using namespace Vrbatec;

class DlgVstupUrlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Testy::PripravitProstredkyAplikace(); }

    INT_PTR Spustit() {
        return dialog_.Spustit(rodic_.Hwnd(), AplikaceInstance().MalyPruh().Seznam());
    }

    Testy::OknoPohleduTestu rodic_;
    DlgVstupUrl dialog_;
};

TEST_F(DlgVstupUrlTest, OpensWithTheLastTextAndOkGivesBackWhatWasEntered) {
    dialog_.url = L"http://rádio.example:8000/živě";
    Testy::ObsluhaDialogu obsluha([](HWND okno) {
        EXPECT_EQ(Testy::TextPrvku(okno, IDC_URL_ZDROJE), L"http://rádio.example:8000/živě");
        wchar_t titulek[128] = {};
        ::GetWindowTextW(okno, titulek, 128);
        EXPECT_EQ(std::wstring(titulek),
                  AplikaceInstance().NazevProduktu() + L" - Otevřít URL/soubor");
        EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageW(okno, WM_GETICON, ICON_BIG, 0)),
                  AplikaceInstance().IkonaVelka());
        // The browse button's room at the edit's right end.
        const auto okraje = ::SendDlgItemMessageW(okno, IDC_URL_ZDROJE, EM_GETMARGINS, 0, 0);
        EXPECT_EQ(HIWORD(okraje), WinApi::EditSoubor::kSirkaTlacitka + 4);
        ::SetDlgItemTextW(okno, IDC_URL_ZDROJE, L"C:\\neexistuje\\píseň.mp3");
        Testy::Kliknout(okno, IDOK);
    });
    EXPECT_EQ(Spustit(), IDOK);
    EXPECT_EQ(dialog_.url, L"C:\\neexistuje\\píseň.mp3");

    // An empty text is taken as it is.
    Testy::ObsluhaDialogu prazdny([](HWND okno) {
        EXPECT_EQ(Testy::TextPrvku(okno, IDC_URL_ZDROJE), L"C:\\neexistuje\\píseň.mp3");
        ::SetDlgItemTextW(okno, IDC_URL_ZDROJE, L"");
        Testy::Kliknout(okno, IDOK);
    });
    EXPECT_EQ(Spustit(), IDOK);
    EXPECT_EQ(dialog_.url, L"");
}

TEST_F(DlgVstupUrlTest, CancelKeepsTheText) {
    dialog_.url = L"http://a.example/";
    Testy::ObsluhaDialogu obsluha([](HWND okno) {
        ::SetDlgItemTextW(okno, IDC_URL_ZDROJE, L"http://b.example/");
        Testy::Kliknout(okno, IDCANCEL);
    });
    EXPECT_EQ(Spustit(), IDCANCEL);
    EXPECT_EQ(dialog_.url, L"http://a.example/");
}

} // namespace
