// The arithmetic of window placement: what is stored, what comes back, and where a window
// ends up on a work area or when centred.
#include <gtest/gtest.h>

#include <optional>

#include "winapi/PolohaOkna.h"

namespace {

using Vrbatec::WinApi::Bod;
using Vrbatec::WinApi::NactenaPoloha;
using Vrbatec::WinApi::Obdelnik;
using Vrbatec::WinApi::PolohaVPracovniOblasti;
using Vrbatec::WinApi::RozbalitPolohu;
using Vrbatec::WinApi::StojiZaUlozeni;
using Vrbatec::WinApi::UlozenaPoloha;
using Vrbatec::WinApi::VycentrovanaPoloha;
using Vrbatec::WinApi::ZabalitPolohu;

constexpr Obdelnik kObrazovka{0, 0, 1280, 1024};

Obdelnik OknoNa(int x, int y, int sirka, int vyska) {
    return {x, y, x + sirka, y + vyska};
}

TEST(PolohaOkna, PackingPutsLeftAndWidthLowAndTopAndHeightHigh) {
    const UlozenaPoloha ulozena = ZabalitPolohu(OknoNa(300, 200, 520, 280));
    EXPECT_EQ(ulozena.poloha, 0x00C8012Cu);
    EXPECT_EQ(ulozena.velikost, 0x01180208u);

    const NactenaPoloha nactena = RozbalitPolohu(ulozena);
    EXPECT_EQ(nactena.poloha, (Bod{300, 200}));
    EXPECT_EQ(nactena.sirka, 520);
    EXPECT_EQ(nactena.vyska, 280);
}

TEST(PolohaOkna, NegativeCoordinatesAreCutTo16BitsAndComeBackUnsigned) {
    const UlozenaPoloha ulozena = ZabalitPolohu(OknoNa(-500, 100, 520, 280));
    EXPECT_EQ(ulozena.poloha, 0x0064FE0Cu);
    EXPECT_EQ(RozbalitPolohu(ulozena).poloha, (Bod{65036, 100}));

    // Above the primary monitor; the left edge must not leak into the top half.
    const UlozenaPoloha nahore = ZabalitPolohu(OknoNa(10, -20, 520, 280));
    EXPECT_EQ(nahore.poloha, 0xFFEC000Au);
    EXPECT_EQ(RozbalitPolohu(nahore).poloha, (Bod{10, 65516}));
}

TEST(PolohaOkna, SizesBeyond16BitsAreCut) {
    const NactenaPoloha nactena = RozbalitPolohu(ZabalitPolohu(OknoNa(0, 0, 70000, 65536)));
    EXPECT_EQ(nactena.sirka, 70000 - 65536);
    EXPECT_EQ(nactena.vyska, 0);
}

TEST(PolohaOkna, OnlyARectangleLeftOfAndAboveTheScreenIsNotSaved) {
    EXPECT_FALSE(StojiZaUlozeni(OknoNa(-32000, -32000, 160, 28))) << "minimised";
    EXPECT_FALSE(StojiZaUlozeni(OknoNa(-8, -8, 1296, 1040))) << "maximised";
    EXPECT_TRUE(StojiZaUlozeni(OknoNa(-500, 100, 520, 280))) << "on a monitor to the left";
    EXPECT_TRUE(StojiZaUlozeni(OknoNa(100, -300, 520, 280))) << "on a monitor above";
    EXPECT_TRUE(StojiZaUlozeni(OknoNa(0, 0, 520, 280)));
    EXPECT_TRUE(StojiZaUlozeni(OknoNa(-1, 0, 520, 280)));
}

TEST(PolohaOkna, AWindowSavedLeftOfThePrimaryMonitorIsPulledOntoTheWorkArea) {
    // Read back at 65036; the monitor nearest to that lies right of everything.
    const NactenaPoloha nactena = RozbalitPolohu(ZabalitPolohu(OknoNa(-500, 100, 520, 280)));
    const Obdelnik obnovene =
        OknoNa(nactena.poloha.x, nactena.poloha.y, nactena.sirka, nactena.vyska);
    const Obdelnik pravyMonitor{1280, 0, 2560, 994};
    EXPECT_EQ(PolohaVPracovniOblasti(obnovene, pravyMonitor), (Bod{2560 - 520, 100}));
    EXPECT_EQ(PolohaVPracovniOblasti(obnovene, kObrazovka), (Bod{1280 - 520, 100}));
}

TEST(PolohaOkna, AWindowInsideTheWorkAreaStays) {
    EXPECT_EQ(PolohaVPracovniOblasti(OknoNa(100, 100, 520, 280), kObrazovka), std::nullopt);
    EXPECT_EQ(PolohaVPracovniOblasti(kObrazovka, kObrazovka), std::nullopt) << "exactly fills it";
    const Obdelnik druhyMonitor{-1280, 0, 0, 1024};
    EXPECT_EQ(PolohaVPracovniOblasti(OknoNa(-900, 10, 520, 280), druhyMonitor), std::nullopt);
}

TEST(PolohaOkna, AWindowPastTheRightOrBottomEdgeComesBackWhole) {
    EXPECT_EQ(PolohaVPracovniOblasti(OknoNa(1000, 100, 520, 280), kObrazovka), (Bod{760, 100}));
    EXPECT_EQ(PolohaVPracovniOblasti(OknoNa(100, 900, 520, 280), kObrazovka), (Bod{100, 744}));
    EXPECT_EQ(PolohaVPracovniOblasti(OknoNa(3000, 2000, 520, 280), kObrazovka), (Bod{760, 744}))
        << "entirely off to the right and below";
}

TEST(PolohaOkna, AWindowLeftOfOrAboveTheWorkAreaMovesToItsEdge) {
    EXPECT_EQ(PolohaVPracovniOblasti(OknoNa(-100, 100, 520, 280), kObrazovka), (Bod{0, 100}));
    // A task bar at the top: the work area starts lower than the screen.
    const Obdelnik podListou{0, 40, 1280, 1024};
    EXPECT_EQ(PolohaVPracovniOblasti(OknoNa(100, 10, 520, 280), podListou), (Bod{100, 40}));
    const Obdelnik levyMonitor{-1280, 0, 0, 1024};
    EXPECT_EQ(PolohaVPracovniOblasti(OknoNa(-2000, 100, 520, 280), levyMonitor), (Bod{-1280, 100}));
}

TEST(PolohaOkna, ATinyWindowIsKeptTenPixelsInsideTheFarEdges) {
    // Too small to pass the edge itself: only the rule against the last ten pixels holds.
    EXPECT_EQ(PolohaVPracovniOblasti(OknoNa(1275, 1018, 4, 4), kObrazovka), (Bod{1270, 1014}));
}

TEST(PolohaOkna, AWindowLargerThanTheWorkAreaKeepsItsTopLeftOnIt) {
    EXPECT_EQ(PolohaVPracovniOblasti(OknoNa(100, 50, 2000, 1500), kObrazovka), (Bod{0, 0}));
    EXPECT_EQ(PolohaVPracovniOblasti(OknoNa(-300, -200, 2000, 1500), kObrazovka), (Bod{0, 0}));
    const Obdelnik posunuta{100, 40, 1380, 1064};
    EXPECT_EQ(PolohaVPracovniOblasti(OknoNa(500, 500, 2000, 1500), posunuta), (Bod{100, 40}));
}

TEST(PolohaOkna, CentringOnTheWorkAreaOrAClientArea) {
    EXPECT_EQ(VycentrovanaPoloha(520, 280, kObrazovka, kObrazovka), (Bod{380, 372}));
    const Obdelnik levyMonitor{-1280, 0, 0, 1024};
    EXPECT_EQ(VycentrovanaPoloha(520, 280, levyMonitor, levyMonitor), (Bod{-900, 372}));
    const Obdelnik klient{0, 0, 400, 300};
    EXPECT_EQ(VycentrovanaPoloha(100, 50, klient, klient), (Bod{150, 125}));
}

TEST(PolohaOkna, CentringOnAnOwnerNearAScreenEdgeStaysWithinTheLimits) {
    const Obdelnik vpravoDole{1000, 900, 1400, 1100};
    EXPECT_EQ(VycentrovanaPoloha(520, 280, vpravoDole, kObrazovka), (Bod{760, 744}));
    const Obdelnik vlevoNahore{-100, -50, 200, 150};
    EXPECT_EQ(VycentrovanaPoloha(520, 280, vlevoNahore, kObrazovka), (Bod{0, 0}));
    const Obdelnik uprostred{400, 300, 800, 700};
    EXPECT_EQ(VycentrovanaPoloha(200, 100, uprostred, kObrazovka), (Bod{500, 450}));
}

TEST(PolohaOkna, CentringAWindowLargerThanTheLimitsKeepsItsTopLeftOnThem) {
    EXPECT_EQ(VycentrovanaPoloha(2000, 1500, kObrazovka, kObrazovka), (Bod{0, 0}));
    const Obdelnik klient{0, 0, 400, 300};
    EXPECT_EQ(VycentrovanaPoloha(500, 100, OknoNa(0, 0, 100, 100), klient), (Bod{0, 0}));
}

} // namespace
