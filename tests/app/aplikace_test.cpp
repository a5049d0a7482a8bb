// The application object's module services, before start-up has read its version block.
#include <gtest/gtest.h>

#include "app/Aplikace.h"
#include "app/Diagnostika.h"
#include "support/ZaznamHlaseni.h"

namespace {

using namespace Vrbatec;
using Testy::UkonceniProcesu;
using Testy::ZaznamHlaseni;

class ZverejnenaAplikace : public testing::Test {
protected:
    void SetUp() override { PublikovatModul(&AplikaceInstance()); }
    void TearDown() override { PublikovatModul(nullptr); }
    ZaznamHlaseni hlaseni;
};

TEST_F(ZverejnenaAplikace, ProductNameStaysTheFallbackUntilStartUpReadsIt) {
    EXPECT_EQ(AplikaceInstance().NazevAplikace(), L"Vrbatec software");
}

TEST_F(ZverejnenaAplikace, FatalErrorIsLoggedShownAndEndsWithMinusOne) {
    try {
        FatalniHResult(E_HANDLE);
        FAIL() << "returned";
    } catch (const UkonceniProcesu& konec) {
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
    EXPECT_EQ(hlaseni.okna[0].typ, 0x12010u);
}

TEST_F(ZverejnenaAplikace, MessagesAreTaskModalAndInFront) {
    ZobrazitChybu(L"Chyba");
    ASSERT_EQ(hlaseni.okna.size(), 1u);
    EXPECT_EQ(hlaseni.okna[0].typ, static_cast<UINT>(MB_ICONERROR | 0x12000));
    EXPECT_EQ(hlaseni.okna[0].titulek, L"Vrbatec software");
    EXPECT_EQ(AplikaceInstance().ZobrazitZpravu(L"Pozor", MB_ICONHAND), S_OK);
    EXPECT_EQ(hlaseni.okna[1].typ, static_cast<UINT>(MB_ICONHAND | 0x12000));
}

TEST_F(ZverejnenaAplikace, QuestionsAreTitledWithTheProductName) {
    hlaseni.odpoved = IDYES;
    EXPECT_EQ(OtazkaAnoNe(L"Odebrat?"), 0);
    EXPECT_EQ(hlaseni.okna[0].titulek, L"Vrbatec software");
}

} // namespace
