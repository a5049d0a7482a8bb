// The support request's subject carries the product name, which must
// neither end the subject nor start an escape of its own.
#include <gtest/gtest.h>

#include <string>

#include "update/Odkazy.h"

namespace {

using namespace Vrbatec;

TEST(Odkazy, SupportRequestNamesTheProductInItsSubjectEscapingWhatWouldBreakTheUrl) {
    EXPECT_EQ(Odkazy::EmailPodpory(L"Zvukolet Č&Ř #2 100%"),
              L"mailto:podpora@vrbatec.cz?subject=Zvukolet Č%26Ř %232 100%25 - žádost o technickou "
              L"podporu");
}

} // namespace
