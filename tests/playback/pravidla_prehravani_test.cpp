// The playback rules that need no player: volume steps, the values the control is created
// with, the bit rate and the stream's title in the status text, and which player plays what.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <initializer_list>
#include <limits>
#include <utility>

#include "playback/PravidlaHlasitosti.h"
#include "config/Nastaveni.h"
#include "playback/TextStavu.h"
#include "playback/VolbaPrehravace.h"
#include "playback/ZakladniHodnotyPrehravace.h"

namespace ph = Vrbatec::PravidlaHlasitosti;
namespace ts = Vrbatec::TextStavu;

namespace {

// The ordinary steps and a zero step show in the playback commands' tests.
TEST(PravidlaHlasitosti, StepsStayWithinTheRangeAndABadStepDoesNothing) {
    EXPECT_EQ(ph::Zvysit(UINT_MAX - 1, 100), 100u); // no wrap-around
    EXPECT_EQ(ph::Snizit(150, 2), 100u);
    EXPECT_FALSE(ph::Zvysit(50, 101).has_value() || ph::Snizit(50, 101).has_value());
    EXPECT_TRUE(ph::VlastniHlasitostPlati(1) && ph::VlastniHlasitostPlati(100));
    EXPECT_FALSE(ph::VlastniHlasitostPlati(101) || ph::VlastniHlasitostPlati(-1));
}

TEST(ZakladniHodnotyPrehravace, BufferInMillisecondsAndVolumeStayWithinWhatTheControlTakes) {
    using Vrbatec::DobaBufferuMs, Vrbatec::HlasitostPriVytvoreni;
    EXPECT_EQ(2147483000, DobaBufferuMs(2147483));
    // One second more would wrap past the largest 32-bit signed value.
    EXPECT_EQ(std::numeric_limits<std::int32_t>::max(), DobaBufferuMs(2147484));
    EXPECT_EQ(std::numeric_limits<std::int32_t>::max(), DobaBufferuMs(4294967295u));
    EXPECT_EQ(100, HlasitostPriVytvoreni(100));
    EXPECT_FALSE(HlasitostPriVytvoreni(101).has_value());
    EXPECT_FALSE(HlasitostPriVytvoreni(0x80000000u).has_value());
}

TEST(TextStavu, BitRateIsTheLeadingDigitsInWholeKilobitsWithoutOverflowAndTheNameIsNotAFormat) {
    using Pripad = std::pair<const wchar_t*, int>;
    for (const auto& [text, kilobitu] :
         std::initializer_list<Pripad>{{L"64999", 64},
                                       {L"999", 0},
                                       {L"320000 b/s", 320},
                                       {L"-128000", 0},
                                       {L"99999999999999999999999", INT_MAX / 1000}}) {
        EXPECT_EQ(ts::KilobituZaSekundu(text), kilobitu) << "\"" << text << "\"";
    }
    // A name that looks like a format is shown as it is.
    EXPECT_EQ(ts::TextDatovehoToku(128, L"Rádio %s"), L"Přehrávání - 128 kb/s - Rádio %s");
}

TEST(TextStavu, TheTitleIsAddedAndCutToTheField) {
    const struct {
        const wchar_t* text;
        const wchar_t* titul;
        std::size_t nejvic;
        const wchar_t* ocekavane;
    } pripady[] = {
        {L"Přehrávání", L"Píseň", 127, L"Přehrávání – Píseň"},
        {L"Přehrávání", L"", 127, L"Přehrávání"},
        {L"abc", L"12345", 11, L"abc – 12345"}, // exactly fits
        {L"abc", L"123456", 11, L"abc – 1234…"},
        {L"abc", L"123456", 8, L"abc – 1…"},
        {L"abc", L"123456", 7, L"abc"}, // room for the ellipsis only
        {L"abcdefgh", L"x", 8, L"abcdefgh"},
        // A character outside the basic plane, in the UTF-16 of Windows, is not split in half.
        {L"abc", L"12\xD83C\xDFB5xyz", 10, L"abc – 12…"},
    };
    for (const auto& p : pripady) {
        const std::wstring vysledek = ts::PripojitTitul(p.text, p.titul, p.nejvic);
        EXPECT_EQ(vysledek, p.ocekavane) << p.nejvic;
        EXPECT_LE(vysledek.size(), std::max(p.nejvic, std::wstring(p.text).size()));
    }
}

TEST(VolbaPrehravace, StreamsGoToTheEngineUnlessTheControlIsChosen) {
    using Vrbatec::kStreamyOvladacem, Vrbatec::kStreamyVestavenym;
    using Vrbatec::VolbaPrehravace::Cil, Vrbatec::VolbaPrehravace::ProAdresu;
    const struct {
        const wchar_t* adresa;
        std::uint32_t volba;
        Cil cil;
    } pripady[] = {
        {L"http://radio.example.cz:8000/stream", kStreamyVestavenym, Cil::Motor},
        {L"HTTPS://radio.example.cz/mp3", kStreamyVestavenym, Cil::Motor},
        {L"https://radio.example.cz/mp3", kStreamyOvladacem, Cil::Ovladac},
        {L"http://radio.example.cz/", 7, Cil::Motor}, // a later version's value
        {L"C:\\Hudba\\píseň.mp3", kStreamyVestavenym, Cil::Ovladac},
        {L"mms://radio.example.cz/live", kStreamyVestavenym, Cil::Ovladac},
        {L"http:/chybí.lomítko", kStreamyVestavenym, Cil::Ovladac},
        {L"", kStreamyVestavenym, Cil::Ovladac},
    };
    for (const auto& p : pripady) {
        EXPECT_EQ(ProAdresu(p.adresa, p.volba), p.cil) << testing::PrintToString(p.adresa);
    }
}

} // namespace
