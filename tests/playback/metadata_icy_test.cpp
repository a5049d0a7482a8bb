// Sound and metadata blocks separated whatever the pieces, and the title decoded from either
// encoding a station may use.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "playback/DemultiplexorIcy.h"
#include "playback/TitulStreamu.h"

namespace {

using namespace Vrbatec::Stream;

using Bloky = std::vector<std::vector<std::uint8_t>>;

std::vector<std::uint8_t> Blok(const std::string& text) {
    return {text.begin(), text.end()};
}

// A stream of `metaint` sound bytes (numbered so that order shows) before each block, the
// blocks padded with NULs to whole sixteens as a server pads them.
struct Stream {
    std::vector<std::uint8_t> bajty;
    std::vector<std::uint8_t> zvuk;
    Bloky bloky;
};

Stream Sestavit(std::uint32_t metaint, const std::vector<std::string>& texty) {
    Stream s;
    std::uint8_t citac = 0;
    for (const std::string& text : texty) {
        for (std::uint32_t i = 0; i < metaint; ++i) {
            s.bajty.push_back(citac);
            s.zvuk.push_back(citac++);
        }
        const std::size_t sestnactky = (text.size() + 15) / 16;
        s.bajty.push_back(static_cast<std::uint8_t>(sestnactky));
        std::vector<std::uint8_t> blok(text.begin(), text.end());
        blok.resize(sestnactky * 16, 0);
        s.bajty.insert(s.bajty.end(), blok.begin(), blok.end());
        if (!blok.empty()) {
            s.bloky.push_back(blok);
        }
    }
    s.bajty.push_back(0xAA); // sound after the last block
    s.zvuk.push_back(0xAA);
    return s;
}

TEST(DemultiplexorIcy, PiecesOfAnySizeGiveTheSameSoundAndBlocks) {
    struct Pripad {
        const char* popis;
        std::uint32_t metaint;
        std::vector<std::string> texty;
    };
    const std::vector<Pripad> pripady{
        {"titles and an empty block", 5, {"StreamTitle='A';", "", "StreamTitle='B - C';"}},
        {"the longest block", 3, {std::string(255 * 16, 'x'), "StreamTitle='D';"}},
        {"one sound byte between blocks", 1, {"a", "b", "", "c"}},
    };
    for (const Pripad& p : pripady) {
        const Stream s = Sestavit(p.metaint, p.texty);
        for (const std::size_t kus : {std::size_t{1}, std::size_t{2}, std::size_t{7},
                                      std::size_t{16}, std::size_t{17}, s.bajty.size()}) {
            SCOPED_TRACE(testing::Message() << p.popis << ", pieces of " << kus);
            DemultiplexorIcy demux(p.metaint);
            CastStreamu vystup;
            const std::span<const std::uint8_t> vse(s.bajty);
            for (std::size_t od = 0; od < vse.size(); od += kus) {
                demux.Pridat(vse.subspan(od, std::min(kus, vse.size() - od)), vystup);
            }
            EXPECT_EQ(vystup.zvuk, s.zvuk);
            EXPECT_EQ(vystup.bloky, s.bloky);
        }
    }
}

TEST(DemultiplexorIcy, LengthByte255TakesFourThousandEightyBytes) {
    DemultiplexorIcy demux(2);
    std::vector<std::uint8_t> bajty{1, 2, 255};
    bajty.resize(3 + 4080, 'm');
    bajty.push_back(3);
    CastStreamu vystup;
    demux.Pridat(std::span<const std::uint8_t>(bajty).first(3 + 4079), vystup);
    EXPECT_TRUE(vystup.bloky.empty()); // one byte of the block still missing
    demux.Pridat(std::span<const std::uint8_t>(bajty).subspan(3 + 4079), vystup);
    ASSERT_EQ(vystup.bloky.size(), 1u);
    EXPECT_EQ(vystup.bloky[0].size(), kNejdelsiBlokMetadat);
    EXPECT_EQ(vystup.zvuk, (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST(DemultiplexorIcy, WithoutMetaintEveryByteIsSound) {
    DemultiplexorIcy demux(0);
    const std::vector<std::uint8_t> bajty{0, 1, 255, 'S'};
    CastStreamu vystup;
    demux.Pridat(bajty, vystup);
    EXPECT_EQ(vystup.zvuk, bajty);
    EXPECT_TRUE(vystup.bloky.empty());
}

struct Titul {
    const char* popis;
    std::string blok;
    std::optional<std::wstring> titul;
};

TEST(TitulStreamu, TitleEndsAtApostropheAndSemicolonAndIsDecoded) {
    // "Žluťoučký kůň" in UTF-8 and in Windows-1250.
    const std::string utf8 = "\xC5\xBD"
                             "lu\xC5\xA5"
                             "ou\xC4\x8Dk\xC3\xBD k\xC5\xAF\xC5\x88";
    const std::string cp1250 = "\x8Elu\x9Dou\xE8k\xFD k\xF9\xF2";
    const std::wstring kun = L"\u017Dlu\u0165ou\u010Dk\u00FD k\u016F\u0148";
    const std::vector<Titul> pripady{
        {"UTF-8", "StreamTitle='" + utf8 + "';StreamUrl='';", kun},
        {"Windows-1250", "StreamTitle='" + cp1250 + "';", kun},
        {"apostrophes inside", "StreamTitle='Don't Stop 'Em';StreamUrl='x';", L"Don't Stop 'Em"},
        {"NUL padding", std::string("StreamTitle='A';\0\0\0\0", 20), L"A"},
        {"empty title", "StreamTitle='';", L""},
        {"no semicolon before the padding", std::string("StreamTitle='B'\0\0", 17), L"B"},
        {"title after another field", "StreamUrl='u';StreamTitle='C';", L"C"},
        {"1250 punctuation and the unassigned 0x81",
         "StreamTitle='\x84"
         "a\x93\x96\x80\x81';",
         L"\u201Ea\u201C\u2013\u20AC\uFFFD"},
        {"a character outside the BMP", "StreamTitle='\xF0\x9F\x93\xBB';", L"\U0001F4FB"},
        {"overlong UTF-8 is read as 1250", "StreamTitle='\xC0\xAF';", L"\u0154\u017B"},
        {"encoded surrogate is read as 1250", "StreamTitle='\xED\xA0\x80';", L"\u00ED\u00A0\u20AC"},
        {"no title", "StreamUrl='x';", std::nullopt},
        {"key inside another value", "StreamUrl='StreamTitle=';", std::nullopt},
        {"no closing apostrophe", "StreamTitle=abc", std::nullopt},
        {"opening only", "StreamTitle='", std::nullopt},
    };
    for (const Titul& p : pripady) {
        SCOPED_TRACE(p.popis);
        EXPECT_EQ(TitulStreamu(Blok(p.blok)), p.titul);
    }
}

TEST(TitulStreamu, WideTextHoldsSurrogatePairsOnEitherWidthOfWchar) {
    struct Pripad {
        const char* popis;
        std::u16string utf16;
        std::u32string znaky; // as 32-bit units
    };
    const std::vector<Pripad> pripady{
        {"a pair", {u'a', 0xD83D, 0xDCFB, u'b'}, U"a\U0001F4FBb"},
        {"the last pair", {0xDBFF, 0xDFFF}, U"\U0010FFFF"},
        {"a lone low half", {0xDCFB, u'b'}, U"\uFFFDb"},
        {"a high half at the end", {u'b', 0xD83D}, U"b\uFFFD"},
        {"two high halves", {0xD83D, 0xD83D, 0xDCFB}, U"\uFFFD\U0001F4FB"},
        {"no halves", u"\u017D\uFFFF", U"\u017D\uFFFF"},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.popis);
        EXPECT_EQ(PrevestUtf16<char16_t>(p.utf16), p.utf16);
        EXPECT_EQ(PrevestUtf16<char32_t>(p.utf16), p.znaky);
        const std::wstring siroky = NaWideText(p.utf16);
        if constexpr (sizeof(wchar_t) == 2) {
            EXPECT_TRUE(std::equal(siroky.begin(), siroky.end(), p.utf16.begin(), p.utf16.end()));
        } else {
            EXPECT_TRUE(std::equal(siroky.begin(), siroky.end(), p.znaky.begin(), p.znaky.end()));
        }
    }
    EXPECT_EQ(DekodovatText("a\xF0\x9F\x93\xBB"), (std::u16string{u'a', 0xD83D, 0xDCFB}));
}

TEST(TitulStreamu, Utf8ValidityFollowsTheEncodingsRules) {
    struct Pripad {
        const char* bajty;
        bool platne;
    };
    for (const Pripad& p :
         {Pripad{"", true}, Pripad{"abc", true}, Pripad{"\xC3\xA1", true},
          Pripad{"\xF4\x8F\xBF\xBF", true}, Pripad{"\xF4\x90\x80\x80", false},
          Pripad{"\xE0\x80\xAF", false}, Pripad{"\xC3", false}, Pripad{"\xC3\x41", false},
          Pripad{"\x80", false}, Pripad{"\xFF", false}}) {
        SCOPED_TRACE(p.bajty);
        EXPECT_EQ(JePlatneUtf8(p.bajty), p.platne);
    }
}

} // namespace
