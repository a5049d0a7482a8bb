// The registry key wrapper against the real registry, where the settings store's own tests
// do not reach.
#include <gtest/gtest.h>

#include <algorithm>

#include "config/KlicRegistru.h"
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

TEST(KlicRegistru, ValueNamesLongerThanAskedForAreLeftOut) {
    TestovaciKoren koren;
    KlicRegistru klic(HKEY_CURRENT_USER, koren.Cesta());
    ASSERT_EQ(klic.Otevrit(true), S_OK);
    const std::wstring nejdelsi(49, L'y');
    for (const std::wstring& nazev : {std::wstring(L"40006"), std::wstring(50, L'x'), nejdelsi}) {
        ASSERT_EQ(klic.ZapsatDword(nazev.c_str(), 1), S_OK);
    }
    std::vector<std::wstring> nazvy;
    EXPECT_EQ(klic.NazvyHodnot(49, nazvy), S_OK);
    std::sort(nazvy.begin(), nazvy.end());
    EXPECT_EQ(nazvy, (std::vector<std::wstring>{L"40006", nejdelsi}));
}

} // namespace
