// The string table and accelerators as Windows loads them: every message the program shows
// is there, every hint fits its tooltip, and the keyboard accelerators are the program's keys.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <vector>

#include "app/Diagnostika.h"
#include "res/resource.h"

namespace {

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

} // namespace
