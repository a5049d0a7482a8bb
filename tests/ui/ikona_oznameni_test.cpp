// The icon object on a plain window: what exactly the shell is told when the icon is added,
// given a tooltip or a balloon and removed, with texts longer than the shell's fields, and
// what a shell that refuses leaves behind.
#include "ui/IkonaOznameni.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OknoProPrvky.h"
#include "ZaznamIkony.h"
#include "support/ZaznamHlaseni.h"
#include "ui/PravidlaIkony.h"

namespace Vrbatec::Ui {
namespace {

class IkonaTest : public Testy::OknoProPrvky {
protected:
    void SetUp() override {
        OknoProPrvky::SetUp();
        ::SendMessageW(okno_, WM_SETICON, ICON_SMALL,
                       reinterpret_cast<LPARAM>(ZverejnenyModul().IkonaMala()));
    }
    Testy::ZaznamIkony shell_;
    IkonaOznameni ikona_{shell_};
};

TEST_F(IkonaTest, EachOperationTellsTheShellItsFieldsWithTextsCutToThem) {
    const std::wstring dlouhy(400, L'x');
    for (const bool bohaty : {false, true}) {
        SCOPED_TRACE(bohaty);
        shell_.volani.clear();
        const UINT ukazTip = bohaty ? 0 : NIF_SHOWTIP;
        ASSERT_EQ(ikona_.Pridat(okno_, kIkonaHlavnihoOkna, bohaty), S_OK);
        ikona_.NastavitTip(dlouhy);
        ikona_.ZobrazitBublinu(dlouhy);
        ikona_.Smazat();
        EXPECT_FALSE(ikona_.Pridana());
        EXPECT_EQ(ikona_.ZobrazitBublinu(L"po"), E_INVALIDARG);

        const std::vector<DWORD> cekane =
            bohaty ? std::vector<DWORD>{NIM_ADD, NIM_SETVERSION, NIM_MODIFY, NIM_MODIFY, NIM_DELETE}
                   : std::vector<DWORD>{NIM_ADD,    NIM_SETVERSION, NIM_MODIFY,
                                        NIM_MODIFY, NIM_MODIFY,     NIM_DELETE};
        ASSERT_EQ(shell_.Zpravy(), cekane);
        for (const auto& v : shell_.volani) {
            EXPECT_EQ(v.data.cbSize, sizeof(NOTIFYICONDATAW));
            EXPECT_EQ(v.data.hWnd, okno_);
            EXPECT_EQ(v.data.uID, kIkonaHlavnihoOkna);
        }
        const auto& pridani = shell_.volani[0].data;
        EXPECT_EQ(pridani.uFlags, NIF_MESSAGE | NIF_ICON | NIF_TIP | ukazTip);
        EXPECT_EQ(pridani.uCallbackMessage, 0x87D1u);
        EXPECT_EQ(pridani.hIcon, ZverejnenyModul().IkonaMala());
        EXPECT_EQ(std::wstring(pridani.szTip), L"");
        EXPECT_EQ(shell_.volani[1].data.uVersion, static_cast<UINT>(NOTIFYICON_VERSION_4));

        std::size_t i = 2;
        if (!bohaty) {
            const auto& tip = shell_.volani[i++].data;
            EXPECT_EQ(tip.uFlags, static_cast<UINT>(NIF_TIP | NIF_SHOWTIP));
            EXPECT_EQ(std::wstring(tip.szTip),
                      PravidlaIkony::Oriznout(dlouhy, PravidlaIkony::kPoleTipu));
        }
        const auto& skryti = shell_.volani[i++].data;
        EXPECT_EQ(skryti.uFlags, NIF_INFO | ukazTip);
        EXPECT_EQ(std::wstring(skryti.szInfo), L"");
        const auto& bublina = shell_.volani[i].data;
        EXPECT_EQ(bublina.uFlags, NIF_INFO | ukazTip);
        EXPECT_EQ(std::wstring(bublina.szInfo),
                  PravidlaIkony::Oriznout(dlouhy, PravidlaIkony::kPoleBubliny));
        EXPECT_EQ(std::wstring(bublina.szInfoTitle), L"");
        EXPECT_EQ(bublina.uTimeout, 11000u);
        EXPECT_EQ(bublina.dwInfoFlags, static_cast<DWORD>(NIIF_INFO));
        EXPECT_EQ(bublina.hBalloonIcon, ZverejnenyModul().IkonaMala());
    }
}

TEST_F(IkonaTest, ARefusedAddLeavesNoIconAndNothingInTheShell) {
    const HWND bezIkony = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                            nullptr, nullptr, nullptr);
    const struct {
        HWND vlastnik;
        DWORD selhava;
        HRESULT cekano;
        std::vector<DWORD> zpravy;
    } pripady[] = {
        {okno_, NIM_ADD, HRESULT_FROM_WIN32(ERROR_TIMEOUT), {NIM_ADD}},
        // An icon that cannot speak the fourth version would send events nobody reads.
        {okno_,
         NIM_SETVERSION,
         HRESULT_FROM_WIN32(ERROR_TIMEOUT),
         {NIM_ADD, NIM_SETVERSION, NIM_DELETE}},
        {nullptr, 0, E_INVALIDARG, {}},
        {bezIkony, 0, E_INVALIDARG, {}},
    };
    for (const auto& p : pripady) {
        shell_.volani.clear();
        shell_.selhava = {p.selhava};
        EXPECT_EQ(ikona_.Pridat(p.vlastnik, kIkonaKontrolyAktualizaci, false), p.cekano);
        EXPECT_FALSE(ikona_.Pridana());
        EXPECT_EQ(shell_.Zpravy(), p.zpravy) << p.selhava;
    }
    ::DestroyWindow(bezIkony);
}

// A shell that has lost the icon (it restarted, or it is not running) refuses to remove it; the
// icon is forgotten and the program goes on, so that closing it never ends in an error.
TEST_F(IkonaTest, AShellThatCannotRemoveTheIconLeavesTheProgramRunning) {
    Testy::ZaznamHlaseni hlaseni;
    ASSERT_EQ(ikona_.Pridat(okno_, kIkonaHlavnihoOkna, false), S_OK);
    shell_.selhava = {NIM_DELETE};
    EXPECT_NO_THROW(ikona_.Smazat());
    EXPECT_FALSE(ikona_.Pridana());
    EXPECT_EQ(shell_.Zpravy().back(), static_cast<DWORD>(NIM_DELETE));
    EXPECT_TRUE(hlaseni.okna.empty());
}

} // namespace
} // namespace Vrbatec::Ui
