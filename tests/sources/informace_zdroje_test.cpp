// The lines of the source-properties dialog and the bit rate in kilobits.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "sources/InformaceZdroje.h"

namespace {

using namespace Vrbatec;

std::vector<std::wstring> Radky(const std::map<std::wstring, std::wstring>& medium,
                                std::vector<std::wstring>* dotazy = nullptr) {
    return RadkyInformaciZdroje([&](const std::wstring& atribut, std::wstring& hodnota) {
        if (dotazy != nullptr) {
            dotazy->push_back(atribut);
        }
        const auto polozka = medium.find(atribut);
        if (polozka == medium.end()) {
            return false;
        }
        hodnota = polozka->second;
        return true;
    });
}

TEST(InformaceZdroje, LinesFollowTheFixedOrderAndOnlyAnsweredItemsGetOne) {
    std::vector<std::wstring> dotazy;
    const auto vse = Radky({{L"Copyright", L"© 2026"},
                            {L"Author", L"Redakce"},
                            {L"Bitrate", L"128000"},
                            {L"Title", L"Zprávy"}},
                           &dotazy);
    EXPECT_EQ(vse, (std::vector<std::wstring>{L"Název: Zprávy", L"Bitový tok: 128 kb/s",
                                              L"Autor: Redakce", L"Copyright: © 2026"}));
    EXPECT_EQ(dotazy, (std::vector<std::wstring>{L"Title", L"Bitrate", L"Author", L"Copyright"}));

    EXPECT_EQ(Radky({{L"Title", L"Jazz"}, {L"Bitrate", L"64000"}}),
              (std::vector<std::wstring>{L"Název: Jazz", L"Bitový tok: 64 kb/s"}));
    // Empty text is an answer; a "%s" in a value is only text.
    EXPECT_EQ(Radky({{L"Author", L""}, {L"Copyright", L"%s %d"}}),
              (std::vector<std::wstring>{L"Autor: ", L"Copyright: %s %d"}));
    EXPECT_TRUE(Radky({}).empty());
}

TEST(InformaceZdroje, BitRateIsCutTowardZeroFromTheLeadingNumber) {
    EXPECT_EQ(KilobityZTextu(L"127999"), 127);
    EXPECT_EQ(KilobityZTextu(L"128000"), 128);
    EXPECT_EQ(KilobityZTextu(L"999"), 0);
    EXPECT_EQ(KilobityZTextu(L"  96000 b/s"), 96);
    EXPECT_EQ(KilobityZTextu(L"-1999"), -1);
    EXPECT_EQ(KilobityZTextu(L""), 0);
    EXPECT_EQ(KilobityZTextu(L"neznámý"), 0);
    EXPECT_EQ(KilobityZTextu(L"99999999999999999999"), 2147483);
    EXPECT_EQ(Radky({{L"Bitrate", L""}}), (std::vector<std::wstring>{L"Bitový tok: 0 kb/s"}));
}

} // namespace
