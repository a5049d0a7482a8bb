// What the update check accepts from the web: the leading word in any letter case, a length
// within 21 to 50 characters, the rest of the file kept as it is; and a download that stops
// taking bytes past its limit without keeping what it took.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "update/PravidlaAktualizace.h"

namespace {

using namespace Vrbatec::PravidlaAktualizace;

struct Soubor {
    const wchar_t* popis;
    std::wstring text;
    std::optional<std::wstring> verze;
};

TEST(PravidlaAktualizace, AcceptsOnlyTheLeadingWordAndALengthWithinTheBounds) {
    const std::wstring dlouhy = L"posledniVerze" + std::wstring(37, L'9'); // 50
    const std::vector<Soubor> soubory{
        {L"23 characters with CR LF", L"posledniVerze 2.1.0.2\r\n", L" 2.1.0.2\r\n"},
        {L"20 characters, too short", L"posledniVerze2.1.0.1", std::nullopt},
        {L"21 characters, shortest", L"posledniVerze2.1.0.10", L"2.1.0.10"},
        {L"upper case word", L"POSLEDNIVERZE 2.1.0.2\r\n", L" 2.1.0.2\r\n"},
        {L"mixed case word", L"PoSlEdNiVeRzE 3.0.0.0\r\n", L" 3.0.0.0\r\n"},
        {L"50 characters, longest", dlouhy, dlouhy.substr(13)},
        {L"51 characters, too long", dlouhy + L"9", std::nullopt},
        {L"another word", L"poslednaVerze 2.1.0.2\r\n", std::nullopt},
        {L"word not at the start", L" posledniVerze 2.1.0.2\r\n", std::nullopt},
        {L"a captive portal's page", L"<html><body>Přihlaste se</body></html>", std::nullopt},
        {L"a letter outside ASCII folds to no letter of the word",
         L"posledn\u0130Verze 2.1.0.2\r\n", std::nullopt},
        {L"empty", L"", std::nullopt},
    };
    for (const Soubor& soubor : soubory) {
        SCOPED_TRACE(testing::Message() << soubor.text.size() << " characters");
        EXPECT_EQ(VerzeNaWebu(soubor.text), soubor.verze);
    }
}

TEST(PravidlaAktualizace, VersionNamesTheFourWordsOfTheFixedVersionInOrder) {
    struct Pripad {
        std::uint32_t vyssi, nizsi;
        const wchar_t* text;
    };
    for (const Pripad& p :
         {Pripad{0x00020001u, 0x00000001u, L"2.1.0.1"},
          Pripad{0x000A0000u, 0x00070003u, L"10.0.7.3"},
          Pripad{0xFFFFFFFFu, 0xFFFF0000u, L"65535.65535.65535.0"}, Pripad{0u, 0u, L"0.0.0.0"}}) {
        EXPECT_EQ(FormatovatVerzi(p.vyssi, p.nizsi), p.text);
    }
}

TEST(PravidlaAktualizace, DownloadTakesUpToTheLimitAndThenNothingAndKeepsNothing) {
    OmezenyObsah obsah;
    const std::vector<std::uint8_t> cast(250, 'x');
    std::size_t prijato = 0;
    while (obsah.Pridat(cast)) {
        prijato += cast.size();
        ASSERT_EQ(obsah.Bajty().size(), prijato);
    }
    EXPECT_EQ(prijato, kLimitStazeni / 250 * 250);
    EXPECT_TRUE(obsah.PresLimit());
    EXPECT_TRUE(obsah.Bajty().empty());
    EXPECT_EQ(obsah.Bajty().capacity(), 0u);
    const std::vector<std::uint8_t> bajt(1, 'y');
    EXPECT_FALSE(obsah.Pridat(bajt)); // once over, even a byte is refused
    EXPECT_TRUE(obsah.Bajty().empty());
}

TEST(PravidlaAktualizace, DownloadOfExactlyTheLimitIsKept) {
    OmezenyObsah obsah;
    const std::vector<std::uint8_t> vse(kLimitStazeni, 'a');
    EXPECT_TRUE(obsah.Pridat(vse));
    EXPECT_FALSE(obsah.PresLimit());
    EXPECT_EQ(obsah.Bajty(), vse);
    EXPECT_TRUE(obsah.Pridat({})); // a read of nothing is the end, not more
}

} // namespace
