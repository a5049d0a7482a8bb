// The validated edits on a real edit of a dialog: the numeric field and its bounds, the
// browse button and tooltip of the path fields, and the system's file and folder dialogs
// driven from a timer inside their own loops.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "OknaTestu.h"
#include "support/Cekani.h"
#include "support/ZaznamHlaseni.h"
#include "winapi/Dialog.h"
#include "winapi/EditCislo.h"
#include "winapi/EditSlozka.h"
#include "winapi/EditSoubor.h"

namespace {

using namespace Vrbatec;
using Testy::kEditSablony;
using Testy::kTlacitkoSablony;
namespace fs = std::filesystem;

// Records the notifications that reach the dialog as a plain edit's would.
class DialogEditu final : public WinApi::Dialog {
public:
    int Zmen() const {
        int pocet = 0;
        for (const auto& [id, kod] : prikazy) {
            pocet += id == kEditSablony && kod == EN_CHANGE;
        }
        return pocet;
    }

    std::vector<std::pair<WORD, WORD>> prikazy;

protected:
    bool PriPrikazu(WORD id, WORD kod, HWND) override {
        prikazy.emplace_back(id, kod);
        return true;
    }
};

struct Nastroj {
    std::wstring text;
    RECT oblast;
    HWND okno;
};

// The one tool of a control's tooltip.
Nastroj JedinyNastroj(HWND tip) {
    EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
    wchar_t text[200] = {};
    TTTOOLINFOW nastroj{};
    nastroj.cbSize = sizeof(nastroj);
    nastroj.lpszText = text;
    EXPECT_TRUE(SendMessageW(tip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&nastroj)));
    return {text, nastroj.rect, nastroj.hwnd};
}

RECT Klient(HWND okno) {
    RECT klient{};
    GetClientRect(okno, &klient);
    return klient;
}

bool StejnaOblast(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The text of any child of the dialog, so that a test can see what a system dialog shows.
std::vector<std::wstring> TextyPotomku(HWND dialog) {
    std::vector<std::wstring> texty;
    EnumChildWindows(
        dialog,
        [](HWND dite, LPARAM p) {
            reinterpret_cast<std::vector<std::wstring>*>(p)->push_back(Testy::TextOkna(dite));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texty));
    return texty;
}

bool MaPotomkaSTextem(HWND dialog, const std::wstring& text) {
    for (const auto& t : TextyPotomku(dialog)) {
        if (t == text) {
            return true;
        }
    }
    return false;
}

class Editace : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        ASSERT_NE(dialog_.VytvoritNemodalne(GetModuleHandleW(nullptr), sablona_.Sablona(), nullptr),
                  nullptr);
        edit_ = GetDlgItem(dialog_.Hwnd(), kEditSablony);
        tlacitko_ = GetDlgItem(dialog_.Hwnd(), kTlacitkoSablony);
        slozka_ = fs::temp_directory_path() /
                  (L"zvukolet-editace-" + std::to_wstring(GetCurrentProcessId()));
        fs::create_directories(slozka_ / L"start");
        fs::create_directories(slozka_ / L"jinde");
        soubor_ = slozka_ / L"jinde" / L"seznam.xml";
        std::ofstream(soubor_) << "<zdroje/>";
        puvodni_ = fs::current_path();
        fs::current_path(slozka_ / L"start");
        start_ = WinApi::AktualniSlozka();
    }
    void TearDown() override {
        fs::current_path(puvodni_);
        dialog_.Zrusit();
        std::error_code chyba;
        fs::remove_all(slozka_, chyba);
        CoUninitialize();
    }

    // Enters the text into the edit and leaves it the way the user does: the focus moves on.
    void ZadatAOpustit(const wchar_t* text) {
        SetFocus(edit_);
        ASSERT_EQ(GetFocus(), edit_);
        SetWindowTextW(edit_, text);
        SetFocus(tlacitko_);
        ASSERT_EQ(GetFocus(), tlacitko_);
    }

    // A click at the given distance from the right edge of the edit, half-way down.
    void KliknoutOdPraveho(int odstup) {
        const RECT klient = Klient(edit_);
        const LPARAM bod = MAKELPARAM(klient.right - odstup, klient.bottom / 2);
        SendMessageW(edit_, WM_LBUTTONDOWN, MK_LBUTTON, bod);
        SendMessageW(edit_, WM_LBUTTONUP, 0, bod);
    }

    Testy::ZaznamHlaseni hlaseni_;
    Testy::SablonaDialogu sablona_{WS_POPUP | WS_CAPTION, 2};
    DialogEditu dialog_;
    HWND edit_ = nullptr;
    HWND tlacitko_ = nullptr;
    fs::path slozka_;
    fs::path soubor_;
    fs::path puvodni_;
    std::wstring start_;
};

TEST_F(Editace, ANumberOutsideTheBoundsOrNoNumberIsReplacedByTheLastAcceptedOneWhenLeft) {
    const struct {
        std::int32_t minimum;
        std::int32_t maximum;
        std::uint32_t pocatecni;
        std::vector<std::pair<const wchar_t*, const wchar_t*>> zadano; // text, text when left
    } pripady[] = {
        {1, 10, 4, {{L"15", L"4"}, {L"0", L"4"}, {L"7", L"7"}, {L"11", L"7"}, {L"10", L"10"}}},
        {0, 60, 30, {{L"0", L"0"}, {L"60", L"60"}, {L"61", L"60"}, {L"", L"60"}, {L"5", L"5"}}},
        {-1, -1, 2, {{L"4000000000", L"4000000000"}, {L"4294967296", L"4000000000"}}},
    };
    for (const auto& pripad : pripady) {
        SCOPED_TRACE(testing::Message() << "case " << (&pripad - pripady));
        WinApi::EditCislo cislo;
        cislo.PripojitEdit(edit_, pripad.pocatecni, pripad.minimum, pripad.maximum);
        EXPECT_EQ(Testy::TextOkna(edit_), std::to_wstring(pripad.pocatecni));
        for (const auto& [text, poOpusteni] : pripad.zadano) {
            SCOPED_TRACE(testing::Message() << "entered " << fs::path(text).string());
            ZadatAOpustit(text);
            EXPECT_EQ(Testy::TextOkna(edit_), poOpusteni);
            EXPECT_EQ(std::to_wstring(cislo.Hodnota()), poOpusteni);
        }
    }
    // Bad input is put right silently.
    EXPECT_TRUE(hlaseni_.okna.empty());
}

TEST_F(Editace, TheNumberIsReadOnlyWhileTheTextIsAValidOneAndOnlyDigitsCanBeTyped) {
    WinApi::EditCislo cislo;
    cislo.PripojitEdit(edit_, 5, 1, 10);
    EXPECT_TRUE(GetWindowLongPtrW(edit_, GWL_STYLE) & ES_NUMBER);
    EXPECT_EQ(cislo.Precist(), 5u);
    // While the field keeps the focus, an invalid text is there to be read, and is refused.
    SetFocus(edit_);
    SetWindowTextW(edit_, L"12");
    EXPECT_EQ(cislo.Precist(), std::nullopt);
    SetWindowTextW(edit_, L"9");
    EXPECT_EQ(cislo.Precist(), 9u);

    // Typing reaches the dialog as a plain edit's change; a letter is refused.
    SendMessageW(edit_, EM_SETSEL, 0, -1);
    dialog_.prikazy.clear();
    SendMessageW(edit_, WM_CHAR, L'3', 1);
    EXPECT_EQ(Testy::TextOkna(edit_), L"3");
    EXPECT_EQ(dialog_.Zmen(), 1);
    SendMessageW(edit_, WM_CHAR, L'x', 1);
    EXPECT_EQ(Testy::TextOkna(edit_), L"3");
}

TEST_F(Editace, APathFieldSaysWhetherItsTextNamesAPathOfItsKindAndKeepsSayingItAsItChanges) {
    const std::wstring soubor = soubor_.wstring();
    const std::wstring slozka = (slozka_ / L"jinde").wstring();
    const std::wstring chybi = (slozka_ / L"nic").wstring();
    WinApi::EditSoubor editSoubor;
    WinApi::EditSlozka editSlozka;
    const struct {
        WinApi::EditCesta* edit;
        const std::wstring& text;
        bool existuje;
    } pripady[] = {
        {&editSoubor, soubor, true},  {&editSoubor, slozka, false}, {&editSoubor, chybi, false},
        {&editSlozka, soubor, false}, {&editSlozka, slozka, true},  {&editSlozka, chybi, false},
    };
    for (const auto& pripad : pripady) {
        SCOPED_TRACE(testing::Message() << "case " << (&pripad - pripady));
        EXPECT_EQ(pripad.edit->PripojitEdit(edit_, pripad.text.c_str(), nullptr, -1),
                  pripad.existuje);
        EXPECT_EQ(pripad.edit->CestaExistuje(), pripad.existuje);
        EXPECT_EQ(Testy::TextOkna(edit_), pripad.text);
        // The caret is at the end, nothing selected.
        DWORD od = 0;
        DWORD po = 0;
        SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&od),
                     reinterpret_cast<LPARAM>(&po));
        EXPECT_EQ(od, pripad.text.size());
        EXPECT_EQ(po, pripad.text.size());
        // An edit by the user is checked again; the change still reaches the dialog.
        dialog_.prikazy.clear();
        SetWindowTextW(edit_, chybi.c_str());
        EXPECT_FALSE(pripad.edit->CestaExistuje());
        SetWindowTextW(edit_, pripad.text.c_str());
        EXPECT_EQ(pripad.edit->CestaExistuje(), pripad.existuje);
        EXPECT_EQ(dialog_.Zmen(), 2);
        pripad.edit->Odpojit();
    }
}

TEST_F(Editace, EachPathFieldHasItsButtonAtTheRightEndWithItsOwnTooltip) {
    WinApi::EditSoubor editSoubor;
    WinApi::EditSlozka editSlozka;
    const struct {
        WinApi::EditCesta* edit;
        const wchar_t* tip;
    } pripady[] = {
        {&editSoubor, L"Vybrat soubor standardním dialogem Windows"},
        {&editSlozka, L"Vybrat složku standardním dialogem Windows"},
    };
    for (const auto& pripad : pripady) {
        SCOPED_TRACE(testing::Message() << "case " << (&pripad - pripady));
        pripad.edit->PripojitEdit(edit_, L"", nullptr, -1);
        // The text stops short of the button.
        EXPECT_EQ(HIWORD(SendMessageW(edit_, EM_GETMARGINS, 0, 0)), 20);
        const RECT klient = Klient(edit_);
        const RECT tlacitko = pripad.edit->OblastTlacitka();
        EXPECT_TRUE(StejnaOblast(tlacitko, {klient.right - 16, 0, klient.right, klient.bottom}));
        ASSERT_NE(pripad.edit->Tip(), nullptr);
        const Nastroj nastroj = JedinyNastroj(pripad.edit->Tip());
        EXPECT_EQ(nastroj.text, pripad.tip);
        EXPECT_EQ(nastroj.okno, edit_);
        EXPECT_TRUE(
            StejnaOblast(nastroj.oblast, {klient.right - 20, 0, klient.right, klient.bottom}));
        pripad.edit->Odpojit();
    }
}

// The folder dialog starts at the field's folder, shows its title and the selected folder's
// path, and its choice becomes the text; the current folder stays where it was even when
// something in the dialog moves it.
TEST_F(Editace, TheFolderButtonPicksAFolderAndLeavesTheCurrentFolderAlone) {
    const std::wstring jinde = (slozka_ / L"jinde").wstring();
    const struct {
        std::wstring text;
        std::wstring pocatecni;
        int tlacitko;
        std::wstring vysledek;
    } pripady[] = {
        {jinde, jinde, IDOK, jinde},
        {L"current", start_, IDOK, start_},
        {jinde, jinde, IDCANCEL, jinde},
    };
    for (const auto& pripad : pripady) {
        SCOPED_TRACE(testing::Message() << "case " << (&pripad - pripady));
        WinApi::EditSlozka slozka;
        slozka.PripojitEdit(edit_, pripad.text.c_str(), nullptr, -1);
        bool titulek = false;
        bool pocatecni = false;
        Testy::ObsluhaDialogu obsluha([&](HWND vyber) {
            titulek = MaPotomkaSTextem(vyber, L"Vyberte požadovanou složku");
            // The dialog may show before it has selected the initial folder.
            pocatecni = Testy::CekatNa([&] { return MaPotomkaSTextem(vyber, pripad.pocatecni); });
            SetCurrentDirectoryW(slozka_.c_str());
            Testy::Kliknout(vyber, pripad.tlacitko);
        });
        KliknoutOdPraveho(3);
        EXPECT_TRUE(obsluha.probehla);
        EXPECT_TRUE(titulek);
        EXPECT_TRUE(pocatecni);
        EXPECT_EQ(Testy::TextOkna(edit_), pripad.vysledek);
        EXPECT_EQ(WinApi::AktualniSlozka(), start_);
    }
}

// The box of the open dialog that holds the file name: an editable combo box, or an edit in
// older layouts.
HWND PoleNazvuSouboru(HWND vyber) {
    HWND pole = GetDlgItem(vyber, 0x47C);
    return pole != nullptr ? pole : GetDlgItem(vyber, 0x480);
}

// The open dialog starts with the field's file (none when the text is a folder), and what the
// user confirms becomes the text; the current folder stays where it was although the file was
// picked in another one.
TEST_F(Editace, TheFileButtonPicksAFileAndLeavesTheCurrentFolderAlone) {
    const std::wstring seznam = soubor_.wstring();
    const fs::path jiny = slozka_ / L"jinde" / L"jiny.xml";
    std::ofstream(jiny) << "<zdroje/>";
    const struct {
        std::wstring text;
        std::wstring nazevNaZacatku;
        std::wstring zadano;
        int tlacitko;
        std::wstring vysledek;
    } pripady[] = {
        {seznam, L"seznam.xml", L"jiny.xml", IDOK, jiny.wstring()},
        {(slozka_ / L"jinde").wstring(), L"", seznam, IDOK, seznam},
        {seznam, L"seznam.xml", L"jiny.xml", IDCANCEL, seznam},
    };
    for (const auto& pripad : pripady) {
        SCOPED_TRACE(testing::Message() << "case " << (&pripad - pripady));
        WinApi::EditSoubor edit;
        edit.PripojitEdit(edit_, pripad.text.c_str(), nullptr, -1);
        std::wstring nazevNaZacatku = L"?";
        Testy::ObsluhaDialogu obsluha([&](HWND vyber) {
            HWND pole = PoleNazvuSouboru(vyber);
            nazevNaZacatku = fs::path(Testy::TextOkna(pole)).filename().wstring();
            SetWindowTextW(pole, pripad.zadano.c_str());
            Testy::Kliknout(vyber, pripad.tlacitko);
        });
        KliknoutOdPraveho(3);
        EXPECT_TRUE(obsluha.probehla);
        EXPECT_EQ(nazevNaZacatku, pripad.nazevNaZacatku);
        EXPECT_EQ(Testy::TextOkna(edit_), pripad.vysledek);
        EXPECT_EQ(WinApi::AktualniSlozka(), start_);
    }
}

// Only the button area opens a dialog; a click on the text is the edit's own.
TEST_F(Editace, AClickLeftOfTheButtonOpensNoDialog) {
    WinApi::EditSlozka slozka;
    slozka.PripojitEdit(edit_, L"", nullptr, -1);
    Testy::ObsluhaDialogu obsluha([](HWND vyber) { Testy::Kliknout(vyber, IDCANCEL); });
    KliknoutOdPraveho(18);
    EXPECT_FALSE(obsluha.probehla);
}

} // namespace
