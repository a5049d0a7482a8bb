#include <gtest/gtest.h>

#include "winapi/DiagnostikaText.h"

namespace dt = Vrbatec::DiagnostikaText;

namespace {

constexpr std::int32_t Hr(std::uint32_t kod) {
    return static_cast<std::int32_t>(kod);
}

TEST(HResultZWin32, Win32CodesGoIntoTheWin32FacilityZeroIsEFailFailuresPassThrough) {
    EXPECT_EQ(dt::HResultZWin32(0x12345u), Hr(0x80072345u)); // only the low 16 bits survive
    EXPECT_EQ(dt::HResultZWin32(0), dt::kEFail);
    EXPECT_EQ(dt::HResultZWin32(0xC0000005u), Hr(0xC0000005u));
}

TEST(PopisBezSystemovehoTextu, InterfaceCodesFrom0x200AreNumberedOthersAreUnknownInHex) {
    EXPECT_EQ(dt::PopisBezSystemovehoTextu(Hr(0x80040201u)), L"IDispatch error #1");
    EXPECT_EQ(dt::PopisBezSystemovehoTextu(Hr(0x80040200u)), L"Unknown error 0x80040200");
}

TEST(BezKonceRadku, RemovesOneLineBreakOfEitherFormAndLeavesOtherTextsAlone) {
    EXPECT_EQ(dt::BezKonceRadku(L"Soubor nebyl nalezen.\r\n"), L"Soubor nebyl nalezen.");
    EXPECT_EQ(dt::BezKonceRadku(L"a\n\n"), L"a\n");
    EXPECT_EQ(dt::BezKonceRadku(L"abc\r"), L"abc\r");
}

} // namespace
