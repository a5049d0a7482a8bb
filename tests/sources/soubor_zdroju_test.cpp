// Loading and saving the list file under Wine with real files: the round trip, and the
// files that must never be lost (held open by another program, in another encoding, too
// large, read-only).
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "winapi/Diagnostika.h"
#include "sources/KodekZdroju.h"
#include "sources/SouborZdroju.h"
#include "sources/UlozisteZdroju.h"
#include "support/ZaznamHlaseni.h"
#include "winapi/Handle.h"

namespace {

using namespace Vrbatec;
using WinApi::UniqueHandle;
namespace fs = std::filesystem;
using Nazvy = std::vector<std::wstring>;

std::string Precist(const fs::path& cesta) {
    std::ifstream soubor(cesta, std::ios::binary);
    EXPECT_TRUE(soubor) << cesta;
    return std::string(std::istreambuf_iterator<char>(soubor), {});
}

// The file as the codec writes the list.
std::string Soubor(const std::vector<Zdroj>& zdroje) {
    const std::vector<std::uint8_t> bajty = KodekZdroju::ZakodovatNaBajty(zdroje);
    return std::string(bajty.begin(), bajty.end());
}

void Zapsat(const fs::path& cesta, const std::string& bajty) {
    std::ofstream(cesta, std::ios::binary) << bajty;
}

class SouborZdrojuTest : public testing::Test {
protected:
    ~SouborZdrojuTest() override {
        for (const auto& soubor : fs::directory_iterator(slozka)) {
            fs::permissions(soubor.path(), fs::perms::all);
        }
        fs::remove_all(slozka);
    }

    Nazvy SouboryVeSlozce() const {
        Nazvy nazvy;
        for (const auto& soubor : fs::directory_iterator(slozka)) {
            nazvy.push_back(soubor.path().filename().wstring());
        }
        std::sort(nazvy.begin(), nazvy.end());
        return nazvy;
    }

    // The texts of the message boxes shown since the last call.
    Nazvy Hlaseni() {
        Nazvy texty;
        for (const auto& okno : std::exchange(hlaseni.okna, {})) {
            texty.push_back(okno.text);
        }
        return texty;
    }

    // What the user is told of the copy kept under the name with this ending.
    std::wstring TextOZaloze(const wchar_t* pripona) const {
        const std::wstring plna = SouborZdroju::PlnaCesta(cesta);
        return L"Seznam zdrojů v souboru \"" + plna +
               L"\" nebylo možné načíst. Původní soubor byl uložen jako \"" + plna + pripona +
               L"\".";
    }

    // Each test removes its folder at its end, so the process is name enough.
    const fs::path slozka = [] {
        const fs::path nova = fs::temp_directory_path() /
                              ("zvukolet_zdroje_" + std::to_string(::GetCurrentProcessId()));
        fs::create_directories(nova);
        return nova;
    }();
    const std::wstring cesta = (slozka / L"Zvukolet.xml").wstring();
    Testy::ZaznamHlaseni hlaseni;
    static void ChybaIndexu(std::int32_t) { throw std::logic_error("index"); }
    SeznamZdroju seznam{ChybaIndexu};
    UlozisteZdroju uloziste{seznam};
    const std::vector<Zdroj> puvodni = {{L"Rádio 1", L"http://a/b?c=1&d=<2>", 40, true},
                                        {L" Pražská ", L"D:\\Hudba\\a.wma", -1, false}};
    const std::string stare = Soubor(puvodni);
};

TEST_F(SouborZdrojuTest, SavedListReadsBackAndLeavesOnlyItsFile) {
    seznam.Pridat(L"a", L"b", true);
    EXPECT_EQ(uloziste.Nacist(cesta), HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(seznam.Pocet(), 0u);
    seznam.Nahradit(puvodni);
    uloziste.Ulozit(cesta);
    EXPECT_EQ(Precist(cesta), stare);

    SeznamZdroju jiny(ChybaIndexu);
    jiny.Pridat(L"zmizí", L"x", false);
    EXPECT_EQ(UlozisteZdroju(jiny).Nacist(cesta), S_OK);
    EXPECT_EQ(jiny.Vse(), puvodni);
    EXPECT_EQ(SouboryVeSlozce(), Nazvy{L"Zvukolet.xml"});
    EXPECT_TRUE(Hlaseni().empty());
}

TEST_F(SouborZdrojuTest, FileHeldOpenIsKeptBeforeItIsReplaced) {
    Zapsat(cesta, stare);
    UniqueHandle drzeny(::CreateFileW(cesta.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(drzeny);
    EXPECT_EQ(uloziste.Nacist(cesta), HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(seznam.Pocet(), 0u);
    EXPECT_TRUE(Hlaseni().empty());

    // While the other program still holds it, nothing can be copied, so nothing is written.
    seznam.Pridat(L"Nový", L"http://novy", true);
    uloziste.Ulozit(cesta);
    EXPECT_EQ(Hlaseni(), Nazvy{PopisHResult(HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION))});
    drzeny.Reset();
    EXPECT_EQ(Precist(cesta), stare);

    uloziste.Ulozit(cesta);
    EXPECT_EQ(Hlaseni(), Nazvy{TextOZaloze(L".bak")});
    EXPECT_EQ(Precist(cesta + L".bak"), stare);
    EXPECT_EQ(Precist(cesta), Soubor(seznam.Vse()));

    // Once kept, the list is the user's again: later saves just write it.
    uloziste.Ulozit(cesta);
    EXPECT_TRUE(Hlaseni().empty());
    EXPECT_EQ(SouboryVeSlozce(), (Nazvy{L"Zvukolet.xml", L"Zvukolet.xml.bak"}));
}

// Empty while another program held it, the file may have its list by the time of the save;
// only what it holds then decides whether a copy is kept.
TEST_F(SouborZdrojuTest, FileHeldOpenWhileEmptyIsKeptIfItHasAListWhenSaved) {
    Zapsat(cesta, "");
    UniqueHandle drzeny(::CreateFileW(cesta.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(drzeny);
    EXPECT_EQ(uloziste.Nacist(cesta), HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION));
    DWORD zapsano = 0;
    ASSERT_TRUE(::WriteFile(drzeny.Get(), stare.data(), static_cast<DWORD>(stare.size()), &zapsano,
                            nullptr));
    drzeny.Reset();

    seznam.Pridat(L"Nový", L"http://novy", true);
    uloziste.Ulozit(cesta);
    EXPECT_EQ(Hlaseni(), Nazvy{TextOZaloze(L".bak")});
    EXPECT_EQ(Precist(cesta + L".bak"), stare);
    EXPECT_EQ(Precist(cesta), Soubor(seznam.Vse()));

    // Still empty when saved, it has nothing to keep.
    SeznamZdroju jiny(ChybaIndexu);
    UlozisteZdroju dalsi(jiny);
    const std::wstring prazdny = (slozka / L"Prazdny.xml").wstring();
    Zapsat(prazdny, "");
    drzeny.Reset(::CreateFileW(prazdny.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(drzeny);
    EXPECT_EQ(dalsi.Nacist(prazdny), HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION));
    drzeny.Reset();
    jiny.Pridat(L"a", L"b", false);
    dalsi.Ulozit(prazdny);
    EXPECT_TRUE(Hlaseni().empty());
    EXPECT_EQ(Precist(prazdny), Soubor(jiny.Vse()));
    EXPECT_EQ(SouboryVeSlozce(), (Nazvy{L"Prazdny.xml", L"Zvukolet.xml", L"Zvukolet.xml.bak"}));
}

// Not read, so the list starts empty; the first save keeps the file under the first free name.
TEST_F(SouborZdrojuTest, FileInAnotherEncodingOrTooLargeIsKeptUnderAFreeName) {
    const auto ulozitAOveritZalohu = [&](const wchar_t* zaloha, std::uintmax_t velikost) {
        EXPECT_EQ(seznam.Pocet(), 0u);
        seznam.Pridat(L"a", L"b", false);
        uloziste.Ulozit(cesta);
        EXPECT_EQ(Hlaseni(), Nazvy{TextOZaloze(zaloha)});
        EXPECT_EQ(fs::file_size(cesta + zaloha), velikost);
        EXPECT_EQ(Precist(cesta), Soubor(seznam.Vse()));
    };
    const std::string utf8("<zdroj>\r\n <nazev>Rádio</nazev>\r\n <url>u</url>\r\n"
                           " <hlasitost>-1</hlasitost>\r\n <menu>1</menu>\r\n</zdroj>\r\n");
    Zapsat(cesta, utf8);
    Zapsat(cesta + L".bak", "an earlier backup");
    EXPECT_EQ(uloziste.Nacist(cesta), S_OK);
    ulozitAOveritZalohu(L".bak2", utf8.size());
    EXPECT_EQ(Precist(cesta + L".bak"), "an earlier backup");
    EXPECT_EQ(Precist(cesta + L".bak2"), utf8);

    const std::uintmax_t velka = SouborZdroju::kNejvetsiVelikost + 1;
    fs::resize_file(cesta, velka);
    EXPECT_EQ(uloziste.Nacist(cesta), HRESULT_FROM_WIN32(ERROR_FILE_TOO_LARGE));
    ulozitAOveritZalohu(L".bak3", velka);
}

// Folders deeper than the old path limit are reached through the "\\?\" form; a list that
// loads from there must save there too, through a temporary file beside it.
TEST_F(SouborZdrojuTest, ListInAFolderBeyondTheOldPathLimitSavesAndReadsBack) {
    const std::wstring zaklad = L"\\\\?\\" + SouborZdroju::PlnaCesta(slozka.wstring());
    std::vector<std::wstring> slozky{zaklad};
    while (slozky.back().size() < MAX_PATH + 20) {
        slozky.push_back(slozky.back() + L"\\" + std::wstring(60, L'd'));
        ASSERT_TRUE(::CreateDirectoryW(slozky.back().c_str(), nullptr)) << ::GetLastError();
    }
    const std::wstring dlouha = slozky.back() + L"\\Zvukolet.xml";
    EXPECT_EQ(uloziste.Nacist(dlouha), HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
    seznam.Nahradit(puvodni);
    uloziste.Ulozit(dlouha);
    EXPECT_TRUE(Hlaseni().empty());

    SeznamZdroju jiny(ChybaIndexu);
    EXPECT_EQ(UlozisteZdroju(jiny).Nacist(dlouha), S_OK);
    EXPECT_EQ(jiny.Vse(), puvodni);
    // The folder empties with the list gone: no temporary file was left beside it.
    ::DeleteFileW(dlouha.c_str());
    while (slozky.size() > 1) {
        EXPECT_TRUE(::RemoveDirectoryW(slozky.back().c_str())) << ::GetLastError();
        slozky.pop_back();
    }
}

TEST_F(SouborZdrojuTest, ReadOnlyFileStaysAsItWasAndTheUserIsTold) {
    Zapsat(cesta, stare);
    fs::permissions(cesta, fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_EQ(uloziste.Nacist(cesta), S_OK);

    seznam.Pridat(L"a", L"b", false);
    uloziste.Ulozit(cesta);
    EXPECT_EQ(Hlaseni(), Nazvy{PopisHResult(HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED))});
    EXPECT_EQ(Precist(cesta), stare);
    EXPECT_EQ(SouboryVeSlozce(), Nazvy{L"Zvukolet.xml"});
}

} // namespace
