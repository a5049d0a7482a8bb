// The registry key wrapper against the real registry.
#include <gtest/gtest.h>

#include <algorithm>

#include "config/KlicRegistru.h"
#include "config/TestovaciKoren.h"
#include "support/ZaznamHlaseni.h"

namespace {

using namespace Vrbatec;
using Testy::BajtyTextu;
using Testy::TestovaciKoren;
using Testy::UkonceniProcesu;
using Testy::ZaznamHlaseni;
using Bajty = std::vector<std::uint8_t>;

bool JeChyba(HRESULT hr) {
    return FAILED(hr);
}

class KlicRegistruTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(klic.Otevrit(L"Hodnoty", true), S_OK); }

    TestovaciKoren koren;
    KlicRegistru klic{HKEY_CURRENT_USER, koren.Cesta()};
};

TEST(KlicRegistru, OpeningWithoutCreatingLeavesAMissingKeyMissing) {
    TestovaciKoren koren;
    KlicRegistru klic(HKEY_CURRENT_USER, koren.Cesta());
    EXPECT_EQ(klic.Otevrit(false), HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(klic.Otevrit(L"A\\B", false), HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(klic.Klic(), nullptr);
    EXPECT_FALSE(koren.Existuje());

    EXPECT_EQ(klic.Otevrit(L"A\\B", true), S_OK);
    EXPECT_TRUE(koren.Existuje(L"A\\B"));
    EXPECT_EQ(klic.ZapsatDword(L"x", 1), S_OK);
    EXPECT_TRUE(koren.Cist(L"A\\B", L"x"));

    // A failed open drops the key held before.
    EXPECT_NE(klic.Otevrit(L"C", false), S_OK);
    EXPECT_EQ(klic.Klic(), nullptr);
}

TEST(KlicRegistru, EmptySubkeyOrBasePathEndsTheProgram) {
    ZaznamHlaseni hlaseni;
    TestovaciKoren koren;
    KlicRegistru klic(HKEY_CURRENT_USER, koren.Cesta());
    EXPECT_THROW(klic.Otevrit(L"", true), UkonceniProcesu);
    KlicRegistru bezCesty(HKEY_CURRENT_USER, L"");
    EXPECT_THROW(bezCesty.Otevrit(true), UkonceniProcesu);
    EXPECT_THROW(bezCesty.Otevrit(L"Zaznam", false), UkonceniProcesu);
    ASSERT_EQ(hlaseni.okna.size(), 3u);
    // The fatal message carries the system's description of E_INVALIDARG.
    EXPECT_NE(hlaseni.okna[0].text.find(PopisHResult(E_INVALIDARG)), std::wstring::npos);
    EXPECT_FALSE(koren.Existuje());
}

TEST_F(KlicRegistruTest, MissingValuesReadAsOneAndChangeNothing) {
    std::uint32_t dword = 7;
    std::int32_t cislo = -3;
    bool anoNe = true;
    std::wstring text = L"beze změny";
    Bajty data{1, 2, 3};
    std::size_t precteno = 99;
    EXPECT_EQ(klic.CistDword(L"nic", dword), 1);
    EXPECT_EQ(klic.CistCislo(L"nic", cislo), 1);
    EXPECT_EQ(klic.CistAnoNe(L"nic", anoNe), 1);
    EXPECT_EQ(klic.CistRetezec(L"nic", text), 1);
    EXPECT_EQ(klic.CistBinarni(L"nic", data, precteno), 1);
    EXPECT_EQ(dword, 7u);
    EXPECT_EQ(cislo, -3);
    EXPECT_TRUE(anoNe);
    EXPECT_EQ(text, L"beze změny");
    EXPECT_EQ(data, (Bajty{1, 2, 3}));
    EXPECT_EQ(precteno, 99u);
}

TEST_F(KlicRegistruTest, DwordsMustBeFourBytes) {
    koren.Zapsat(L"Hodnoty", L"kratka", REG_BINARY, {5, 0});
    koren.Zapsat(L"Hodnoty", L"dlouha", REG_QWORD, {5, 0, 0, 0, 0, 0, 0, 0});
    koren.Zapsat(L"Hodnoty", L"prazdna", REG_DWORD, {});
    std::uint32_t dword = 7;
    bool anoNe = false;
    EXPECT_TRUE(JeChyba(klic.CistDword(L"kratka", dword)));
    EXPECT_TRUE(JeChyba(klic.CistDword(L"dlouha", dword)));
    EXPECT_TRUE(JeChyba(klic.CistDword(L"prazdna", dword)));
    EXPECT_TRUE(JeChyba(klic.CistAnoNe(L"dlouha", anoNe)));
    EXPECT_EQ(dword, 7u);
    EXPECT_FALSE(anoNe);
}

TEST_F(KlicRegistruTest, StringsWithoutZeroOrWithTrailingJunkReadToTheirText) {
    koren.Zapsat(L"Hodnoty", L"bezNuly", REG_SZ, BajtyTextu(L"C:\\Hudba", false));
    Bajty sNulami = BajtyTextu(L"abc", true);
    sNulami.insert(sNulami.end(), {'z', 0, 0, 0});
    koren.Zapsat(L"Hodnoty", L"sNulami", REG_SZ, sNulami);
    std::wstring text;
    EXPECT_EQ(klic.CistRetezec(L"bezNuly", text), S_OK);
    EXPECT_EQ(text, L"C:\\Hudba");
    EXPECT_EQ(klic.CistRetezec(L"sNulami", text), S_OK);
    EXPECT_EQ(text, L"abc");
}

TEST_F(KlicRegistruTest, OnlyRegSzIsReadAsAString) {
    koren.Zapsat(L"Hodnoty", L"expand", REG_EXPAND_SZ, BajtyTextu(L"%USERPROFILE%", true));
    koren.Zapsat(L"Hodnoty", L"multi", REG_MULTI_SZ, BajtyTextu(L"a", true));
    koren.ZapsatDword(L"Hodnoty", L"cislo", 5);
    std::wstring text = L"výchozí";
    EXPECT_TRUE(JeChyba(klic.CistRetezec(L"expand", text)));
    EXPECT_TRUE(JeChyba(klic.CistRetezec(L"multi", text)));
    EXPECT_TRUE(JeChyba(klic.CistRetezec(L"cislo", text)));
    EXPECT_EQ(text, L"výchozí");
}

TEST_F(KlicRegistruTest, BinaryReadsUpToTheBufferAndNoMore) {
    ASSERT_EQ(klic.ZapsatBinarni(L"b4", Bajty{1, 2, 3, 4}), S_OK);
    EXPECT_EQ(koren.Cist(L"Hodnoty", L"b4")->typ, static_cast<DWORD>(REG_BINARY));
    koren.Zapsat(L"Hodnoty", L"b20", REG_BINARY, Bajty(20, 0xAA));

    Bajty cil(8, 0xEE);
    std::size_t precteno = 0;
    EXPECT_EQ(klic.CistBinarni(L"b4", cil, precteno), S_OK);
    EXPECT_EQ(precteno, 4u);
    EXPECT_EQ(cil, (Bajty{1, 2, 3, 4, 0xEE, 0xEE, 0xEE, 0xEE}));

    Bajty beze(8, 0x11);
    EXPECT_TRUE(JeChyba(klic.CistBinarni(L"b20", beze, precteno)));
    EXPECT_EQ(beze, Bajty(8, 0x11));
}

TEST_F(KlicRegistruTest, ValueNamesListsShortNamesAndDeleteRemovesTheTree) {
    const std::wstring dlouhy(50, L'x');
    const std::wstring nejdelsi(49, L'y');
    for (const std::wstring& nazev : {std::wstring(L"40006"), dlouhy, nejdelsi, std::wstring()}) {
        ASSERT_EQ(klic.ZapsatDword(nazev.c_str(), 1), S_OK);
    }
    std::vector<std::wstring> nazvy;
    EXPECT_EQ(klic.NazvyHodnot(49, nazvy), S_OK);
    std::sort(nazvy.begin(), nazvy.end());
    EXPECT_EQ(nazvy, (std::vector<std::wstring>{L"", L"40006", nejdelsi}));

    KlicRegistru korenovy(HKEY_CURRENT_USER, koren.Cesta());
    ASSERT_EQ(korenovy.Otevrit(true), S_OK);
    klic.Zavrit();
    EXPECT_EQ(korenovy.SmazatPodklic(L"Hodnoty"), S_OK);
    EXPECT_FALSE(koren.Existuje(L"Hodnoty"));
    EXPECT_EQ(korenovy.SmazatPodklic(L"Hodnoty"), S_OK);
}

} // namespace
