// The bytes of the list file and how they read back.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "sources/KodekZdroju.h"

namespace {

using namespace Vrbatec;

std::vector<std::uint8_t> Bajty(std::u16string_view text) {
    std::vector<std::uint8_t> bajty;
    for (const char16_t u : text) {
        bajty.push_back(static_cast<std::uint8_t>(u & 0xFF));
        bajty.push_back(static_cast<std::uint8_t>(u >> 8));
    }
    return bajty;
}

std::vector<Zdroj> Precist(std::u16string_view text) {
    return KodekZdroju::Dekodovat(text);
}

// One record as it stands in a file, with the given field values.
std::u16string Zaznam(std::u16string_view nazev, std::u16string_view url,
                      std::u16string_view hlasitost, std::u16string_view menu) {
    std::u16string t = u"<zdroj>\r\n <nazev>";
    t += nazev;
    t += u"</nazev>\r\n <url>";
    t += url;
    t += u"</url>\r\n <hlasitost>";
    t += hlasitost;
    t += u"</hlasitost>\r\n <menu>";
    t += menu;
    t += u"</menu>\r\n</zdroj>\r\n";
    return t;
}

// Joins the parts with += only: GCC 12 warns wrongly about the operator+ overloads that
// insert at the front.
std::u16string Spojit(std::initializer_list<std::u16string_view> casti) {
    std::u16string text;
    for (const std::u16string_view cast : casti) {
        text += cast;
    }
    return text;
}

std::vector<Zdroj> TamAZpet(const std::vector<Zdroj>& zdroje) {
    return KodekZdroju::DekodovatBajty(KodekZdroju::ZakodovatNaBajty(zdroje));
}

TEST(KodekZdroju, WritesTheDocumentedBytes) {
    const std::vector<Zdroj> zdroje = {{L"Rádio 1", L"D:\\Hudba\\a.wma", -1, true}};
    const std::vector<std::uint8_t> bajty = KodekZdroju::ZakodovatNaBajty(zdroje);

    const std::vector<std::uint8_t> zacatek = {0x3C, 0x00, 0x7A, 0x00, 0x64, 0x00, 0x72, 0x00,
                                               0x6F, 0x00, 0x6A, 0x00, 0x3E, 0x00, 0x0D, 0x00,
                                               0x0A, 0x00, 0x20, 0x00, 0x3C, 0x00, 0x6E, 0x00};
    ASSERT_GE(bajty.size(), zacatek.size());
    EXPECT_EQ(std::vector<std::uint8_t>(bajty.begin(), bajty.begin() + zacatek.size()), zacatek);
    EXPECT_EQ(bajty, Bajty(u"<zdroj>\r\n"
                           u" <nazev>R\u00E1dio 1</nazev>\r\n"
                           u" <url>D:\\Hudba\\a.wma</url>\r\n"
                           u" <hlasitost>-1</hlasitost>\r\n"
                           u" <menu>1</menu>\r\n"
                           u"</zdroj>\r\n"));
}

TEST(KodekZdroju, RecordsFollowEachOtherInListOrder) {
    const std::vector<Zdroj> zdroje = {{L"A", L"a", 5, false}, {L"B", L"b", 0, true}};
    EXPECT_EQ(KodekZdroju::Zakodovat(zdroje),
              Zaznam(u"A", u"a", u"5", u"0") + Zaznam(u"B", u"b", u"0", u"1"));
}

TEST(KodekZdroju, EmptyListIsAnEmptyFileAndBack) {
    EXPECT_TRUE(KodekZdroju::ZakodovatNaBajty({}).empty());
    EXPECT_TRUE(KodekZdroju::DekodovatBajty({}).empty());
}

TEST(KodekZdroju, ValuesReadBackExactly) {
    const std::vector<Zdroj> zdroje = {
        {L"", L"", 0, false},
        {L"  R&B <live> > \"x\"  ", L" http://a.b/c?d=1&e=2 ", INT32_MIN, true},
        {L"\t\r\nřádky", L"C:\\x.mp3", INT32_MAX, false},
        {L"R\u00E1dio \U0001F4FB", L"http://example.com/\u4E2D", 100, true},
        {L"R\u00E1dio \U0001F4FB", L"http://example.com/\u4E2D", 100, true},
    };
    EXPECT_EQ(TamAZpet(zdroje), zdroje);
}

TEST(KodekZdroju, UnpairedSurrogatesSurviveARoundTrip) {
    // Text from a file may hold any code units; saving must give back the same units.
    const std::u16string hodnota = {u'a',
                                    char16_t(0xD800),
                                    u'b',
                                    char16_t(0xDC00),
                                    char16_t(0xDBFF),
                                    char16_t(0xDFFF),
                                    char16_t(0xDC01),
                                    char16_t(0xD801)};
    const std::u16string text = Zaznam(hodnota, hodnota, u"1", u"1");
    const std::vector<Zdroj> zdroje = Precist(text);
    ASSERT_EQ(zdroje.size(), 1u);
    EXPECT_EQ(KodekZdroju::Zakodovat(zdroje), text);
}

TEST(KodekZdroju, VolumeTextsReadLikeTheSystemConversion) {
    const struct {
        std::u16string_view text;
        std::int32_t hodnota;
    } pripady[] = {
        {u"-1", -1},
        {u"75", 75},
        {u"abc", 0},
        {u"75abc", 75},
        {u"", 0},
        {u"-", 0},
        {u"--5", 0},
        {u"+5", 0},
        {u" 5", 0},
        {u"007", 7},
        {u"-0", 0},
        {u"2147483647", INT32_MAX},
        {u"-2147483648", INT32_MIN},
        {u"2147483648", INT32_MIN},
        {u"4294967296", 0},
        {u"4294967297", 1},
        {u"99999999999", 1215752191},
        {u"-99999999999", -1215752191},
        {u"12\u00B3", 12},
        {u"\uFF15", 0},
    };
    for (const auto& pripad : pripady) {
        const auto zdroje = Precist(Zaznam(u"n", u"u", pripad.text, u"0"));
        ASSERT_EQ(zdroje.size(), 1u);
        EXPECT_EQ(zdroje[0].hlasitost, pripad.hodnota)
            << std::string(pripad.text.begin(), pripad.text.end());
    }
}

TEST(KodekZdroju, OnlyTheTextOneTurnsTheMenuFlagOn) {
    const struct {
        std::u16string_view text;
        bool menu;
    } pripady[] = {
        {u"1", true},   {u"0", false},  {u"", false},       {u"yes", false},
        {u"2", false},  {u"11", false}, {u" 1", false},     {u"1 ", false},
        {u"01", false}, {u"-1", false}, {u"\uFF11", false},
    };
    for (const auto& pripad : pripady) {
        const auto zdroje = Precist(Zaznam(u"n", u"u", u"5", pripad.text));
        ASSERT_EQ(zdroje.size(), 1u);
        EXPECT_EQ(zdroje[0].menu, pripad.menu)
            << std::string(pripad.text.begin(), pripad.text.end());
    }
    // The system compares C strings: a NUL ends the text.
    const std::u16string sNulou(u"1\0x", 3);
    EXPECT_TRUE(Precist(Zaznam(u"n", u"u", u"5", sNulou))[0].menu);
}

TEST(KodekZdroju, UnterminatedRecordIsDroppedWithEverythingAfterIt) {
    const std::u16string text = Zaznam(u"A", u"a", u"1", u"1") +
                                u"<zdroj>\r\n <nazev>B</nazev>\r\n <url>b</url>\r\n" +
                                Zaznam(u"C", u"c", u"1", u"1").substr(9);
    // The second record's end tag is the third one's; the text of both is one record.
    const auto zdroje = Precist(text);
    ASSERT_EQ(zdroje.size(), 2u);
    EXPECT_EQ(zdroje[0].nazev, L"A");
    EXPECT_EQ(zdroje[1].nazev, L"B");

    std::u16string bezKonce = Zaznam(u"A", u"a", u"1", u"1") + Zaznam(u"B", u"b", u"1", u"1");
    bezKonce.resize(bezKonce.size() - 3); // cuts into the last "</zdroj>"
    bezKonce += u"\r\n";
    bezKonce += Zaznam(u"C", u"c", u"1", u"1").substr(9, 20);
    const auto jenPrvni = Precist(bezKonce);
    ASSERT_EQ(jenPrvni.size(), 1u);
    EXPECT_EQ(jenPrvni[0].nazev, L"A");
}

TEST(KodekZdroju, TextOutsideTheKnownTagsIsIgnored) {
    const std::u16string text =
        Spojit({u"\uFEFFúvod<?xml?>\r\n<seznam>", Zaznam(u"A", u"a", u"7", u"1"),
                u"mezi záznamy <nazev>X</nazev>",
                u"<zdroj><poznamka>x</poznamka><menu>1</menu>  <hlasitost>3"
                u"</hlasitost><url>b</url>\r\n\t<nazev>B</nazev></zdroj>",
                u"</seznam>"});
    const auto zdroje = Precist(text);
    const std::vector<Zdroj> ocekavane = {{L"A", L"a", 7, true}, {L"B", L"b", 3, true}};
    EXPECT_EQ(zdroje, ocekavane);
}

TEST(KodekZdroju, TagsMatchOnlyExactly) {
    const auto zdroje = Precist(u"<zdroj><Nazev>X</Nazev><nazev >Y</nazev><url a=\"1\">Z</url>"
                                u"<menu>1</MENU></zdroj>"
                                u"<ZDROJ><nazev>W</nazev></ZDROJ>");
    ASSERT_EQ(zdroje.size(), 1u);
    EXPECT_EQ(zdroje[0].nazev, L"");
    EXPECT_EQ(zdroje[0].url, L"");
    EXPECT_FALSE(zdroje[0].menu);
}

TEST(KodekZdroju, FieldIsTheTextBetweenItsFirstOpeningAndTheNextClosingTag) {
    const auto zdroje = Precist(u"<zdroj></nazev>a<nazev>b<nazev>c</nazev>d</nazev>"
                                u"<url>u</zdroj><zdroj></url></zdroj>");
    ASSERT_EQ(zdroje.size(), 2u);
    EXPECT_EQ(zdroje[0].nazev, L"b<nazev>c");
    // The closing tag of url lies in the next record: the field is missing in both.
    EXPECT_EQ(zdroje[0].url, L"");
    EXPECT_EQ(zdroje[1].url, L"");
}

TEST(KodekZdroju, DuplicatesAreKept) {
    const std::vector<Zdroj> dva = {{L"A", L"a", -1, true}, {L"A", L"a", -1, true}};
    EXPECT_EQ(TamAZpet(dva), dva);
}

TEST(KodekZdroju, MissingFieldsKeepWhatTheSlotsHeldBefore) {
    const std::u16string text =
        Spojit({// The first record lacks everything: empty texts, volume and flag from empty text.
                u"<zdroj><poznamka/></zdroj>", Zaznam(u"A", u"a", u"40", u"1"),
                // No name, URL or volume: name and URL of A, volume from A's menu text "1".
                u"<zdroj><menu>0</menu></zdroj>"
                // No menu: the flag comes from this record's own volume text.
                u"<zdroj><nazev>B</nazev><hlasitost>1</hlasitost></zdroj>"
                // Nothing inside: every slot as the record before left it.
                u"<zdroj></zdroj>"});
    const std::vector<Zdroj> ocekavane = {
        {L"", L"", 0, false},  {L"A", L"a", 40, true}, {L"A", L"a", 1, false},
        {L"B", L"a", 1, true}, {L"B", L"a", 1, true},
    };
    EXPECT_EQ(Precist(text), ocekavane);
}

TEST(KodekZdroju, OnlyLittleEndianUtf16IsRecognised) {
    const std::u16string zaznam = Zaznam(u"A", u"a", u"1", u"1");
    std::vector<std::uint8_t> sBom = {0xFF, 0xFE};
    const auto bajty = Bajty(zaznam);
    sBom.insert(sBom.end(), bajty.begin(), bajty.end());
    EXPECT_EQ(KodekZdroju::DekodovatBajty(sBom).size(), 1u);

    const std::string utf8 = "<zdroj>\r\n <nazev>A</nazev>\r\n <url>a</url>\r\n <hlasitost>1"
                             "</hlasitost>\r\n <menu>1</menu>\r\n</zdroj>\r\n";
    EXPECT_TRUE(KodekZdroju::DekodovatBajty(
                    {reinterpret_cast<const std::uint8_t*>(utf8.data()), utf8.size()})
                    .empty());

    std::vector<std::uint8_t> velkyKonec;
    for (std::size_t i = 0; i < bajty.size(); i += 2) {
        velkyKonec.push_back(bajty[i + 1]);
        velkyKonec.push_back(bajty[i]);
    }
    EXPECT_TRUE(KodekZdroju::DekodovatBajty(velkyKonec).empty());
}

TEST(KodekZdroju, OddLastByteIsIgnored) {
    auto bajty = Bajty(Zaznam(u"A", u"a", u"1", u"1"));
    bajty.push_back(0x3C);
    const auto zdroje = KodekZdroju::DekodovatBajty(bajty);
    ASSERT_EQ(zdroje.size(), 1u);
    EXPECT_EQ(zdroje[0].nazev, L"A");
}

TEST(KodekZdroju, LessThanSignsThatAreNotUnitsDoNotConfuseTheSearch) {
    // U+3C00 and U+013C hold the byte of '<' in one of their halves.
    const std::u16string hodnota = u"\u3C00\u013C<\u3C3C";
    const std::vector<Zdroj> zdroje = Precist(Zaznam(hodnota, u"\u3C00", u"2", u"1"));
    ASSERT_EQ(zdroje.size(), 1u);
    EXPECT_EQ(zdroje[0].nazev, L"\u3C00\u013C<\u3C3C");
    EXPECT_EQ(zdroje[0].url, L"\u3C00");
}

TEST(KodekZdroju, ValuesWithTagTextDoNotReadBackTheSame) {
    EXPECT_FALSE(KodekZdroju::ObsahujeZnacku(u"a < b > c & <zdroj <url/>"));
    for (std::u16string_view znacka :
         {u"<zdroj>", u"</zdroj>", u"<nazev>", u"</nazev>", u"<url>", u"</url>", u"<hlasitost>",
          u"</hlasitost>", u"<menu>", u"</menu>"}) {
        EXPECT_TRUE(KodekZdroju::ObsahujeZnacku(Spojit({u"x", znacka, u"y"})));
    }
    const std::vector<Zdroj> zdroje = {{L"a</nazev>b", L"u", 1, true}};
    EXPECT_EQ(TamAZpet(zdroje)[0].nazev, L"a");
}

} // namespace
