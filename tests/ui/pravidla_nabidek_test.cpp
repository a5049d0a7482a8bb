#include "ui/PravidlaNabidek.h"

#include <gtest/gtest.h>

namespace {

TEST(PravidlaNabidek, PicturesOnlyFromVersion0x600WithVisualStyles) {
    namespace pn = Vrbatec::Ui::PravidlaNabidek;
    EXPECT_FALSE(pn::ObrazkyMenuPovoleny(0x502, true));
    EXPECT_FALSE(pn::ObrazkyMenuPovoleny(0x600, false));
    EXPECT_TRUE(pn::ObrazkyMenuPovoleny(0x600, true));
    EXPECT_TRUE(pn::ObrazkyMenuPovoleny(0xFFFF, true));
}

} // namespace
