// A failure thrown inside a window's handler must not cross into the system: it ends the
// program through the fatal path, with its own code or with E_UNEXPECTED.
#include <gtest/gtest.h>

#include <stdexcept>

#include "OknaTestu.h"
#include "winapi/Diagnostika.h"

namespace {

using namespace Vrbatec;

struct VyhazujiciOkno final : WinApi::OknoImpl {
    bool ZpracovatZpravu(HWND, UINT zprava, WPARAM, LPARAM, LRESULT&) override {
        if (zprava == Testy::kZpravaTestu) {
            vyhodit();
        }
        return false;
    }
    std::function<void()> vyhodit;
};

TEST(HraniceVyjimek, AnExceptionInAHandlerEndsTheProgramWithItsHResultOrEUnexpected) {
    const struct {
        std::function<void()> vyhodit;
        HRESULT kod;
    } pripady[] = {{[] { throw HRESULT{E_ACCESSDENIED}; }, E_ACCESSDENIED},
                   {[] { throw std::runtime_error("mimo"); }, E_UNEXPECTED}};
    for (const auto& p : pripady) {
        bool poslaniSeVratilo = false;
        // The object is left to the ended thread on purpose: no destructor runs there.
        const Testy::KonecVlakna konec = Testy::SpustitNaVlakne([&] {
            auto* objekt = new VyhazujiciOkno;
            objekt->vyhodit = p.vyhodit;
            SendMessageW(objekt->Vytvorit({.trida = L"STATIC", .styl = WS_POPUP}),
                         Testy::kZpravaTestu, 0, 0);
            poslaniSeVratilo = true;
        });
        ASSERT_TRUE(konec.skoncilo);
        EXPECT_TRUE(konec.fatalni);
        EXPECT_FALSE(poslaniSeVratilo);
        EXPECT_EQ(konec.kodProcesu, static_cast<UINT>(-1));
        EXPECT_TRUE(Testy::Obsahuje(konec.text, PopisHResult(p.kod))) << konec.text;
    }
}

} // namespace
