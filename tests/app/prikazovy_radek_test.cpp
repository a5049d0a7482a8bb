#include <gtest/gtest.h>

#include "app/PrikazovyRadek.h"

namespace pr = Vrbatec::PrikazovyRadek;
using pr::Registrace;

namespace {

TEST(NajitRegistraci, FindsEachSwitchAfterSlashOrDash) {
    EXPECT_EQ(pr::NajitRegistraci(L"/RegServer"), Registrace::Registrovat);
    EXPECT_EQ(pr::NajitRegistraci(L"-UnregServer"), Registrace::Odregistrovat);
    EXPECT_EQ(pr::NajitRegistraci(L"/RegServerPerUser"), Registrace::RegistrovatUzivatele);
    EXPECT_EQ(pr::NajitRegistraci(L"-UnregServerPerUser"), Registrace::OdregistrovatUzivatele);
}

TEST(NajitRegistraci, IgnoresCaseAndStopsTheWordAtASpace) {
    EXPECT_EQ(pr::NajitRegistraci(L"/regserver"), Registrace::Registrovat);
    EXPECT_EQ(pr::NajitRegistraci(L"/REGSERVER navic"), Registrace::Registrovat);
    EXPECT_EQ(pr::NajitRegistraci(L"sp /unregserver"), Registrace::Odregistrovat);
}

TEST(NajitRegistraci, WordMustMatchWhole) {
    EXPECT_FALSE(pr::NajitRegistraci(L"/RegServ"));
    EXPECT_FALSE(pr::NajitRegistraci(L"/RegServerX"));
    EXPECT_FALSE(pr::NajitRegistraci(L"RegServer"));
    EXPECT_FALSE(pr::NajitRegistraci(L"/ RegServer"));
    EXPECT_FALSE(pr::NajitRegistraci(L""));
    EXPECT_FALSE(pr::NajitRegistraci(L"-"));
}

TEST(NajitPrikazoveSlovo, MapsEveryWordToItsCommand) {
    struct Ocekavani {
        const wchar_t* slovo;
        std::uint32_t prikaz;
        bool ponechat;
    };
    const Ocekavani ocekavani[] = {
        {L"nast", 40002, true}, {L"sp", 40006, true},  {L"sz", 40030, true},  {L"zp", 40007, false},
        {L"zz", 40031, false},  {L"hp", 40021, false}, {L"hm", 40020, false}, {L"z0", 40013, false},
    };
    for (const auto& o : ocekavani) {
        const auto slovo = pr::NajitPrikazoveSlovo(o.slovo);
        ASSERT_TRUE(slovo) << o.slovo;
        EXPECT_EQ(slovo->prikaz, o.prikaz) << o.slovo;
        EXPECT_EQ(slovo->ponechatBezBeziciKopie, o.ponechat) << o.slovo;
    }
}

TEST(NajitPrikazoveSlovo, IgnoresCaseButNothingElse) {
    ASSERT_TRUE(pr::NajitPrikazoveSlovo(L"SP"));
    EXPECT_EQ(pr::NajitPrikazoveSlovo(L"Nast")->prikaz, 40002u);
    EXPECT_EQ(pr::NajitPrikazoveSlovo(L"Z0")->prikaz, 40013u);
    EXPECT_FALSE(pr::NajitPrikazoveSlovo(L"sp "));
    EXPECT_FALSE(pr::NajitPrikazoveSlovo(L" sp"));
    EXPECT_FALSE(pr::NajitPrikazoveSlovo(L"s"));
    EXPECT_FALSE(pr::NajitPrikazoveSlovo(L"spp"));
    EXPECT_FALSE(pr::NajitPrikazoveSlovo(L"/sp"));
    EXPECT_FALSE(pr::NajitPrikazoveSlovo(L""));
}

} // namespace
