// The number fields of the list file read exactly as the system's own conversions read
// them, checked against those conversions.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlwapi.h>

#include <string>

#include "sources/HodnotyPoli.h"

namespace {

using namespace Vrbatec;

std::u16string Jednotky(const std::wstring& text) {
    return std::u16string(text.begin(), text.end());
}

TEST(HodnotyPoli, VolumeReadsLikeStrToIntW) {
    for (const std::wstring text :
         {L"", L"-1", L"75abc", L"abc", L"--1", L"+5", L" 5", L"-0", L"0012", L"2147483648",
          L"-2147483649", L"4294967296", L"18446744073709551617", L"0x10", L"١٢", L"\uFF11\uFF12",
          L"1²", L"-\uFF11"}) {
        EXPECT_EQ(HodnotyPoli::CisloZTextu(Jednotky(text)), ::StrToIntW(text.c_str()))
            << "text of " << text.size() << " units, first " << (text.empty() ? 0 : text[0]);
    }
}

TEST(HodnotyPoli, MenuFlagReadsLikeACaseInsensitiveComparison) {
    for (const wchar_t* text : {L"1", L"0", L"", L"11", L" 1", L"01", L"\uFF11", L"¹", L"l"}) {
        EXPECT_EQ(HodnotyPoli::PriznakZTextu(Jednotky(text)), ::lstrcmpiW(text, L"1") == 0)
            << "text of " << std::wstring(text).size() << " units";
    }
}

} // namespace
