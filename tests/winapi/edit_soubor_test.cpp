// The file-path edit: which clicks open the file dialog.
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

TEST(EditSoubor, OnlyAClickOnTheButtonAreaBrowses) {
    Testy::RodicTestu rodic;
    HWND edit_ = rodic.VytvoritDite(L"EDIT", 1031, WS_BORDER);
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
