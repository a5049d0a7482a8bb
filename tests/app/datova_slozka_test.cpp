#include <gtest/gtest.h>

#include "app/DatovaSlozka.h"

namespace ds = Vrbatec::DatovaSlozka;

namespace {

TEST(DatovaSlozka, RemovableDriveKeepsDataBesideTheProgramAndCreatesNothing) {
    const auto plan = ds::Naplanovat(L"E:\\Zvukolet", 2, L"C:\\Users\\u\\AppData\\Local");
    EXPECT_EQ(plan.cesta, L"E:\\Zvukolet");
    EXPECT_TRUE(plan.vytvorit.empty());
    EXPECT_FALSE(plan.potrebujeLocalAppData);
}

TEST(DatovaSlozka, OtherDrivesUseLocalApplicationDataCreatedStepByStep) {
    for (std::uint32_t typ : {0u, 1u, 3u, 4u, 5u, 6u}) {
        const auto plan = ds::Naplanovat(L"C:\\Program Files\\Zvukolet", typ, L"C:\\L");
        EXPECT_EQ(plan.cesta, L"C:\\L\\Vrbatec\\Zvukolet\\2") << typ;
        ASSERT_EQ(plan.vytvorit.size(), 3u) << typ;
        EXPECT_EQ(plan.vytvorit[0], L"C:\\L\\Vrbatec");
        EXPECT_EQ(plan.vytvorit[1], L"C:\\L\\Vrbatec\\Zvukolet");
        EXPECT_EQ(plan.vytvorit[2], L"C:\\L\\Vrbatec\\Zvukolet\\2");
        EXPECT_TRUE(plan.potrebujeLocalAppData);
    }
}

TEST(DatovaSlozka, TrailingBackslashOfTheKnownFolderIsNotDoubled) {
    EXPECT_EQ(ds::Naplanovat(L"C:\\P", 3, L"C:\\L\\").cesta, L"C:\\L\\Vrbatec\\Zvukolet\\2");
}

TEST(DatovaSlozka, DriveTypesOutsideTwoToFiveCountAsUnknown) {
    EXPECT_EQ(ds::NormalizovatTypJednotky(1), 0u);
    EXPECT_EQ(ds::NormalizovatTypJednotky(6), 0u);
    EXPECT_EQ(ds::NormalizovatTypJednotky(0xFFFFFFFFu), 0u);
    for (std::uint32_t typ = 2; typ <= 5; ++typ) {
        EXPECT_EQ(ds::NormalizovatTypJednotky(typ), typ);
    }
}

TEST(DatovaSlozka, FolderOfAFileKeepsTheRootBackslash) {
    EXPECT_EQ(ds::SlozkaSouboru(L"C:\\Program Files\\Zvukolet\\Zvukolet.exe"),
              L"C:\\Program Files\\Zvukolet");
    EXPECT_EQ(ds::SlozkaSouboru(L"E:\\Zvukolet.exe"), L"E:\\");
    EXPECT_EQ(ds::SlozkaSouboru(L"Zvukolet.exe"), L"");
}

} // namespace
