// How a hotkey reads: the modifiers in their fixed order, joined with the key by "+ ", digits
// and letters as themselves, every other key by the name the system gives it.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "ui/TextHorkeKlavesy.h"

namespace thk = Vrbatec::Ui::TextHorkeKlavesy;

namespace {

// F5 and Enter have names here; any other key that reaches the lookup has none.
std::wstring NazevZkousky(std::uint32_t klavesa) {
    switch (klavesa) {
    case 0x74:
        return L"F5";
    case 0x0D:
        return L"Enter";
    default:
        return L"";
    }
}

TEST(TextHorkeKlavesy, ModifiersInTheirOrderThenTheKeyJoinedByPlus) {
    const struct {
        std::uint32_t modifikatory;
        std::uint32_t klavesa;
        const wchar_t* cekano;
    } pripady[] = {
        {thk::kCtrl | thk::kShift, 'P', L"Ctrl + Shift + P"},
        {thk::kAlt, '5', L"Alt + 5"},
        {0, 0x74, L"F5"},
        {0, 'Z', L"Z"},
        {thk::kAlt | thk::kShift | thk::kCtrl, 0x0D, L"Ctrl + Shift + Alt + Enter"},
        {thk::kShift | thk::kAlt, '0', L"Shift + Alt + 0"},
        // A key without a name leaves the modifiers as they are, or nothing at all.
        {thk::kCtrl, 0xFF, L"Ctrl "},
        {0, 0xFF, L""},
        // The Windows-key flag (8) is not shown.
        {thk::kShift | 8, 'A', L"Shift + A"},
        // Codes just outside the digits and letters go to the system's names.
        {0, '0' - 1, L""},
        {0, 'Z' + 1, L""},
    };
    for (const auto& p : pripady) {
        EXPECT_EQ(thk::Sestavit(p.modifikatory, p.klavesa, NazevZkousky), p.cekano)
            << p.modifikatory << " " << p.klavesa;
    }
}

TEST(TextHorkeKlavesy, NavigationKeysAskForTheirExtendedNames) {
    const struct {
        std::uint32_t klavesa;
        std::uint32_t scan;
        std::uint32_t cekano;
    } pripady[] = {
        {0x21, 0x49, 0x01490000},  // Page Up, the first of the block
        {0x28, 0x50, 0x01500000},  // Down, its last
        {0x2D, 0x52, 0x01520000},  // Insert
        {0x2E, 0x53, 0x01530000},  // Delete
        {0x20, 0x39, 0x00390000},  // Space, just before the block
        {0x29, 0x00, 0x00000000},  // Select, just after it
        {0x2C, 0x37, 0x00370000},  // Print Screen, between Down and Insert
        {0x74, 0x13F, 0x003F0000}, // only the scan code's low byte counts
    };
    for (const auto& p : pripady) {
        EXPECT_EQ(thk::ArgumentNazvu(p.klavesa, p.scan), p.cekano) << p.klavesa;
    }
}

} // namespace
