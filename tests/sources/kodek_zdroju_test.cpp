// The bytes of the list file and how they read back.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "sources/KodekZdroju.h"

namespace {

using namespace Vrbatec;
using Bajty = std::vector<std::uint8_t>;

Bajty BajtyLE(std::u16string_view text) {
    Bajty bajty;
    for (const char16_t u : text) {
        bajty.insert(bajty.end(),
                     {static_cast<std::uint8_t>(u & 0xFF), static_cast<std::uint8_t>(u >> 8)});
    }
    return bajty;
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

// One record as it stands in a file, with the given field values.
std::u16string Zaznam(std::u16string_view nazev, std::u16string_view url,
                      std::u16string_view hlasitost = u"1", std::u16string_view menu = u"1") {
    return Spojit({u"<zdroj>\r\n <nazev>", nazev, u"</nazev>\r\n <url>", url,
                   u"</url>\r\n <hlasitost>", hlasitost, u"</hlasitost>\r\n <menu>", menu,
                   u"</menu>\r\n</zdroj>\r\n"});
}

TEST(KodekZdroju, WritesTheDocumentedBytesAndAnEmptyListAsNoBytes) {
    const Bajty bajty = KodekZdroju::ZakodovatNaBajty(
        std::vector<Zdroj>{{L"Rádio 1", L"D:\\Hudba\\a.wma", -1, true}});
    const Bajty zacatek = {0x3C, 0x00, 0x7A, 0x00, 0x64, 0x00, 0x72, 0x00, 0x6F, 0x00, 0x6A, 0x00,
                           0x3E, 0x00, 0x0D, 0x00, 0x0A, 0x00, 0x20, 0x00, 0x3C, 0x00, 0x6E, 0x00};
    ASSERT_GE(bajty.size(), zacatek.size());
    EXPECT_EQ(Bajty(bajty.begin(), bajty.begin() + zacatek.size()), zacatek);
    EXPECT_EQ(bajty, BajtyLE(Zaznam(u"R\u00E1dio 1", u"D:\\Hudba\\a.wma", u"-1", u"1")));
    EXPECT_EQ(
        KodekZdroju::Zakodovat(std::vector<Zdroj>{{L"A", L"a", 5, false}, {L"B", L"b", 0, true}}),
        Zaznam(u"A", u"a", u"5", u"0") + Zaznam(u"B", u"b", u"0", u"1"));

    EXPECT_TRUE(KodekZdroju::ZakodovatNaBajty({}).empty());
    EXPECT_TRUE(KodekZdroju::DekodovatBajty({}).empty());
}

TEST(KodekZdroju, ValuesReadBackVerbatim) {
    const std::vector<Zdroj> zdroje = {
        {L"", L"", 0, false},
        {L"  R&B <live> > \"x\"  ", L" http://a.b/c?d=1&e=2 ", INT32_MIN, true},
        {L"\t\r\nřádky \U0001F4FB", L"http://example.com/\u4E2D", INT32_MAX, false},
        {L"\t\r\nřádky \U0001F4FB", L"http://example.com/\u4E2D", INT32_MAX, false},
    };
    EXPECT_EQ(KodekZdroju::DekodovatBajty(KodekZdroju::ZakodovatNaBajty(zdroje)), zdroje);

    // Any code units from a file come back as they were: unpaired surrogates, and units
    // that hold the byte of '<' in one of their halves.
    const std::u16string hodnota = {u'a', char16_t(0xD800), char16_t(0xDC00), char16_t(0xDFFF),
                                    u'<', char16_t(0x3C00), char16_t(0x013C), char16_t(0x3C3C)};
    const std::u16string text = Zaznam(hodnota, hodnota);
    EXPECT_EQ(KodekZdroju::Zakodovat(KodekZdroju::Dekodovat(text)), text);
}

TEST(KodekZdroju, VolumeAndMenuTextsReadLikeTheSystemConversions) {
    const struct {
        std::u16string_view text;
        std::int32_t hodnota;
    } hlasitosti[] = {
        {u"-1", -1},        {u"abc", 0},       {u"75abc", 75}, {u"", 0},
        {u" 5", 0},         {u"+5", 0},        {u"--5", 0},    {u"2147483648", INT32_MIN},
        {u"4294967297", 1}, {u"12\u00B3", 12},
    };
    for (const auto& p : hlasitosti) {
        const auto zdroje = KodekZdroju::Dekodovat(Zaznam(u"n", u"u", p.text));
        ASSERT_EQ(zdroje.size(), 1u);
        EXPECT_EQ(zdroje[0].hlasitost, p.hodnota) << std::string(p.text.begin(), p.text.end());
    }
    const std::u16string_view vypnuto[] = {u"0", u"", u"yes", u"11", u" 1", u"01", u"\uFF11"};
    for (const std::u16string_view text : vypnuto) {
        EXPECT_FALSE(KodekZdroju::Dekodovat(Zaznam(u"n", u"u", u"5", text))[0].menu);
    }
    // The system compares C strings: a NUL ends the text.
    EXPECT_TRUE(
        KodekZdroju::Dekodovat(Zaznam(u"n", u"u", u"5", std::u16string(u"1\0x", 3)))[0].menu);
}

TEST(KodekZdroju, UnterminatedRecordIsDroppedWithEverythingAfterIt) {
    // The second record's end tag is the third one's; the text of both is one record.
    const std::u16string text =
        Spojit({Zaznam(u"A", u"a"), u"<zdroj><nazev>B</nazev>", Zaznam(u"C", u"c").substr(9)});
    const auto zdroje = KodekZdroju::Dekodovat(text);
    ASSERT_EQ(zdroje.size(), 2u);
    EXPECT_EQ(zdroje[1].nazev, L"B");

    std::u16string bezKonce = Zaznam(u"A", u"a") + Zaznam(u"B", u"b");
    bezKonce.resize(bezKonce.size() - 3); // cuts into the last "</zdroj>"
    bezKonce += Zaznam(u"C", u"c").substr(0, 29);
    const auto jenPrvni = KodekZdroju::Dekodovat(bezKonce);
    ASSERT_EQ(jenPrvni.size(), 1u);
    EXPECT_EQ(jenPrvni[0].nazev, L"A");
}

TEST(KodekZdroju, OtherTextAndElementsAreIgnoredAndFieldsComeInAnyOrder) {
    const std::u16string text =
        Spojit({u"\uFEFFúvod<?xml?>\r\n<seznam>", Zaznam(u"A", u"a", u"7"),
                u"mezi záznamy <nazev>X</nazev>",
                u"<zdroj><poznamka>x</poznamka><menu>1</menu>  <hlasitost>3"
                u"</hlasitost><url>b</url>\r\n\t<nazev>B</nazev></zdroj></seznam>"});
    const std::vector<Zdroj> ocekavane = {{L"A", L"a", 7, true}, {L"B", L"b", 3, true}};
    EXPECT_EQ(KodekZdroju::Dekodovat(text), ocekavane);
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
    EXPECT_EQ(KodekZdroju::Dekodovat(text), ocekavane);
}

TEST(KodekZdroju, OnlyLittleEndianUtf16IsRecognised) {
    const std::u16string zaznam = Zaznam(u"A", u"a");
    Bajty sBomALichymBajtem = BajtyLE(Spojit({u"\uFEFF", zaznam}));
    sBomALichymBajtem.push_back(0x3C);
    EXPECT_EQ(KodekZdroju::DekodovatBajty(sBomALichymBajtem).size(), 1u);

    const Bajty utf8(zaznam.begin(), zaznam.end());
    EXPECT_TRUE(KodekZdroju::DekodovatBajty(utf8).empty());
    Bajty velkyKonec = BajtyLE(zaznam);
    for (std::size_t i = 0; i < velkyKonec.size(); i += 2) {
        std::swap(velkyKonec[i], velkyKonec[i + 1]);
    }
    EXPECT_TRUE(KodekZdroju::DekodovatBajty(velkyKonec).empty());
}

TEST(KodekZdroju, ValuesWithTagTextAreRecognised) {
    EXPECT_FALSE(KodekZdroju::ObsahujeZnacku(u"a < b > c & <zdroj <url/>"));
    for (std::u16string_view znacka :
         {u"<zdroj>", u"</nazev>", u"<url>", u"</hlasitost>", u"<menu>"}) {
        EXPECT_TRUE(KodekZdroju::ObsahujeZnacku(Spojit({u"x", znacka, u"y"})));
    }
}

} // namespace
