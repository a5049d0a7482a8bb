// Playlists read into the addresses of streams, recognised by type, content or name; and what
// a server's answer holds when it is no stream the engine plays.
#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "playback/DruhObsahu.h"
#include "playback/SeznamSkladeb.h"

namespace {

using namespace Vrbatec::Stream;
using Adresy = std::vector<std::string>;

std::span<const std::uint8_t> Bajty(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

struct Seznam {
    const char* popis;
    DruhSeznamu druh;
    std::string text;
    Adresy adresy;
};

TEST(SeznamSkladeb, PlaylistsGiveTheirHttpAddressesInOrder) {
    const std::vector<Seznam> pripady{
        {"pls by number",
         DruhSeznamu::Pls,
         "[playlist]\r\nNumberOfEntries=3\r\nFile2=http://b.cz/\r\nTitle2=B\r\n"
         "file1 = http://a.cz/ \r\nFILE10=https://c.cz/\r\nLength1=-1\r\nVersion=2\r\n",
         {"http://a.cz/", "http://b.cz/", "https://c.cz/"}},
        {"pls, equal numbers keep their order, no header, CR only",
         DruhSeznamu::Pls,
         "File1=http://x.cz/1\rFile1=http://x.cz/2\rFile=http://x.cz/3\rFilex=http://x.cz/4",
         {"http://x.cz/1", "http://x.cz/2"}},
        {"pls entries that are no http",
         DruhSeznamu::Pls,
         "[playlist]\nFile1=C:\\Hudba\\a.mp3\nFile2=mms://a.cz/\nFile3=relative.mp3\n",
         {}},
        {"m3u with comments and a BOM",
         DruhSeznamu::M3u,
         "\xEF\xBB\xBF#EXTM3U\n#EXTINF:-1,Radio\nhttp://a.cz:8000/live\n\n  https://b.cz/x  \n"
         "#http://c.cz/\n",
         {"http://a.cz:8000/live", "https://b.cz/x"}},
        {"m3u relative and local entries skipped",
         DruhSeznamu::M3u,
         "stream.mp3\r\n../x.aac\r\n/abs/path\r\nC:\\a.mp3\r\nfile:///a.mp3\r\nhttp://ok.cz/\r\n",
         {"http://ok.cz/"}},
        {"asx, first entry's refs, entities, both quotes",
         DruhSeznamu::Asx,
         "<ASX version=\"3.0\"><Title>R</Title>\n<Entry><REF HREF = 'mms://a.cz/'/>"
         "<ref href=\"http://a.cz/s?x=1&amp;y=2\"/><Ref Href='https://b.cz/'>"
         "</Entry><entry><ref href=\"http://later.cz/\"/></entry></asx>",
         {"http://a.cz/s?x=1&y=2", "https://b.cz/"}},
        {"asx attribute named like href is not href",
         DruhSeznamu::Asx,
         "<asx><entry><ref xhref=\"http://no.cz/\" href=\"http://yes.cz/\"/></entry></asx>",
         {"http://yes.cz/"}},
        {"asx refs outside entries are not taken",
         DruhSeznamu::Asx,
         "<asx><ref href=\"http://a.cz/\"/><entryref href=\"http://b.cz/\"/></asx>",
         {}},
        {"asx with no ref", DruhSeznamu::Asx, "<asx><entry><title>x</title></entry></asx>", {}},
        {"asx with an unclosed ref",
         DruhSeznamu::Asx,
         "<asx><entry><ref href=\"http://a.cz/\"",
         {}},
        {"asx with an unclosed quote",
         DruhSeznamu::Asx,
         "<asx><entry><ref href=\"http://a.cz/ /></entry>",
         {}},
        {"nonsense as pls", DruhSeznamu::Pls, "\x01\xFF=File1=\n==\n[playlist", {}},
        {"nonsense as m3u", DruhSeznamu::M3u, "<html><body>404</body></html>", {}},
        {"nonsense as asx", DruhSeznamu::Asx, "<<<entry<ref href=>>>'\"", {}},
        {"no kind", DruhSeznamu::Zadny, "http://a.cz/\n", {}},
    };
    for (const Seznam& p : pripady) {
        SCOPED_TRACE(p.popis);
        EXPECT_EQ(CistSeznam(p.druh, Bajty(p.text)), p.adresy);
    }
}

TEST(SeznamSkladeb, PlaylistOverItsLimitIsRefusedWhole) {
    const std::string radek = "http://a.cz/\n";
    std::string text;
    while (text.size() + radek.size() <= kNejdelsiSeznam) {
        text += radek;
    }
    EXPECT_EQ(CistSeznam(DruhSeznamu::M3u, Bajty(text)).size(), text.size() / radek.size());
    text += std::string(kNejdelsiSeznam + 1 - text.size(), '\n');
    EXPECT_TRUE(CistSeznam(DruhSeznamu::M3u, Bajty(text)).empty());
}

TEST(SeznamSkladeb, EntitiesAreReplacedAndBrokenOnesKept) {
    struct Pripad {
        const char* text;
        const char* vysledek;
    };
    for (const Pripad& p :
         {Pripad{"a&amp;b&lt;&gt;&quot;&apos;", "a&b<>\"'"}, Pripad{"&#65;&#x42;&#X63;", "ABc"},
          Pripad{"&#x10D;", "\xC4\x8D"}, Pripad{"&#x1F4FB;", "\xF0\x9F\x93\xBB"},
          Pripad{"&#0;&#xD800;&#x110000;", "&#0;&#xD800;&#x110000;"},
          Pripad{"&nbsp;&amp", "&nbsp;&amp"}, Pripad{"& amp;", "& amp;"}}) {
        SCOPED_TRACE(p.text);
        EXPECT_EQ(NahraditEntity(p.text), p.vysledek);
    }
}

struct Druh {
    const char* popis;
    std::string typ;
    std::string zacatek;
    std::string url;
    DruhObsahu druh;
    DruhSeznamu seznam = DruhSeznamu::Zadny;
};

std::string TriRamceMp3() {
    std::string data;
    for (int i = 0; i < 3; ++i) {
        std::string ramec(417, '\0');
        ramec.replace(0, 4, "\xFF\xFB\x90\x64");
        data += ramec;
    }
    return data;
}

std::string TriRamceAdts() {
    std::string data;
    for (int i = 0; i < 3; ++i) {
        std::string ramec(20, '\0');
        // LC, 44.1 kHz, stereo, 20 bytes.
        ramec.replace(0, 7, std::string("\xFF\xF1\x50\x80\x02\x9F\xFC", 7));
        data += ramec;
    }
    return data;
}

TEST(DruhObsahu, TypeDecidesFirstAndTheBytesWhenItSaysNothing) {
    const std::string asf("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9", 10);
    const std::vector<Druh> pripady{
        {"mp3 by type", "audio/mpeg", "", "", DruhObsahu::Mp3},
        {"mp3 alias", "audio/mp3", "", "", DruhObsahu::Mp3},
        {"aac+ by type", "audio/aacp", "", "", DruhObsahu::Aac},
        {"x-aac by type", "audio/x-aac", "", "", DruhObsahu::Aac},
        {"pls by type", "audio/x-scpls", "junk", "", DruhObsahu::Seznam, DruhSeznamu::Pls},
        {"m3u8 by type", "application/vnd.apple.mpegurl", "", "", DruhObsahu::Seznam,
         DruhSeznamu::M3u},
        {"asf type with an xml body", "video/x-ms-asf", "  <ASX version=\"3\">", "",
         DruhObsahu::Seznam, DruhSeznamu::Asx},
        {"asf type with an asf body", "video/x-ms-asf", asf, "", DruhObsahu::Jiny},
        {"pls sent as text", "text/plain", "[Playlist]\nFile1=http://a.cz/", "", DruhObsahu::Seznam,
         DruhSeznamu::Pls},
        {"m3u by extension with no type", "", "http://a.cz/\n", "http://r.cz/x.M3U?x=1",
         DruhObsahu::Seznam, DruhSeznamu::M3u},
        {"pls by extension", "application/octet-stream", "File1=x", "http://r.cz/a.pls",
         DruhObsahu::Seznam, DruhSeznamu::Pls},
        {"a page at a playlist's address", "text/html", "<!DOCTYPE html>", "http://r.cz/a.pls",
         DruhObsahu::Stranka},
        {"asx after an xml declaration at an asx address", "", "<?xml version=\"1.0\"?>\n<Asx>",
         "http://r.cz/a.ASX", DruhObsahu::Seznam, DruhSeznamu::Asx},
        {"a page at an asx address", "", "<html>", "http://r.cz/a.asx", DruhObsahu::Stranka},
        {"extension in the query does not count", "", "", "http://r.cz/a?f=x.pls",
         DruhObsahu::Neznamy},
        {"portal page", "text/html", "<!DOCTYPE html><html>", "", DruhObsahu::Stranka},
        {"page without type", "", "\r\n<HTML><body>", "", DruhObsahu::Stranka},
        {"plain text", "text/plain", "Service unavailable", "", DruhObsahu::Stranka},
        {"ogg", "application/ogg", "OggS", "", DruhObsahu::Jiny},
        {"ogg without type", "", "OggS\0", "", DruhObsahu::Jiny},
        {"wma", "audio/x-ms-wma", "", "", DruhObsahu::Jiny},
        {"mp3 frames without type", "application/octet-stream", "xy" + TriRamceMp3(), "",
         DruhObsahu::Mp3},
        {"id3 tag without type", "", std::string("ID3\4\0\0\0\0\0\x7F", 10), "", DruhObsahu::Mp3},
        {"adts after an id3 tag with a footer", "",
         std::string("ID3\4\0\x10\0\0\1\x01", 10) + std::string(129 + 10, 'x') + TriRamceAdts(), "",
         DruhObsahu::Aac},
        {"adts frames cut by the end of an id3 tag", "",
         std::string("ID3\4\0\0\0\0\0\x0A", 10) + TriRamceAdts(), "", DruhObsahu::Mp3},
        {"id3 with a size byte over seven bits", "", std::string("ID3\4\0\0\0\0\0\x80", 10), "",
         DruhObsahu::Neznamy},
        {"adts frames without type", "", TriRamceAdts(), "", DruhObsahu::Aac},
        {"one mp3 header is not enough", "", "\xFF\xFB\x90\x64" + std::string(500, 'g'), "",
         DruhObsahu::Neznamy},
        {"nothing", "", "", "", DruhObsahu::Neznamy},
    };
    for (const Druh& p : pripady) {
        SCOPED_TRACE(p.popis);
        const Rozpoznani r = RozpoznatObsah(p.typ, Bajty(p.zacatek), p.url);
        EXPECT_EQ(r.druh, p.druh);
        EXPECT_EQ(r.seznam, p.seznam);
    }
}

} // namespace
