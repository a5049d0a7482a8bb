// Names of the copies kept of an unreadable list file, and what the user is told.
#include <gtest/gtest.h>

#include "sources/ZalohaSeznamu.h"

namespace {

using namespace Vrbatec;

TEST(ZalohaSeznamu, NamesNeverRepeat) {
    const std::wstring cesta = L"C:\\Dokumenty\\Zvukolet.xml";
    EXPECT_EQ(ZalohaSeznamu::NazevZalohy(cesta, 1), L"C:\\Dokumenty\\Zvukolet.xml.bak");
    EXPECT_EQ(ZalohaSeznamu::NazevZalohy(cesta, 2), L"C:\\Dokumenty\\Zvukolet.xml.bak2");
    EXPECT_EQ(ZalohaSeznamu::NazevZalohy(cesta, 10), L"C:\\Dokumenty\\Zvukolet.xml.bak10");
}

TEST(ZalohaSeznamu, MessageNamesBothFiles) {
    EXPECT_EQ(ZalohaSeznamu::TextOZaloze(L"C:\\a.xml", L"C:\\a.xml.bak"),
              L"Seznam zdrojů v souboru \"C:\\a.xml\" nebylo možné načíst. Původní soubor byl "
              L"uložen jako \"C:\\a.xml.bak\".");
}

} // namespace
