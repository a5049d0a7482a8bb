// A failure thrown inside a window's handler must not cross into the system: it ends the
// program through the fatal path, with its own code or with E_UNEXPECTED.
#include <gtest/gtest.h>

#include <windows.h>

#include <stdexcept>

#include "OknaTestu.h"
#include "app/Diagnostika.h"

namespace {

using namespace Vrbatec;
using Testy::KonecVlakna;
using Testy::kZpravaTestu;
using Testy::Obsahuje;

// Sends the test message to a window whose object throws; the objects are left to the
// ended thread on purpose, since no destructor runs there.
template <class Vyjimka>
KonecVlakna VyhoditZProcedury(Vyjimka vyjimka, bool* poslaniSeVratilo) {
    struct VyhazujiciOkno final : WinApi::OknoImpl {
        explicit VyhazujiciOkno(Vyjimka v) : vyjimka(v) {}
        bool ZpracovatZpravu(HWND, UINT zprava, WPARAM, LPARAM, LRESULT&) override {
            if (zprava == kZpravaTestu) {
                throw vyjimka;
            }
            return false;
        }
        Vyjimka vyjimka;
    };
    return Testy::SpustitNaVlakne([=] {
        HWND okno = (new VyhazujiciOkno(vyjimka))->Vytvorit({.trida = L"STATIC", .styl = WS_POPUP});
        SendMessageW(okno, kZpravaTestu, 0, 0);
        *poslaniSeVratilo = true;
    });
}

TEST(HraniceVyjimek, AThrownHResultEndsTheProgramWithItsCode) {
    bool poslaniSeVratilo = false;
    const KonecVlakna konec = VyhoditZProcedury(HRESULT{E_ACCESSDENIED}, &poslaniSeVratilo);
    ASSERT_TRUE(konec.skoncilo);
    EXPECT_TRUE(konec.fatalni);
    EXPECT_FALSE(poslaniSeVratilo);
    EXPECT_EQ(konec.kodProcesu, static_cast<UINT>(-1));
    EXPECT_TRUE(Obsahuje(konec.text, PopisHResult(E_ACCESSDENIED))) << konec.text;
}

TEST(HraniceVyjimek, AnyOtherExceptionEndsTheProgramAsUnexpected) {
    bool poslaniSeVratilo = false;
    const KonecVlakna konec = VyhoditZProcedury(std::runtime_error("mimo"), &poslaniSeVratilo);
    ASSERT_TRUE(konec.skoncilo);
    EXPECT_TRUE(konec.fatalni);
    EXPECT_FALSE(poslaniSeVratilo);
    EXPECT_TRUE(Obsahuje(konec.text, PopisHResult(E_UNEXPECTED))) << konec.text;
}

} // namespace
