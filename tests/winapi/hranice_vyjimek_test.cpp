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
using Testy::SpustitNaVlakne;

// Throws from its handler when it receives the test message.
template <class Vyjimka>
class VyhazujiciOkno final : public WinApi::OknoImpl {
public:
    explicit VyhazujiciOkno(Vyjimka vyjimka) : vyjimka_(vyjimka) {}
    bool ZpracovatZpravu(HWND, UINT zprava, WPARAM, LPARAM, LRESULT&) override {
        if (zprava == kZpravaTestu) {
            throw vyjimka_;
        }
        return false;
    }

private:
    Vyjimka vyjimka_;
};

// Sends the test message to a window whose object throws; the objects are left to the
// ended thread on purpose, since no destructor runs there.
template <class Vyjimka>
KonecVlakna VyhoditZProcedury(Vyjimka vyjimka, bool* poslaniSeVratilo) {
    return SpustitNaVlakne([=] {
        auto* objekt = new VyhazujiciOkno<Vyjimka>(vyjimka);
        HWND okno = objekt->Vytvorit({.trida = L"STATIC", .styl = WS_POPUP});
        if (okno == nullptr) {
            return;
        }
        SendMessageW(okno, kZpravaTestu, 0, 0);
        *poslaniSeVratilo = true;
    });
}

bool Obsahuje(const std::wstring& text, const std::wstring& cast) {
    return text.find(cast) != std::wstring::npos;
}

TEST(HraniceVyjimek, AThrownHResultEndsTheProgramWithItsCode) {
    bool poslaniSeVratilo = false;
    const KonecVlakna konec = VyhoditZProcedury(HRESULT{E_ACCESSDENIED}, &poslaniSeVratilo);
    ASSERT_TRUE(konec.skoncilo);
    EXPECT_TRUE(konec.fatalni);
    EXPECT_TRUE(konec.koncilFatalne);
    EXPECT_FALSE(poslaniSeVratilo);
    EXPECT_EQ(konec.kodProcesu, static_cast<UINT>(-1));
    EXPECT_TRUE(Obsahuje(konec.text, PopisHResult(E_ACCESSDENIED))) << konec.text;
}

TEST(HraniceVyjimek, AnyOtherExceptionEndsTheProgramAsUnexpected) {
    bool poslaniSeVratilo = false;
    const KonecVlakna konec =
        VyhoditZProcedury(std::runtime_error("mimo pravidla"), &poslaniSeVratilo);
    ASSERT_TRUE(konec.skoncilo);
    EXPECT_TRUE(konec.fatalni);
    EXPECT_FALSE(poslaniSeVratilo);
    EXPECT_TRUE(Obsahuje(konec.text, PopisHResult(E_UNEXPECTED))) << konec.text;
    EXPECT_FALSE(Obsahuje(konec.text, PopisHResult(E_ACCESSDENIED)));
}

} // namespace
