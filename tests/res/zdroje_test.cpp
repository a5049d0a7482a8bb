// The program's resources as Windows loads them: string table, accelerators, version block
// and the manifest. The menus are seen through the main window's tests.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <vector>

#include "app/Diagnostika.h"
#include "app/VerzniInformace.h"
#include "res/resource.h"

namespace {

using Vrbatec::NacistHodnotuVerze;
using Vrbatec::NacistRetezec;

TEST(TabulkaRetezcu, EveryNumberedMessageAndHintIsThere) {
    const std::set<UINT> bezTextu{20002, 20003, 40008, ID_PANEL_OVLADANI, ID_ZDROJE_VYSILANI};
    for (UINT id = 20001; id <= 40032; id = id == 20028 ? 40001 : id + 1) {
        std::wstring text;
        EXPECT_EQ(NacistRetezec(id, text), bezTextu.count(id) == 0) << id;
        // A hint must fit the 80-character tooltip buffer.
        EXPECT_LT(text.size(), 80u) << id;
    }
}

TEST(Akceleratory, TableHoldsExactlyTheProgramsKeys) {
    HACCEL tabulka = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(105));
    ASSERT_NE(tabulka, nullptr);
    std::vector<ACCEL> polozky(static_cast<size_t>(CopyAcceleratorTableW(tabulka, nullptr, 0)));
    CopyAcceleratorTableW(tabulka, polozky.data(), static_cast<int>(polozky.size()));
    DestroyAcceleratorTable(tabulka);
    // The keypad's minus and plus, not the main keyboard's.
    const BYTE v = FVIRTKEY | FNOINVERT, c = v | FCONTROL;
    const ACCEL ocekavane[] = {
        {c | FALT, 'X', 40001}, {v, VK_INSERT, 40010},     {v, VK_DELETE, 40011},
        {c, 'O', 40014},        {v, VK_SUBTRACT, 40021},   {v, VK_MEDIA_PLAY_PAUSE, 40006},
        {v, VK_F2, 40012},      {v, VK_MEDIA_STOP, 40007}, {c, 'Z', 40013},
        {v, VK_ADD, 40020},     {v, VK_F4, 40002}};
    ASSERT_EQ(polozky.size(), std::size(ocekavane));
    for (size_t i = 0; i < polozky.size(); ++i) {
        EXPECT_EQ(polozky[i].fVirt & ~0x80, ocekavane[i].fVirt) << i;
        EXPECT_EQ(polozky[i].key, ocekavane[i].key) << i;
        EXPECT_EQ(polozky[i].cmd, ocekavane[i].cmd) << i;
    }
}

TEST(Verze, BlockCarriesTheProductIdentity) {
    std::wstring hodnota;
    for (const auto& [nazev, ocekavana] : {std::pair{L"ProductName", L"Zvukolet"},
                                           {L"InternalName", L"Zvukolet"},
                                           {L"CompanyName", L"Vrbatec"},
                                           {L"FileVersion", L"2.1.0.1"},
                                           {L"ProductVersion", L"2.1.0.1"}}) {
        ASSERT_TRUE(NacistHodnotuVerze(nazev, hodnota)) << testing::PrintToString(nazev);
        EXPECT_EQ(hodnota, ocekavana);
    }
    hodnota = L"beze změny";
    EXPECT_FALSE(NacistHodnotuVerze(L"NeexistujiciHodnota", hodnota));
    EXPECT_EQ(hodnota, L"beze změny");
}

TEST(Manifest, AsksForCommonControls6AndPerMonitorDpi) {
    HRSRC zdroj = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(zdroj, nullptr);
    const char* text = static_cast<const char*>(LockResource(LoadResource(nullptr, zdroj)));
    const std::string manifest(text, SizeofResource(nullptr, zdroj));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
    EXPECT_NE(manifest.find("8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"), std::string::npos);
}

} // namespace
