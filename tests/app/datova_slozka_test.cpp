#include <gtest/gtest.h>

#include "app/DatovaSlozka.h"

namespace ds = Vrbatec::DatovaSlozka;

namespace {

TEST(DatovaSlozka, RemovableDriveKeepsDataBesideTheProgramOthersUseLocalAppDataStepByStep) {
    const auto vymenna = ds::Naplanovat(L"E:\\Zvukolet", 2, L"C:\\Users\\u\\AppData\\Local");
    EXPECT_EQ(vymenna.cesta, L"E:\\Zvukolet");
    EXPECT_TRUE(vymenna.vytvorit.empty());
    EXPECT_FALSE(vymenna.potrebujeLocalAppData);

    for (const std::uint32_t typ : {0u, 3u, 6u}) {
        // A trailing backslash of the known folder is not doubled.
        const auto plan =
            ds::Naplanovat(L"C:\\Program Files\\Zvukolet", typ, typ == 3 ? L"C:\\L\\" : L"C:\\L");
        EXPECT_EQ(plan.vytvorit,
                  (std::vector<std::wstring>{L"C:\\L\\Vrbatec", L"C:\\L\\Vrbatec\\Zvukolet",
                                             L"C:\\L\\Vrbatec\\Zvukolet\\2"}))
            << typ;
        EXPECT_EQ(plan.cesta, plan.vytvorit.back()) << typ;
        EXPECT_TRUE(plan.potrebujeLocalAppData);
    }
}

} // namespace
