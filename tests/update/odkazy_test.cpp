// Composed link targets: the support request's subject carries the product name, which must
// neither end the subject nor start an escape of its own.
#include <gtest/gtest.h>

#include <string>

#include "update/Odkazy.h"

namespace {

using namespace Vrbatec;

TEST(Odkazy, SupportRequestNamesTheProductInItsSubjectEscapingWhatWouldBreakTheUrl) {
    const struct {
        std::wstring nazev;
        std::wstring predmet;
    } pripady[] = {
        {L"Zvukolet", L"Zvukolet"},
        {L"Zvukolet Č&Ř #2 100%", L"Zvukolet Č%26Ř %232 100%25"},
        {L"", L""},
    };
    for (const auto& p : pripady) {
        EXPECT_EQ(Odkazy::EmailPodpory(p.nazev), L"mailto:podpora@vrbatec.cz?subject=" + p.predmet +
                                                     L" - žádost o technickou podporu");
    }
}

TEST(Odkazy, OtherApplicationsArePagesOfTheMakersSiteNamedInTheirTooltips) {
    for (const auto& aplikace : Odkazy::kJineAplikace) {
        const std::wstring url = Odkazy::WebJineAplikace(aplikace);
        EXPECT_EQ(url.rfind(L"http://www.vrbatec.cz/software/", 0), 0u) << url;
        EXPECT_EQ(url.find(L"//", 7), std::wstring::npos) << url;
        EXPECT_NE(Odkazy::TipJineAplikace(aplikace).find(aplikace.nazev), std::wstring::npos);
    }
    EXPECT_NE(Odkazy::WebJineAplikace(Odkazy::kJineAplikace[0]),
              Odkazy::WebJineAplikace(Odkazy::kJineAplikace[1]));
}

} // namespace
