// The rules of a numeric field: reading the number, its bounds and the hint. What leaving the
// field keeps is checked on a real field.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "winapi/CisloVRozsahu.h"

namespace {

using namespace Vrbatec::WinApi;

TEST(CisloVRozsahu, OnlyAnUnsignedDecimalNumberWithinThirtyTwoBitsIsRead) {
    const struct {
        const wchar_t* text;
        std::optional<std::uint32_t> cislo;
    } pripady[] = {
        {L"7", 7u},
        {L"0", 0u},
        {L"007", 7u},
        {L"  42 ", 42u},
        {L"4294967295", 4294967295u},
        {L"00000000000000000004294967295", 4294967295u},
        {L"4294967296", std::nullopt},
        {L"99999999999999999999", std::nullopt},
        {L"", std::nullopt},
        {L"   ", std::nullopt},
        {L"-5", std::nullopt},
        {L"+5", std::nullopt},
        {L"5a", std::nullopt},
        {L"1 0", std::nullopt},
        {L"0x10", std::nullopt},
        {L"\t5", std::nullopt},
        {L"٣", std::nullopt}, // a digit of another script is not a decimal digit here
    };
    for (const auto& pripad : pripady) {
        SCOPED_TRACE(testing::Message() << "case " << (&pripad - pripady));
        EXPECT_EQ(PrecistCislo(pripad.text), pripad.cislo);
    }
}

TEST(CisloVRozsahu, EachBoundThatIsSetHoldsInclusivelyAndANegativeOneHoldsNothing) {
    const struct {
        std::uint32_t cislo;
        RozsahCisla rozsah;
        bool uvnitr;
    } pripady[] = {
        {1, {1, 10}, true},
        {10, {1, 10}, true},
        {0, {1, 10}, false},
        {11, {1, 10}, false},
        {0, {0, 60}, true},
        {60, {0, 60}, true},
        {61, {0, 60}, false},
        {0, {-1, 5}, true},
        {6, {-1, 5}, false},
        {4294967295u, {3, -1}, true},
        {2, {3, -1}, false},
        {4294967295u, {-1, -1}, true},
        // Numbers above the largest signed value must not wrap into the bounds.
        {2147483648u, {0, 2147483647}, false},
    };
    for (const auto& pripad : pripady) {
        SCOPED_TRACE(testing::Message() << "case " << (&pripad - pripady));
        EXPECT_EQ(JeVRozsahu(pripad.cislo, pripad.rozsah), pripad.uvnitr);
        const std::wstring text = std::to_wstring(pripad.cislo);
        EXPECT_EQ(PlatneCislo(text, pripad.rozsah).has_value(), pripad.uvnitr);
    }
}

TEST(CisloVRozsahu, TheHintNamesTheBoundsThatAreSet) {
    EXPECT_EQ(NapovedaRozsahu({0, 60}), L"Zadejte hodnotu v rozsahu 0 - 60");
    EXPECT_EQ(NapovedaRozsahu({1, 10}), L"Zadejte hodnotu v rozsahu 1 - 10");
    EXPECT_EQ(NapovedaRozsahu({5, -1}), L"Zadejte číselnou hodnotu od 5");
    EXPECT_EQ(NapovedaRozsahu({-3, 20}), L"Zadejte číselnou hodnotu do 20");
    EXPECT_EQ(NapovedaRozsahu({-1, -1}), L"Zadejte číselnou hodnotu");
}

} // namespace
