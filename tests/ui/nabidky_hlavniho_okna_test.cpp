// The main window's menus on the program's menu resources: the prepared popups and tracking.
#include "ui/NabidkyHlavnihoOkna.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "OknoProPrvky.h"
#include "ui/ObrazkovyPruh.h"

namespace Vrbatec::Ui {
namespace {

namespace nho = NabidkyHlavnihoOkna;

const ObrazkovyPruh& Pruh() {
    return AplikaceInstance().MalyPruh();
}

class NabidkyTest : public Testy::OknoProPrvky {
protected:
    nho::PripravenaNabidka Pripravit(UINT id, const nho::StavNabidky& stav) const {
        return nho::Pripravit(Instance(), id, stav, Pruh(), 0x601);
    }
};

TEST_F(NabidkyTest, ListMenuGraysStopAndPropertiesWhileNothingPlaysAndNamesTheMuteAction) {
    for (const int prehravany : {-1, 0}) {
        const bool ztlumeno = prehravany < 0;
        const auto pripravena =
            Pripravit(IDR_MENU_SEZNAM, {.prehravanyIndex = prehravany, .ztlumeno = ztlumeno});
        const HMENU nabidka = pripravena.Nabidka();
        EXPECT_EQ(ztlumeno, Ma(nabidka, ID_ZASTAVIT_PRIJEM, MF_GRAYED | MF_DISABLED));
        EXPECT_EQ(ztlumeno, Ma(nabidka, ID_VLASTNOSTI_ZDROJE, MF_GRAYED | MF_DISABLED));
        EXPECT_FALSE(Ma(nabidka, ID_SPUSTIT_PRIJEM, MF_GRAYED));
        wchar_t text[32] = {};
        ::GetMenuStringW(nabidka, ID_ZTLUMIT, text, 32, MF_BYCOMMAND);
        EXPECT_EQ(ztlumeno ? L"Zapnout zvuk" : L"Ztlumit zvuk", std::wstring(text));
    }
}

// Inside the popup's own loop: the first item is chosen with the keyboard.
void CALLBACK VybratPrvniPolozku(HWND okno, UINT, UINT_PTR casovac, DWORD) {
    ::KillTimer(okno, casovac);
    ::PostMessageW(okno, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageW(okno, WM_KEYDOWN, VK_RETURN, 0);
}

TEST_F(NabidkyTest, TrackedPopupSendsTheChosenCommandToItsOwnerAndIsDestroyed) {
    auto pripravena = Pripravit(IDR_MENU_PANELY, {});
    const HMENU nabidka = pripravena.Nabidka();
    ::SetTimer(okno_, 1, 50, &VybratPrvniPolozku);
    nho::Sledovat(std::move(pripravena), okno_);
    Testy::ZpracovatCekajiciZpravy();
    EXPECT_FALSE(::IsMenu(nabidka));
    EXPECT_EQ(std::vector<WORD>{ID_PANEL_TLACITEK}, rodic_.prikazy);
}

} // namespace
} // namespace Vrbatec::Ui
