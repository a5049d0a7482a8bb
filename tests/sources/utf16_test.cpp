// Texts between the file's UTF-16 units and the platform's wide strings.
#include <gtest/gtest.h>

#include "sources/Utf16.h"

namespace {

using namespace Vrbatec;

TEST(Utf16, PairsBecomeOneCharacterAndBack) {
    const std::u16string jednotky = u"a\u00E1\U0001F4FB\U0010FFFFz";
    const std::wstring text = Utf16::NaWString(jednotky);
    EXPECT_EQ(text, L"a\u00E1\U0001F4FB\U0010FFFFz");
    EXPECT_EQ(Utf16::ZWString(text), jednotky);
}

TEST(Utf16, UnpairedSurrogatesStayOneUnit) {
    const std::u16string jednotky = {char16_t(0xDC00), char16_t(0xD800), u'x', char16_t(0xD83D)};
    const std::wstring text = Utf16::NaWString(jednotky);
    ASSERT_EQ(text.size(), 4u);
    EXPECT_EQ(static_cast<unsigned>(text[0]), 0xDC00u);
    EXPECT_EQ(static_cast<unsigned>(text[3]), 0xD83Du);
    EXPECT_EQ(Utf16::ZWString(text), jednotky);
}

TEST(Utf16, ValuesBeyondUnicodeBecomeReplacementCharacter) {
    if constexpr (sizeof(wchar_t) == 4) {
        const std::wstring text = {L'a', static_cast<wchar_t>(0x110000), L'b'};
        EXPECT_EQ(Utf16::ZWString(text), u"a\uFFFDb");
    } else {
        GTEST_SKIP() << "wide strings are UTF-16 here";
    }
}

} // namespace
