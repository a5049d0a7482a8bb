// When the player puts a stop before a play: only after an open within which the control
// started the media itself and ended not playing.
#include "playback/HlidacOtevirani.h"

#include <initializer_list>

#include "playback/PrehravacTestu.h"

namespace Vrbatec::Testy {
namespace {

bool ChceZastaveni(std::initializer_list<std::int32_t> stavyBehemOtevreni) {
    ZaznamStavu posluchac;
    HlidacOtevirani hlidac(posluchac);
    const HRESULT hr = hlidac.Otevrit([&] {
        for (const auto stav : stavyBehemOtevreni) {
            hlidac.PriZmeneStavu(stav);
        }
        return E_ABORT;
    });
    EXPECT_EQ(E_ABORT, hr);
    EXPECT_EQ(std::vector<std::int32_t>(stavyBehemOtevreni), posluchac.stavy);
    return hlidac.VyzvednoutNeuspesnyStart();
}

TEST(HlidacOtevirani, StopOnlyAfterAStartThatFailedWithinTheOpen) {
    EXPECT_TRUE(ChceZastaveni({9, 10, 9, 0}));
    EXPECT_FALSE(ChceZastaveni({9, 10}));
    EXPECT_FALSE(ChceZastaveni({9, 1, 9, 3}));
    // The stop of the media that was open before is no failed start.
    EXPECT_FALSE(ChceZastaveni({1}));
}

} // namespace
} // namespace Vrbatec::Testy
