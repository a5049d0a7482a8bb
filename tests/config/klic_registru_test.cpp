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

} // namespace
