// Which messages are reflected and where their control is named.
#include <gtest/gtest.h>

#include "winapi/OdrazeniZprav.h"

namespace {

using Vrbatec::WinApi::CilOdrazeni;
using Vrbatec::WinApi::JeOdrazenaZprava;
using Vrbatec::WinApi::UrcitCilOdrazeni;

TEST(OdrazeniZprav, AllColourMessagesAndNothingAroundThem) {
    for (std::uint32_t zprava = 0x0132; zprava <= 0x0138; ++zprava) {
        EXPECT_EQ(UrcitCilOdrazeni(zprava), CilOdrazeni::OvladacVLParam) << zprava;
    }
    EXPECT_EQ(UrcitCilOdrazeni(0x0131), CilOdrazeni::Zadny);
    EXPECT_EQ(UrcitCilOdrazeni(0x0139), CilOdrazeni::Zadny);
    EXPECT_EQ(UrcitCilOdrazeni(0x000F), CilOdrazeni::Zadny); // WM_PAINT
    EXPECT_EQ(UrcitCilOdrazeni(0x0000), CilOdrazeni::Zadny);
}

TEST(OdrazeniZprav, OnlyTheRaisedFormOfAReflectedMessageCountsAsReflected) {
    EXPECT_TRUE(JeOdrazenaZprava(0x2111));
    EXPECT_TRUE(JeOdrazenaZprava(0x204E));
    EXPECT_TRUE(JeOdrazenaZprava(0x2138));
    EXPECT_TRUE(JeOdrazenaZprava(0x2210));
    // The original messages, and raised messages that are not reflected (private messages
    // of controls live in this range).
    EXPECT_FALSE(JeOdrazenaZprava(0x0111));
    EXPECT_FALSE(JeOdrazenaZprava(0x004E));
    EXPECT_FALSE(JeOdrazenaZprava(0x2000));
    EXPECT_FALSE(JeOdrazenaZprava(0x200F));
    EXPECT_FALSE(JeOdrazenaZprava(0x2139));
    EXPECT_FALSE(JeOdrazenaZprava(0x4111));
}

} // namespace
