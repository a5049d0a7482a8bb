// The bytes of the list file and how they read back.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "CteniPodlePravidel.h"
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
    };
    EXPECT_EQ(KodekZdroju::DekodovatBajty(KodekZdroju::ZakodovatNaBajty(zdroje)), zdroje);

    // Any code units from a file come back as they were: unpaired surrogates, and units
    // that hold the byte of '<' in one of their halves.
    const std::u16string hodnota = {u'a', char16_t(0xD800), char16_t(0xDC00), char16_t(0xDFFF),
                                    u'<', char16_t(0x3C00), char16_t(0x013C), char16_t(0x3C3C)};
    const std::u16string text = Zaznam(hodnota, hodnota);
    EXPECT_EQ(KodekZdroju::Zakodovat(KodekZdroju::Dekodovat(text)), text);
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

// Pieces that texts of the tests below are made of: every tag, parts of tags, the frame's
// line ends and indent, surrogates paired and alone, a NUL, and plain text.
constexpr std::u16string_view kKousky[] = {
    u"<zdroj>",     u"</zdroj>",
    u"<nazev>",     u"</nazev>",
    u"<url>",       u"</url>",
    u"<hlasitost>", u"</hlasitost>",
    u"<menu>",      u"</menu>",
    u"\r\n",        u" ",
    u"<",           u">",
    u"</",          u"<zdro",
    u"</nazev",     u"a",
    u"Rádio",       u"1",
    u"-7",          u"\U0001F4FB",
    u"\xD83D",      u"\xDCFB",
    {u"\0", 1},     u"0123456789abcdef",
};

// Text made of random pieces; plain values, whose lengths cross the eight-unit blocks the
// reader searches in, are more likely than others.
std::u16string NahodnyText(std::mt19937& nahoda, std::size_t nejvic) {
    std::u16string text;
    const std::size_t pocet = std::uniform_int_distribution<std::size_t>(0, nejvic)(nahoda);
    for (std::size_t i = 0; i < pocet; ++i) {
        if (nahoda() % 2 == 0) {
            text.append(nahoda() % 12, u'x');
        } else {
            text += kKousky[nahoda() % std::size(kKousky)];
        }
    }
    return text;
}

// Records as save writes them, some with tag text in their values, then changed in a few
// places: a piece put in, a stretch taken out, or the end cut off.
std::u16string NahodnySoubor(std::mt19937& nahoda) {
    std::u16string text = NahodnyText(nahoda, 2);
    const unsigned zaznamu = nahoda() % 5;
    for (unsigned i = 0; i < zaznamu; ++i) {
        const bool zvlastni = nahoda() % 4 == 0;
        text += Zaznam(NahodnyText(nahoda, zvlastni ? 4 : 1), NahodnyText(nahoda, zvlastni ? 4 : 1),
                       zvlastni ? NahodnyText(nahoda, 2) : u"-1",
                       zvlastni ? NahodnyText(nahoda, 1) : u"1");
        // Records also follow one another without a line end between them.
        if (nahoda() % 4 == 0) {
            text.resize(text.size() - 2);
        }
    }
    for (unsigned zmen = nahoda() % 3; zmen > 0 && !text.empty(); --zmen) {
        const std::size_t kde = nahoda() % text.size();
        switch (nahoda() % 3) {
        case 0:
            text.insert(kde, kKousky[nahoda() % std::size(kKousky)]);
            break;
        case 1:
            text.erase(kde, nahoda() % 20);
            break;
        default:
            text.resize(kde);
            break;
        }
    }
    return text;
}

TEST(KodekZdroju, AnyTextReadsAsTheRulesSay) {
    std::mt19937 nahoda(20240611);
    std::size_t zaznamu = 0;
    for (int i = 0; i < 4000; ++i) {
        const std::u16string text = i % 4 == 0 ? NahodnyText(nahoda, 30) : NahodnySoubor(nahoda);
        // A buffer of exactly the text's size, so that the address sanitizer sees any read
        // past its end.
        const std::vector<char16_t> presne(text.begin(), text.end());
        const std::u16string_view pohled(presne.data(), presne.size());
        const std::vector<Zdroj> precteno = KodekZdroju::Dekodovat(pohled);
        ASSERT_EQ(precteno, CteniPodlePravidel::Precist(pohled)) << "text number " << i;
        zaznamu += precteno.size();
    }
    // The texts must have held records for the comparison to mean anything.
    EXPECT_GT(zaznamu, 4000u);
}

} // namespace
