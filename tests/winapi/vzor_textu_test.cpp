// Filling the string table's formats.
#include <gtest/gtest.h>

#include "winapi/VzorTextu.h"

namespace {

using Vrbatec::VzorTextu::Dosadit;

TEST(VzorTextu, FillsPlaceholdersInTurnWithWhatThereIsAndKeepsEverythingElse) {
    EXPECT_EQ(Dosadit(L"%s - připraven", {L"Zvukolet"}), L"Zvukolet - připraven");
    EXPECT_EQ(Dosadit(L"100%% a %x", {L"nic"}), L"100% a %x");
    EXPECT_EQ(Dosadit(L"konec %", {}), L"konec %");
    // Missing values leave nothing, surplus ones are ignored.
    EXPECT_EQ(Dosadit(L"[%s|%s]", {L"a"}), L"[a|]");
    // A value that itself looks like a format is not filled again.
    EXPECT_EQ(Dosadit(L"%s%s", {L"%s", L"b"}), L"%sb");
}

} // namespace
