// The registry key wrapper against the real registry, where the settings store's own tests
// do not reach.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "winapi/KlicRegistru.h"
#include "config/TestovaciKoren.h"
#include "support/ZaznamHlaseni.h"

namespace {

using namespace Vrbatec;
using namespace Vrbatec::Testy;

TEST(KlicRegistru, EmptySubkeyOrBasePathEndsTheProgram) {
    ZaznamHlaseni hlaseni;
    TestovaciKoren koren;
    KlicRegistru klic(HKEY_CURRENT_USER, koren.Cesta());
    EXPECT_THROW(klic.Otevrit(L"", true), UkonceniProcesu);
    KlicRegistru bezCesty(HKEY_CURRENT_USER, L"");
    EXPECT_THROW(bezCesty.Otevrit(true), UkonceniProcesu);
    ASSERT_EQ(hlaseni.okna.size(), 2u);
    EXPECT_NE(hlaseni.okna[0].text.find(PopisHResult(E_INVALIDARG)), std::wstring::npos);
    EXPECT_FALSE(koren.Existuje());
}

// A value longer than the room given is refused whatever the room, and nothing is copied.
TEST(KlicRegistru, BinaryValueLongerThanTheTargetIsRefused) {
    TestovaciKoren koren;
    koren.Zapsat(L"", L"data", REG_BINARY, Bajty{1, 2, 3, 4});
    KlicRegistru klic(HKEY_CURRENT_USER, koren.Cesta());
    ASSERT_EQ(klic.Otevrit(false), S_OK);

    std::array<std::uint8_t, 4> cil{9, 9, 9, 9};
    std::size_t precteno = 77;
    EXPECT_EQ(klic.CistBinarni(L"data", std::span(cil).first(3), precteno),
              HRESULT_FROM_WIN32(ERROR_MORE_DATA));
    EXPECT_EQ(klic.CistBinarni(L"data", std::span<std::uint8_t>(), precteno),
              HRESULT_FROM_WIN32(ERROR_MORE_DATA));
    EXPECT_EQ(precteno, 77u);
    EXPECT_EQ(cil, (std::array<std::uint8_t, 4>{9, 9, 9, 9}));

    EXPECT_EQ(klic.CistBinarni(L"data", cil, precteno), S_OK);
    EXPECT_EQ(precteno, 4u);
    EXPECT_EQ(cil, (std::array<std::uint8_t, 4>{1, 2, 3, 4}));
}

} // namespace
