// Which messages are reflected and where their control is named.
#include <gtest/gtest.h>

#include "winapi/OdrazeniZprav.h"

namespace {

using namespace Vrbatec::WinApi;

TEST(OdrazeniZprav, AllColourMessagesAndNothingAroundThem) {
    for (std::uint32_t zprava = 0x0131; zprava <= 0x0139; ++zprava) {
        const bool barevna = zprava >= 0x0132 && zprava <= 0x0138;
        EXPECT_EQ(UrcitCilOdrazeni(zprava) == CilOdrazeni::OvladacVLParam, barevna) << zprava;
        EXPECT_EQ(UrcitCilOdrazeni(zprava) == CilOdrazeni::Zadny, !barevna) << zprava;
    }
}

TEST(OdrazeniZprav, OnlyTheRaisedFormOfAReflectedMessageCountsAsReflected) {
    for (const std::uint32_t zprava : {0x2111u, 0x204Eu, 0x2138u, 0x2210u}) {
        EXPECT_TRUE(JeOdrazenaZprava(zprava)) << zprava;
    }
    // The original messages, and raised messages that are not reflected (private messages
    // of controls live in this range).
    for (const std::uint32_t zprava : {0x0111u, 0x004Eu, 0x2000u, 0x200Fu, 0x2139u, 0x4111u}) {
        EXPECT_FALSE(JeOdrazenaZprava(zprava)) << zprava;
    }
}

} // namespace
