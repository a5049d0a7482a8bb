#include <gtest/gtest.h>

#include "app/PrikazovyRadek.h"

namespace pr = Vrbatec::PrikazovyRadek;
using pr::Registrace;

namespace {

TEST(NajitRegistraci, FindsEachWholeSwitchAfterSlashOrDashInAnyCase) {
    EXPECT_EQ(pr::NajitRegistraci(L"/RegServer"), Registrace::Registrovat);
    EXPECT_EQ(pr::NajitRegistraci(L"/RegServerPerUser"), Registrace::RegistrovatUzivatele);
    EXPECT_EQ(pr::NajitRegistraci(L"sp /unregserver"), Registrace::Odregistrovat);
    for (const wchar_t* jine : {L"/RegServerX", L"RegServer", L"-"}) {
        EXPECT_FALSE(pr::NajitRegistraci(jine)) << testing::PrintToString(std::wstring(jine));
    }
}

TEST(NajitPrikazoveSlovo, MapsEveryWordInAnyCaseToItsCommandAndNothingElse) {
    const struct {
        const wchar_t* slovo;
        std::uint32_t prikaz;
        bool ponechat;
    } ocekavani[] = {
        {L"SP", 40006, true},
        {L"zp", 40007, false},
        {L"Z0", 40013, false},
    };
    for (const auto& o : ocekavani) {
        const auto slovo = pr::NajitPrikazoveSlovo(o.slovo);
        ASSERT_TRUE(slovo) << o.slovo;
        EXPECT_EQ(slovo->prikaz, o.prikaz) << o.slovo;
        EXPECT_EQ(slovo->ponechatBezBeziciKopie, o.ponechat) << o.slovo;
    }
    for (const wchar_t* jine : {L"sp ", L"/sp"}) {
        EXPECT_FALSE(pr::NajitPrikazoveSlovo(jine)) << testing::PrintToString(std::wstring(jine));
    }
}

} // namespace
