// The application object's module services, before start-up has read its version block.
#include <gtest/gtest.h>

#include "app/Aplikace.h"
#include "winapi/Diagnostika.h"
#include "support/ZaznamHlaseni.h"

namespace {

using namespace Vrbatec;
using Testy::ZaznamHlaseni;

class ZverejnenaAplikace : public testing::Test {
protected:
    void SetUp() override { PublikovatModul(&AplikaceInstance()); }
    void TearDown() override { PublikovatModul(nullptr); }
    ZaznamHlaseni hlaseni;
};

TEST_F(ZverejnenaAplikace, FatalErrorIsLoggedAndShownUnderTheFallbackProductName) {
    try {
        FatalniHResult(E_HANDLE);
        FAIL() << "returned";
    } catch (const Testy::UkonceniProcesu& konec) {
        EXPECT_EQ(konec.kod, static_cast<UINT>(-1));
    }
    const std::wstring text = L"Došlo k významné chybě!\n\n" + PopisHResult(E_HANDLE) +
                              L"\n\nAplikace \"Vrbatec software\" bude ukončena.";
    ASSERT_EQ(hlaseni.udalosti.size(), 1u);
    EXPECT_EQ(hlaseni.udalosti[0].zdroj, L"Vrbatec software");
    EXPECT_EQ(hlaseni.udalosti[0].text, text);
    ASSERT_EQ(hlaseni.okna.size(), 1u);
    EXPECT_EQ(hlaseni.okna[0].text, text);
    EXPECT_EQ(hlaseni.okna[0].titulek, L"Vrbatec software");
}

} // namespace
