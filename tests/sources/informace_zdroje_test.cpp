// The lines of the source-properties dialog and the bit rate in kilobits.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "sources/InformaceZdroje.h"

namespace {

using namespace Vrbatec;

std::vector<std::wstring> Radky(const std::map<std::wstring, std::wstring>& medium) {
    return RadkyInformaciZdroje([&](const std::wstring& atribut, std::wstring& hodnota) {
        const auto polozka = medium.find(atribut);
        if (polozka != medium.end()) {
            hodnota = polozka->second;
        }
        return polozka != medium.end();
    });
}

TEST(InformaceZdroje, LinesFollowTheFixedOrderAndOnlyAnsweredItemsGetOne) {
    EXPECT_EQ(Radky({{L"Copyright", L"%s"},
                     {L"Author", L""},
                     {L"Bitrate", L"128000"},
                     {L"Title", L"Zprávy"}}),
              (std::vector<std::wstring>{L"Název: Zprávy", L"Bitový tok: 128 kb/s", L"Autor: ",
                                         L"Copyright: %s"}));
    EXPECT_EQ(Radky({{L"Title", L"Jazz"}, {L"Bitrate", L"64000"}}),
              (std::vector<std::wstring>{L"Název: Jazz", L"Bitový tok: 64 kb/s"}));
}

TEST(InformaceZdroje, BitRateIsCutTowardZeroFromTheLeadingNumber) {
    EXPECT_EQ(KilobityZTextu(L"127999"), 127);
    EXPECT_EQ(KilobityZTextu(L"  96000 b/s"), 96);
    EXPECT_EQ(KilobityZTextu(L"-1999"), -1);
    EXPECT_EQ(KilobityZTextu(L"neznámý"), 0);
    EXPECT_EQ(KilobityZTextu(L"99999999999999999999"), 2147483);
}

} // namespace
