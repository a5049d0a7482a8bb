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
        bool necoHraje;
        U cekano;
    };
    const Pripad pripady[] = {
        {Vrbatec::kZaznamVzdy, false, U::Nahravat},
        {Vrbatec::kZaznamVzdy, true, U::Nahravat},
        // The selected source is started even when another one plays.
        {Vrbatec::kZaznamSPrehravanim, false, U::SpustitPrehravaniANahravat},
        {Vrbatec::kZaznamSPrehravanim, true, U::SpustitPrehravaniANahravat},
        {Vrbatec::kZaznamJenPriPrehravani, true, U::Nahravat},
        {Vrbatec::kZaznamJenPriPrehravani, false, U::OdmitnoutPipnutim},
        // A value from a damaged registry starts nothing.
        {3, true, U::OdmitnoutPipnutim},
        {0xFFFFFFFFu, false, U::OdmitnoutPipnutim},
    };
    for (const Pripad& p : pripady) {
        EXPECT_EQ(pz::PoPozadavku(p.priSpusteni, p.necoHraje), p.cekano)
            << "priSpusteni " << p.priSpusteni << (p.necoHraje ? ", playing" : ", not playing");
    }
}

} // namespace
