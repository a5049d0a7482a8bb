// The arithmetic of window placement: what is stored, what comes back, and where a window
// ends up on a work area or when centred.
#include <gtest/gtest.h>

#include <optional>

#include "winapi/PolohaOkna.h"

namespace {

using namespace Vrbatec::WinApi;

constexpr Obdelnik kObrazovka{0, 0, 1280, 1024};
constexpr Obdelnik kLevyMonitor{-1280, 0, 0, 1024};

Obdelnik OknoNa(int x, int y, int sirka, int vyska) {
    return {x, y, x + sirka, y + vyska};
}

TEST(PolohaOkna, PackingCutsEachNumberTo16BitsThatComeBackUnsigned) {
    const struct {
        Obdelnik okno;
        std::uint32_t poloha, velikost;
        NactenaPoloha nactena;
    } pripady[] = {
        {OknoNa(300, 200, 520, 280), 0x00C8012C, 0x01180208, {{300, 200}, 520, 280}},
        {OknoNa(-500, 100, 520, 280), 0x0064FE0C, 0x01180208, {{65036, 100}, 520, 280}},
        // Above the primary monitor; the left edge must not leak into the top half.
        {OknoNa(10, -20, 520, 280), 0xFFEC000A, 0x01180208, {{10, 65516}, 520, 280}},
        {OknoNa(0, 0, 70000, 65536), 0, 0x00001170, {{0, 0}, 70000 - 65536, 0}},
    };
    for (const auto& p : pripady) {
        const UlozenaPoloha ulozena = ZabalitPolohu(p.okno);
        EXPECT_EQ(ulozena.poloha, p.poloha) << p.okno.levy;
        EXPECT_EQ(ulozena.velikost, p.velikost) << p.okno.levy;
        const NactenaPoloha nactena = RozbalitPolohu(ulozena);
        EXPECT_EQ(nactena.poloha, p.nactena.poloha) << p.okno.levy;
        EXPECT_EQ(nactena.sirka, p.nactena.sirka) << p.okno.levy;
        EXPECT_EQ(nactena.vyska, p.nactena.vyska) << p.okno.levy;
    }
}

TEST(PolohaOkna, OnlyARectangleLeftOfAndAboveTheScreenIsNotSaved) {
    EXPECT_FALSE(StojiZaUlozeni(OknoNa(-32000, -32000, 160, 28))) << "minimised";
    EXPECT_FALSE(StojiZaUlozeni(OknoNa(-8, -8, 1296, 1040))) << "maximised";
    EXPECT_TRUE(StojiZaUlozeni(OknoNa(-500, 100, 520, 280))) << "on a monitor to the left";
    EXPECT_TRUE(StojiZaUlozeni(OknoNa(100, -300, 520, 280))) << "on a monitor above";
    EXPECT_TRUE(StojiZaUlozeni(OknoNa(0, 0, 520, 280)));
}

TEST(PolohaOkna, AWindowIsKeptOnTheWorkArea) {
    const struct {
        const char* pripad;
        Obdelnik okno;
        Obdelnik oblast;
        std::optional<Bod> cil;
    } pripady[] = {
        {"inside", OknoNa(100, 100, 520, 280), kObrazovka, std::nullopt},
        {"exactly filling it", kObrazovka, kObrazovka, std::nullopt},
        {"inside a monitor left", OknoNa(-900, 10, 520, 280), kLevyMonitor, std::nullopt},
        // Saved at -500, read back at 65036: the nearest monitor lies right of everything.
        {"read back far right", OknoNa(65036, 100, 520, 280), {1280, 0, 2560, 994}, Bod{2040, 100}},
        {"past the right edge", OknoNa(1000, 100, 520, 280), kObrazovka, Bod{760, 100}},
        {"past the bottom edge", OknoNa(100, 900, 520, 280), kObrazovka, Bod{100, 744}},
        {"off right and below", OknoNa(3000, 2000, 520, 280), kObrazovka, Bod{760, 744}},
        {"past the left edge", OknoNa(-100, 100, 520, 280), kObrazovka, Bod{0, 100}},
        {"above a work area under a task bar",
         OknoNa(100, 10, 520, 280),
         {0, 40, 1280, 1024},
         Bod{100, 40}},
        {"left of a monitor left", OknoNa(-2000, 100, 520, 280), kLevyMonitor, Bod{-1280, 100}},
        // Too small to pass the edge itself: only the rule against the last ten pixels holds.
        {"tiny in the far corner", OknoNa(1275, 1018, 4, 4), kObrazovka, Bod{1270, 1014}},
        {"larger than the work area", OknoNa(100, 50, 2000, 1500), kObrazovka, Bod{0, 0}},
        {"larger and above left", OknoNa(-300, -200, 2000, 1500), kObrazovka, Bod{0, 0}},
        {"larger than a shifted one",
         OknoNa(500, 500, 2000, 1500),
         {100, 40, 1380, 1064},
         Bod{100, 40}},
    };
    for (const auto& p : pripady) {
        EXPECT_EQ(PolohaVPracovniOblasti(p.okno, p.oblast), p.cil) << p.pripad;
    }
}

TEST(PolohaOkna, CentringOnAReferenceWithinTheLimits) {
    const struct {
        const char* pripad;
        int sirka, vyska;
        Obdelnik reference, meze;
        Bod cil;
    } pripady[] = {
        {"on the screen", 520, 280, kObrazovka, kObrazovka, {380, 372}},
        {"on a monitor left", 520, 280, kLevyMonitor, kLevyMonitor, {-900, 372}},
        {"in a client area", 100, 50, {0, 0, 400, 300}, {0, 0, 400, 300}, {150, 125}},
        {"on an owner", 200, 100, {400, 300, 800, 700}, kObrazovka, {500, 450}},
        {"on an owner bottom right", 520, 280, {1000, 900, 1400, 1100}, kObrazovka, {760, 744}},
        {"on an owner top left", 520, 280, {-100, -50, 200, 150}, kObrazovka, {0, 0}},
        {"larger than the screen", 2000, 1500, kObrazovka, kObrazovka, {0, 0}},
        {"larger than the client", 500, 100, {0, 0, 100, 100}, {0, 0, 400, 300}, {0, 0}},
    };
    for (const auto& p : pripady) {
        EXPECT_EQ(VycentrovanaPoloha(p.sirka, p.vyska, p.reference, p.meze), p.cil) << p.pripad;
    }
}

} // namespace
