// The ActiveX host with the real control under Wine: the window it lives in, its lifetime,
// and the event connection. Opening a file needs no sound device; playing does, and is tested
// apart.
#include "playback/HostitelPrehravace.h"

#include <wmp.h>

#include <memory>

#include "res/resource.h"
#include "playback/PrehravacTestu.h"

using Microsoft::WRL::ComPtr;

namespace Vrbatec::Testy {
namespace {

constexpr wchar_t kProgId[] = L"WMPlayer.OCX";

class HostitelTest : public PrehravacTest {
protected:
    static void OtevritTon(const HostitelPrehravace& hostitel) {
        ComPtr<IWMPPlayer4> prehravac;
        ASSERT_EQ(S_OK, hostitel.Dotaz(prehravac));
        const std::unique_ptr<OLECHAR, decltype(&::SysFreeString)> cesta(
            ::SysAllocString(CestaTonu().c_str()), &::SysFreeString);
        ASSERT_EQ(S_OK, prehravac->put_URL(cesta.get()));
    }
};

TEST_F(HostitelTest, HostWindowIsAnInvisibleChildThatGoesWithTheHost) {
    {
        HostitelPrehravace hostitel(Instance(), Rodic(), kProgId);
        const HWND okno = hostitel.Okno();
        ASSERT_EQ(okno, ::GetDlgItem(Rodic(), IDC_PREHRAVAC));
        EXPECT_EQ(static_cast<LONG>(WS_CHILD),
                  ::GetWindowLongW(okno, GWL_STYLE) & ~WS_CLIPSIBLINGS);
        EXPECT_FALSE(::IsWindowVisible(okno));
        EXPECT_TRUE(hostitel.JeAktivniNaMiste());
    }
    EXPECT_EQ(nullptr, PrvniPotomek());
}

TEST_F(HostitelTest, FailedCreationThrowsItsCodeAndLeavesNoWindow) {
    HRESULT chyba = S_OK;
    try {
        HostitelPrehravace hostitel(Instance(), Rodic(), L"Zvukolet.NeexistujiciPrvek");
    } catch (HRESULT hr) {
        chyba = hr;
    }
    EXPECT_EQ(CO_E_CLASSSTRING, chyba);
    EXPECT_EQ(nullptr, PrvniPotomek());
}

TEST_F(HostitelTest, OnlyTheLastConnectedListenerHearsOpeningUntilDisconnected) {
    HostitelPrehravace hostitel(Instance(), Rodic(), kProgId);
    ZaznamStavu prvni;
    ZaznamStavu druhy;
    hostitel.PripojitUdalosti(prvni);
    hostitel.PripojitUdalosti(druhy);
    OtevritTon(hostitel);
    ASSERT_TRUE(CekatNa([&] { return druhy.Obsahuje(10); }, 5000));
    EXPECT_TRUE(druhy.Obsahuje(9));
    EXPECT_TRUE(prvni.stavy.empty());

    hostitel.OdpojitUdalosti();
    druhy.stavy.clear();
    OtevritTon(hostitel);
    Pumpovat(500);
    EXPECT_TRUE(druhy.stavy.empty());
}

} // namespace
} // namespace Vrbatec::Testy
