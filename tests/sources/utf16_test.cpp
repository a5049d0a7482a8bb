// Texts between the file's UTF-16 units and the platform's wide strings. Pairs and lone
// surrogates show in the codec's round trips; left here is a wide character that UTF-16
// cannot hold at all, which only a 32-bit wchar_t can carry.
#include <gtest/gtest.h>

#include "sources/Utf16.h"

namespace {

using namespace Vrbatec;

TEST(Utf16, ACharacterBeyondUnicodeBecomesTheReplacementCharacter) {
    if constexpr (sizeof(wchar_t) != 4) {
        GTEST_SKIP() << "a 16-bit wchar_t cannot hold it";
    } else {
        EXPECT_EQ(Utf16::ZWString(std::wstring{L'a', static_cast<wchar_t>(0x110000)}), u"a\uFFFD");
    }
}

} // namespace
