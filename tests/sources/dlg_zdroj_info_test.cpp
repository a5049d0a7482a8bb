// The source-properties dialog: the playing source, the player's lines, and the message when
// there is nothing to show.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/Aplikace.h"
#include "playback/SkriptovanyPrehravac.h"
#include "res/resource.h"
#include "sources/DlgZdrojInfo.h"
#include "support/ZaznamHlaseni.h"
#include "winapi/OknaTestu.h"

namespace {

using namespace Vrbatec;

class DlgZdrojInfoTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Testy::PripravitProstredkyAplikace(); }

    DlgZdrojInfoTest() {
        seznam_.Pridat(L"První", L"http://prvni.example/stream", true);
        seznam_.Pridat(L"Druhá", L"http://druha.example/stream", false);
        prehravac_.skript.informace = {
            {L"Copyright", L"%s"}, {L"Author", L""}, {L"Bitrate", L"127999"}, {L"Title", L"Ráno"}};
    }

    // Opens the dialog, reads what it shows: title, name, URL and the lines; closes it with OK.
    std::vector<std::wstring> Zobrazeno(const Prehravac* prehravac, int index) {
        std::vector<std::wstring> texty;
        Testy::ObsluhaDialogu obsluha([&texty](HWND okno) {
            texty = {Testy::TextOkna(okno), Testy::TextPrvku(okno, IDC_NAZEV_ZDROJE),
                     Testy::TextPrvku(okno, IDC_URL_ZDROJE)};
            WinApi::ListBox seznam;
            seznam.Pripojit(::GetDlgItem(okno, IDC_INFORMACE_ZDROJE));
            for (int i = 0; i < seznam.Pocet(); ++i) {
                texty.push_back(seznam.TextPolozky(i));
            }
            Testy::Kliknout(okno, IDOK);
        });
        const INT_PTR vysledek = DlgZdrojInfo(prehravac, seznam_, index).Spustit(rodic_.Hwnd());
        EXPECT_EQ(vysledek, obsluha.probehla ? IDOK : IDCANCEL);
        return texty;
    }

    Testy::RodicTestu rodic_;
    SeznamZdroju seznam_{&Testy::ChybaIndexu};
    struct Hluchy final : PosluchacPrehravace {
        void PriZmeneStavu(std::int32_t) override {}
    } posluchac_;
    Testy::SkriptovanyPrehravac prehravac_{posluchac_, {}};
};

TEST_F(DlgZdrojInfoTest, ShowsThePlayingSourceAndTheAnsweredLinesAndNoSourceOutsideTheList) {
    const std::wstring titulek =
        L" Vlastnosti zdroje (" + AplikaceInstance().NazevProduktu() + L")";
    EXPECT_EQ(Zobrazeno(&prehravac_, 1),
              (std::vector<std::wstring>{titulek, L"Druhá", L"http://druha.example/stream",
                                         L"Název: Ráno", L"Bitový tok: 127 kb/s", L"Autor: ",
                                         L"Copyright: %s"}));
    prehravac_.skript.informace = {{L"Copyright", L"ČRo"}};
    EXPECT_EQ(Zobrazeno(&prehravac_, 2),
              (std::vector<std::wstring>{titulek, L"", L"", L"Copyright: ČRo"}));
}

TEST_F(DlgZdrojInfoTest, WithoutCurrentMediaOrPlayerOnlyMessage20012Shows) {
    std::wstring zprava;
    ASSERT_TRUE(NacistRetezec(IDS_NELZE_NACIST_ZDROJ, zprava));
    prehravac_.skript.nazevMedia = E_POINTER;
    for (const Prehravac* prehravac :
         {static_cast<const Prehravac*>(&prehravac_), static_cast<const Prehravac*>(nullptr)}) {
        Testy::ZaznamHlaseni hlaseni;
        EXPECT_TRUE(Zobrazeno(prehravac, 0).empty());
        ASSERT_EQ(hlaseni.okna.size(), 1u);
        EXPECT_EQ(hlaseni.okna[0].text, zprava);
        EXPECT_NE(hlaseni.okna[0].typ & MB_ICONERROR, 0u);
    }
}

} // namespace
