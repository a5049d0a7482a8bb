// Texts between the file's UTF-16 units and the platform's wide strings.
#include <gtest/gtest.h>

#include "sources/Utf16.h"

namespace {

using namespace Vrbatec;

TEST(Utf16, PairsBecomeOneCharacterAndUnpairedSurrogatesStayOneUnit) {
    const std::u16string jednotky = u"a\u00E1\U0001F4FB\U0010FFFFz";
    EXPECT_EQ(Utf16::NaWString(jednotky), L"a\u00E1\U0001F4FB\U0010FFFFz");
    EXPECT_EQ(Utf16::ZWString(Utf16::NaWString(jednotky)), jednotky);

    const std::u16string osamele = {char16_t(0xDC00), char16_t(0xD800), u'x', char16_t(0xD83D)};
    const std::wstring text = Utf16::NaWString(osamele);
    ASSERT_EQ(text.size(), 4u);
    EXPECT_EQ(static_cast<unsigned>(text[0]), 0xDC00u);
    EXPECT_EQ(Utf16::ZWString(text), osamele);
    if constexpr (sizeof(wchar_t) == 4) {
        EXPECT_EQ(Utf16::ZWString(std::wstring{L'a', static_cast<wchar_t>(0x110000)}), u"a\uFFFD");
    }
}

} // namespace
