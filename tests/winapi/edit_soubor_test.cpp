// The file-path edit: the room for its button, whether its text names a file, and which
// clicks open the file dialog.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "OknaTestu.h"
#include "winapi/EditSoubor.h"

namespace {

using namespace Vrbatec;

constexpr int kIdEditu = 1031;

// Counts the browses instead of showing the system's dialog.
class EditSouborTestu final : public WinApi::EditSoubor {
public:
    int prochazeni = 0;

protected:
    void Prochazet() override { ++prochazeni; }
};

std::wstring DocasnySoubor() {
    wchar_t slozka[MAX_PATH] = {};
    wchar_t soubor[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, slozka);
    ::GetTempFileNameW(slozka, L"zv", 0, soubor);
    return soubor;
}

class EditSouborTest : public ::testing::Test {
protected:
    EditSouborTest() { edit_ = rodic_.VytvoritDite(L"EDIT", kIdEditu, WS_BORDER); }
    ~EditSouborTest() override { ::DeleteFileW(soubor_.c_str()); }

    void Kliknout(int x) {
        ::SendMessageW(edit_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 5));
        ::SendMessageW(edit_, WM_LBUTTONUP, 0, MAKELPARAM(x, 5));
    }
    int SirkaKlienta() const {
        RECT klient{};
        ::GetClientRect(edit_, &klient);
        return klient.right;
    }

    Testy::RodicTestu rodic_;
    HWND edit_ = nullptr;
    const std::wstring soubor_ = DocasnySoubor();
};

TEST_F(EditSouborTest, AttachShowsTheTextKeepsRoomForTheButtonAndTellsWhetherItIsAFile) {
    EditSouborTestu edit;
    EXPECT_TRUE(edit.PripojitEdit(edit_, soubor_.c_str(), nullptr, -1));
    EXPECT_EQ(Testy::TextOkna(edit_), soubor_);
    const auto okraje = ::SendMessageW(edit_, EM_GETMARGINS, 0, 0);
    EXPECT_EQ(HIWORD(okraje), WinApi::EditSoubor::kSirkaTlacitka + 4);

    wchar_t slozka[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, slozka);
    EditSouborTestu editSlozky;
    EXPECT_FALSE(editSlozky.PripojitEdit(edit_, slozka, nullptr, -1));
    EditSouborTestu bezTextu;
    EXPECT_FALSE(bezTextu.PripojitEdit(edit_, L"C:\\neni\\takovy.mp3", nullptr, -1));
}

TEST_F(EditSouborTest, TypingRechecksThePathThroughTheReflectedChange) {
    EditSouborTestu edit;
    ASSERT_FALSE(edit.PripojitEdit(edit_, L"", nullptr, -1));
    ::SetWindowTextW(edit_, soubor_.c_str());
    EXPECT_TRUE(edit.CestaExistuje());
    ::SetWindowTextW(edit_, (soubor_ + L"x").c_str());
    EXPECT_FALSE(edit.CestaExistuje());
    // The parent still hears of the changes, as of a plain edit's.
    EXPECT_GE(rodic_.neodrazenePrikazy, 2);
}

TEST_F(EditSouborTest, OnlyAClickOnTheButtonAreaBrowses) {
    EditSouborTestu edit;
    edit.PripojitEdit(edit_, L"", nullptr, -1);
    const int sirka = SirkaKlienta();
    Kliknout(sirka - WinApi::EditSoubor::kSirkaTlacitka - 3);
    EXPECT_EQ(edit.prochazeni, 0);
    Kliknout(sirka - WinApi::EditSoubor::kSirkaTlacitka);
    Kliknout(sirka - 1);
    EXPECT_EQ(edit.prochazeni, 2);
}

} // namespace
