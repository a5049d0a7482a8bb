// What a request to start recording does under each start rule, playing or not.
#include <gtest/gtest.h>

#include <cstdint>

#include "config/Nastaveni.h"
#include "recording/PravidloZaznamu.h"

namespace pz = Vrbatec::PravidloZaznamu;

namespace {

TEST(PravidloZaznamu, EachRuleWithAndWithoutPlayback) {
    using U = pz::Ukon;
    struct Pripad {
        std::uint32_t priSpusteni;
        U bezPrehravani;
        U priPrehravani;
    };
    const Pripad pripady[] = {
        {Vrbatec::kZaznamVzdy, U::Nahravat, U::Nahravat},
        // The selected source is started even when another one plays.
        {Vrbatec::kZaznamSPrehravanim, U::SpustitPrehravaniANahravat,
         U::SpustitPrehravaniANahravat},
        {Vrbatec::kZaznamJenPriPrehravani, U::OdmitnoutPipnutim, U::Nahravat},
        // A value from a damaged registry starts nothing.
        {3, U::OdmitnoutPipnutim, U::OdmitnoutPipnutim},
    };
    for (const Pripad& p : pripady) {
        EXPECT_EQ(pz::PoPozadavku(p.priSpusteni, false), p.bezPrehravani) << p.priSpusteni;
        EXPECT_EQ(pz::PoPozadavku(p.priSpusteni, true), p.priPrehravani) << p.priSpusteni;
    }
}

} // namespace
