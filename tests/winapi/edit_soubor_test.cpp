// The file-path edit: whether its text names a file, and which clicks open the file dialog.
#include <gtest/gtest.h>

#include "OknaTestu.h"
#include "winapi/EditSoubor.h"

namespace {

using namespace Vrbatec;
using WinApi::EditSoubor;

// Counts the browses instead of showing the system's dialog.
class EditSouborTestu final : public EditSoubor {
public:
    int prochazeni = 0;

protected:
    void Prochazet() override { ++prochazeni; }
};

class EditSouborTest : public ::testing::Test {
protected:
    EditSouborTest() {
        edit_ = rodic_.VytvoritDite(L"EDIT", 1031, WS_BORDER);
        wchar_t soubor[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, slozka_);
        ::GetTempFileNameW(slozka_, L"zv", 0, soubor);
        soubor_ = soubor;
    }
    ~EditSouborTest() override { ::DeleteFileW(soubor_.c_str()); }

    Testy::RodicTestu rodic_;
    HWND edit_ = nullptr;
    wchar_t slozka_[MAX_PATH] = {};
    std::wstring soubor_;
};

TEST_F(EditSouborTest, AFileCountsAsAPathOnAttachAndOnEveryChangeAFolderDoesNot) {
    EditSouborTestu edit;
    EXPECT_TRUE(edit.PripojitEdit(edit_, soubor_.c_str(), nullptr, -1));
    EXPECT_FALSE(EditSouborTestu().PripojitEdit(edit_, slozka_, nullptr, -1));

    ::SetWindowTextW(edit_, (soubor_ + L"x").c_str());
    EXPECT_FALSE(edit.CestaExistuje());
    ::SetWindowTextW(edit_, soubor_.c_str());
    EXPECT_TRUE(edit.CestaExistuje());
}

TEST_F(EditSouborTest, OnlyAClickOnTheButtonAreaBrowses) {
    EditSouborTestu edit;
    edit.PripojitEdit(edit_, L"", nullptr, -1);
    RECT klient{};
    ::GetClientRect(edit_, &klient);
    const int tlacitko = static_cast<int>(klient.right) - EditSoubor::kSirkaTlacitka;
    for (const int x : {0, tlacitko - 1, tlacitko, tlacitko + 5}) {
        ::SendMessageW(edit_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 5));
        ::SendMessageW(edit_, WM_LBUTTONUP, 0, MAKELPARAM(x, 5));
    }
    EXPECT_EQ(edit.prochazeni, 2);
}

} // namespace
