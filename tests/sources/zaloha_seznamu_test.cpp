// Names of the copies kept of an unreadable list file, and what the user is told.
#include <gtest/gtest.h>

#include "sources/ZalohaSeznamu.h"

namespace {

using namespace Vrbatec;

TEST(ZalohaSeznamu, NamesNeverRepeatAndTheMessageNamesBothFiles) {
    EXPECT_EQ(ZalohaSeznamu::NazevZalohy(L"C:\\a.xml", 1), L"C:\\a.xml.bak");
    EXPECT_EQ(ZalohaSeznamu::NazevZalohy(L"C:\\a.xml", 10), L"C:\\a.xml.bak10");
    EXPECT_EQ(ZalohaSeznamu::TextOZaloze(L"C:\\a.xml", L"C:\\a.xml.bak"),
              L"Seznam zdrojů v souboru \"C:\\a.xml\" nebylo možné načíst. Původní soubor byl "
              L"uložen jako \"C:\\a.xml.bak\".");
}

} // namespace
