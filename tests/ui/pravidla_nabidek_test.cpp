#include "ui/PravidlaNabidek.h"

#include <gtest/gtest.h>

#include <set>

namespace pn = Vrbatec::Ui::PravidlaNabidek;

namespace {

TEST(PravidlaNabidek, PicturesOnlyFromVersion0x600WithVisualStyles) {
    EXPECT_FALSE(pn::ObrazkyMenuPovoleny(0x502, true));
    EXPECT_FALSE(pn::ObrazkyMenuPovoleny(0x600, false));
    EXPECT_TRUE(pn::ObrazkyMenuPovoleny(0x600, true));
    EXPECT_TRUE(pn::ObrazkyMenuPovoleny(0xFFFF, true));
}

TEST(PravidlaNabidek, EachCommandHasOnePictureOfTheSmallStrip) {
    std::set<std::uint32_t> prikazy;
    for (const auto& o : pn::ObrazkyMenu()) {
        EXPECT_TRUE(prikazy.insert(o.prikaz).second) << o.prikaz;
        EXPECT_GE(o.obrazek, 0);
        EXPECT_LT(o.obrazek, 34) << o.prikaz;
    }
}

} // namespace
