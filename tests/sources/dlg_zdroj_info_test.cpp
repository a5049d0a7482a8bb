// The source-properties dialog: the playing source, the player's lines, and the message when
// there is nothing to show.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "../support/ZaznamHlaseni.h"
#include "OknoPohleduTestu.h"
#include "PrehravacMedia.h"
#include "app/Aplikace.h"
#include "res/resource.h"
#include "sources/DlgZdrojInfo.h"

namespace {

using namespace Vrbatec;

class DlgZdrojInfoTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Testy::PripravitProstredkyAplikace(); }

    DlgZdrojInfoTest() {
        seznam_.Pridat(L"První", L"http://prvni.example/stream", true);
        seznam_.Pridat(L"Druhá", L"http://druha.example/stream", false);
        prehravac_.atributy = {{L"Author", L""}, {L"Bitrate", L"127999"}, {L"Title", L"Ráno"}};
    }

    // Opens the dialog, reads what it shows: title, name, URL and the lines; closes it with OK.
    std::vector<std::wstring> Zobrazeno(const Prehravac* prehravac, int index) {
        std::vector<std::wstring> texty;
        Testy::ObsluhaDialogu obsluha([&texty](HWND okno) {
            wchar_t titulek[128] = {};
            ::GetWindowTextW(okno, titulek, 128);
            texty = {titulek, Testy::TextPrvku(okno, IDC_NAZEV_ZDROJE),
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

    Testy::OknoPohleduTestu rodic_;
    SeznamZdroju seznam_{&Testy::ChybaIndexu};
    Testy::PrehravacMedia prehravac_;
};

TEST_F(DlgZdrojInfoTest, ShowsThePlayingSourceAndTheAnsweredLinesAndNoSourceOutsideTheList) {
    const std::wstring titulek =
        L" Vlastnosti zdroje (" + AplikaceInstance().NazevProduktu() + L")";
    EXPECT_EQ(Zobrazeno(&prehravac_, 1),
              (std::vector<std::wstring>{titulek, L"Druhá", L"http://druha.example/stream",
                                         L"Název: Ráno", L"Bitový tok: 127 kb/s", L"Autor: "}));
    prehravac_.atributy = {{L"Copyright", L"ČRo"}};
    for (const int index : {2, -1}) {
        EXPECT_EQ(Zobrazeno(&prehravac_, index),
                  (std::vector<std::wstring>{titulek, L"", L"", L"Copyright: ČRo"}));
    }
}

TEST_F(DlgZdrojInfoTest, WithoutCurrentMediaOrPlayerOnlyMessage20012Shows) {
    std::wstring zprava;
    ASSERT_TRUE(NacistRetezec(IDS_NELZE_NACIST_ZDROJ, zprava));
    prehravac_.otevreno = false;
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
