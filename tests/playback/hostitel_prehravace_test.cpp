// The ActiveX host under Wine: a control that cannot be created leaves no window behind. The
// hosted control itself is exercised through the player's tests.
#include "playback/HostitelPrehravace.h"

#include "playback/PrehravacTestu.h"

namespace Vrbatec::Testy {
namespace {

TEST_F(PrehravacTest, FailedCreationThrowsItsCodeAndLeavesNoWindow) {
    HRESULT chyba = S_OK;
    try {
        HostitelPrehravace hostitel(Instance(), Rodic(), L"Zvukolet.NeexistujiciPrvek");
    } catch (HRESULT hr) {
        chyba = hr;
    }
    EXPECT_EQ(CO_E_CLASSSTRING, chyba);
    EXPECT_EQ(nullptr, ::GetWindow(Rodic(), GW_CHILD));
}

} // namespace
} // namespace Vrbatec::Testy
