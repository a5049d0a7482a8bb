// Where the main window puts the source list and the information panel's dialog.
#include <gtest/gtest.h>

#include "ui/RozvrzeniOkna.h"

namespace {

using namespace Vrbatec::Ui::RozvrzeniOkna;

TEST(RozvrzeniOkna, ListTakesWhatTheBarsLeaveAndNeverLessThanNothing) {
    EXPECT_EQ(OblastSeznamu(640, 400, 60, 22), (Obdelnik{0, 60, 640, 318}));
    EXPECT_EQ(OblastSeznamu(640, 70, 60, 22), (Obdelnik{0, 60, 640, 0}));
}

TEST(RozvrzeniOkna, PanelDialogIsCentredAndLiftedOnlyWhenThereIsRoomAbove) {
    EXPECT_EQ(PolohaDialoguPanelu(600, 400, 300, 200), (Bod{150, 80})); // 100 - 20
    EXPECT_EQ(PolohaDialoguPanelu(600, 260, 300, 200), (Bod{150, 30})); // 30 stays
    EXPECT_EQ(PolohaDialoguPanelu(600, 262, 300, 200), (Bod{150, 11})); // 31 - 20
    // A dialog larger than the area sticks to the top-left corner.
    EXPECT_EQ(PolohaDialoguPanelu(200, 100, 300, 200), (Bod{0, 0}));
}

} // namespace
