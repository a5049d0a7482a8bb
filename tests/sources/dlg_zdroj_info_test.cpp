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
#include "app/Diagnostika.h"
#include "res/resource.h"
#include "sources/DlgZdrojInfo.h"

namespace {

using namespace Vrbatec;

std::vector<std::wstring> RadkySeznamu(HWND dialog) {
    HWND seznam = ::GetDlgItem(dialog, IDC_INFORMACE_ZDROJE);
    std::vector<std::wstring> radky;
    const auto pocet = ::SendMessageW(seznam, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < pocet; ++i) {
        std::wstring radek(static_cast<std::size_t>(::SendMessageW(seznam, LB_GETTEXTLEN, i, 0)),
                           L'\0');
        ::SendMessageW(seznam, LB_GETTEXT, i, reinterpret_cast<LPARAM>(radek.data()));
        radky.push_back(radek);
    }
    return radky;
}

class DlgZdrojInfoTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Testy::PripravitProstredkyAplikace(); }

    DlgZdrojInfoTest() {
        seznam_.Pridat(L"První", L"http://prvni.example/stream", true);
        seznam_.Pridat(L"Druhá", L"http://druha.example/stream", false);
    }

    // Opens the dialog for the index, reads what it shows and closes it with OK.
    INT_PTR Otevrit(const Prehravac* prehravac, int index) {
        DlgZdrojInfo dialog(prehravac, seznam_, index);
        Testy::ObsluhaDialogu obsluha([this](HWND okno) {
            nazev = Testy::TextPrvku(okno, IDC_NAZEV_ZDROJE);
            url = Testy::TextPrvku(okno, IDC_URL_ZDROJE);
            radky = RadkySeznamu(okno);
            wchar_t text[128] = {};
            ::GetWindowTextW(okno, text, 128);
            titulek = text;
            Testy::Kliknout(okno, IDOK);
        });
        const INT_PTR vysledek = dialog.Spustit(rodic_.Hwnd());
        zobrazen = obsluha.probehla;
        return vysledek;
    }

    Testy::OknoPohleduTestu rodic_;
    SeznamZdroju seznam_{&Testy::ChybaIndexu};
    Testy::PrehravacMedia prehravac_;
    std::wstring nazev, url, titulek;
    std::vector<std::wstring> radky;
    bool zobrazen = false;
};

TEST_F(DlgZdrojInfoTest, ShowsThePlayingSourceAndTheAnsweredLinesInOrder) {
    prehravac_.atributy = {
        {L"Author", L""}, {L"Bitrate", L"127999"}, {L"Title", L"Ranní vysílání"}};
    EXPECT_EQ(Otevrit(&prehravac_, 1), IDOK);
    EXPECT_EQ(nazev, L"Druhá");
    EXPECT_EQ(url, L"http://druha.example/stream");
    EXPECT_EQ(titulek, L" Vlastnosti zdroje (" + AplikaceInstance().NazevProduktu() + L")");
    EXPECT_EQ(radky, (std::vector<std::wstring>{L"Název: Ranní vysílání", L"Bitový tok: 127 kb/s",
                                                L"Autor: "}));
}

TEST_F(DlgZdrojInfoTest, AnIndexOutsideTheListShowsEmptyTexts) {
    prehravac_.atributy = {{L"Title", L"Cizí"}};
    for (const int index : {2, -1, 1000}) {
        EXPECT_EQ(Otevrit(&prehravac_, index), IDOK) << index;
        EXPECT_EQ(nazev, L"") << index;
        EXPECT_EQ(url, L"") << index;
        EXPECT_EQ(radky, (std::vector<std::wstring>{L"Název: Cizí"})) << index;
    }
}

TEST_F(DlgZdrojInfoTest, WithoutCurrentMediaOrPlayerOnlyMessage20012Shows) {
    std::wstring zprava;
    ASSERT_TRUE(NacistRetezec(IDS_NELZE_NACIST_ZDROJ, zprava));
    prehravac_.otevreno = false;
    for (const Prehravac* prehravac :
         {static_cast<const Prehravac*>(&prehravac_), static_cast<const Prehravac*>(nullptr)}) {
        Testy::ZaznamHlaseni hlaseni;
        EXPECT_EQ(Otevrit(prehravac, 0), IDCANCEL);
        EXPECT_FALSE(zobrazen);
        ASSERT_EQ(hlaseni.okna.size(), 1u);
        EXPECT_EQ(hlaseni.okna[0].text, zprava);
        EXPECT_NE(hlaseni.okna[0].typ & MB_ICONERROR, 0u);
    }
}

} // namespace
