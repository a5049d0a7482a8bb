// The support request's subject carries the product name, which must
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
        {L"Zvukolet Č&Ř #2 100%", L"Zvukolet Č%26Ř %232 100%25"},
        {L"", L""},
    };
    for (const auto& p : pripady) {
        EXPECT_EQ(Odkazy::EmailPodpory(p.nazev), L"mailto:podpora@vrbatec.cz?subject=" + p.predmet +
                                                     L" - žádost o technickou podporu");
    }
}

} // namespace
