// The arithmetic of window placement: what is stored, what comes back, and where a window
// ends up on a work area or when centred.
#include <gtest/gtest.h>

#include <array>
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
        std::array<int, 4> nactena; // x, y, width, height
    } pripady[] = {
        {OknoNa(-500, 100, 520, 280), 0x0064FE0C, 0x01180208, {65036, 100, 520, 280}},
        // Above the primary monitor; the left edge must not leak into the top half.
        {OknoNa(10, -20, 520, 280), 0xFFEC000A, 0x01180208, {10, 65516, 520, 280}},
        {OknoNa(0, 0, 70000, 65536), 0, 0x00001170, {0, 0, 70000 - 65536, 0}},
    };
    for (const auto& p : pripady) {
        const UlozenaPoloha ulozena = ZabalitPolohu(p.okno);
        EXPECT_EQ(ulozena.poloha, p.poloha) << p.okno.levy;
        EXPECT_EQ(ulozena.velikost, p.velikost) << p.okno.levy;
        const NactenaPoloha n = RozbalitPolohu(ulozena);
        EXPECT_EQ((std::array{n.poloha.x, n.poloha.y, n.sirka, n.vyska}), p.nactena);
    }
}

TEST(PolohaOkna, OnlyARectangleLeftOfAndAboveTheScreenIsNotSaved) {
    EXPECT_FALSE(StojiZaUlozeni(OknoNa(-32000, -32000, 160, 28))) << "minimised";
    EXPECT_TRUE(StojiZaUlozeni(OknoNa(-500, 100, 520, 280))) << "on a monitor to the left";
}

TEST(PolohaOkna, AWindowIsKeptOnTheWorkArea) {
    const struct {
        Obdelnik okno, oblast;
        std::optional<Bod> cil;
    } pripady[] = {
        {OknoNa(-900, 10, 520, 280), kLevyMonitor, std::nullopt},
        // Saved at -500, read back at 65036: the nearest monitor lies right of everything.
        {OknoNa(65036, 100, 520, 280), {1280, 0, 2560, 994}, Bod{2040, 100}},
        {OknoNa(100, 10, 520, 280), {0, 40, 1280, 1024}, Bod{100, 40}}, // under a task bar
        // Too small to pass the edge itself: only the rule against the last ten pixels holds.
        {OknoNa(1275, 1018, 4, 4), kObrazovka, Bod{1270, 1014}},
        // Larger than the work area: the top-left corner stays on it.
        {OknoNa(500, 500, 2000, 1500), {100, 40, 1380, 1064}, Bod{100, 40}},
    };
    for (const auto& p : pripady) {
        EXPECT_EQ(PolohaVPracovniOblasti(p.okno, p.oblast), p.cil) << p.okno.levy;
    }
}

TEST(PolohaOkna, CentringOnAReferenceWithinTheLimits) {
    const struct {
        int sirka, vyska;
        Obdelnik reference, meze;
        Bod cil;
    } pripady[] = {
        {520, 280, kLevyMonitor, kLevyMonitor, {-900, 372}},
        {520, 280, {-100, -50, 200, 150}, kObrazovka, {0, 0}},
        {500, 100, {0, 0, 100, 100}, {0, 0, 400, 300}, {0, 0}}, // larger than the limits
    };
    for (const auto& p : pripady) {
        EXPECT_EQ(VycentrovanaPoloha(p.sirka, p.vyska, p.reference, p.meze), p.cil)
            << p.reference.levy;
    }
}

} // namespace
