// Loading and saving the list file under Wine with real files: the round trip, and the
// files that must never be lost (held open by another program, in another encoding, too
// large, read-only).
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/Diagnostika.h"
#include "sources/KodekZdroju.h"
#include "sources/SouborZdroju.h"
#include "sources/UlozisteZdroju.h"
#include "sources/ZalohaSeznamu.h"
#include "support/ZaznamHlaseni.h"
#include "winapi/Handle.h"

namespace {

using namespace Vrbatec;
using Testy::ZaznamHlaseni;
using WinApi::UniqueHandle;

using Bajty = std::vector<std::uint8_t>;

[[noreturn]] void NeocekavanaChybaIndexu(std::int32_t) {
    throw std::logic_error("index");
}

Bajty PrecistBajty(const std::wstring& cesta) {
    UniqueHandle soubor(::CreateFileW(cesta.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_TRUE(soubor) << "cannot open for reading";
    Bajty bajty;
    if (!soubor) {
        return bajty;
    }
    LARGE_INTEGER velikost{};
    ::GetFileSizeEx(soubor.Get(), &velikost);
    bajty.resize(static_cast<std::size_t>(velikost.QuadPart));
    DWORD precteno = 0;
    EXPECT_TRUE(::ReadFile(soubor.Get(), bajty.data(), static_cast<DWORD>(bajty.size()), &precteno,
                           nullptr));
    EXPECT_EQ(precteno, bajty.size());
    return bajty;
}

void ZapsatBajty(const std::wstring& cesta, const Bajty& bajty) {
    UniqueHandle soubor(::CreateFileW(cesta.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(soubor);
    DWORD zapsano = 0;
    ASSERT_TRUE(::WriteFile(soubor.Get(), bajty.data(), static_cast<DWORD>(bajty.size()), &zapsano,
                            nullptr));
    ASSERT_EQ(zapsano, bajty.size());
}

Bajty Utf8(const std::string& text) {
    return Bajty(text.begin(), text.end());
}

class SouborZdrojuTest : public testing::Test {
protected:
    SouborZdrojuTest() {
        wchar_t temp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, temp);
        slozka = std::wstring(temp) + L"zvukolet_zdroje_" +
                 std::to_wstring(::GetCurrentProcessId()) + L"_" + std::to_wstring(++pocitadlo) +
                 L"\\";
        ::CreateDirectoryW(slozka.c_str(), nullptr);
        cesta = slozka + L"Zvukolet.xml";
    }

    ~SouborZdrojuTest() override {
        for (const std::wstring& nazev : SouboryVeSlozce()) {
            const std::wstring soubor = slozka + nazev;
            ::SetFileAttributesW(soubor.c_str(), FILE_ATTRIBUTE_NORMAL);
            ::DeleteFileW(soubor.c_str());
        }
        ::RemoveDirectoryW(slozka.c_str());
    }

    std::vector<std::wstring> SouboryVeSlozce() const {
        std::vector<std::wstring> nazvy;
        WIN32_FIND_DATAW udaje{};
        HANDLE hledani = ::FindFirstFileW((slozka + L"*").c_str(), &udaje);
        if (hledani == INVALID_HANDLE_VALUE) {
            return nazvy;
        }
        do {
            const std::wstring nazev = udaje.cFileName;
            if (nazev != L"." && nazev != L"..") {
                nazvy.push_back(nazev);
            }
        } while (::FindNextFileW(hledani, &udaje));
        ::FindClose(hledani);
        std::sort(nazvy.begin(), nazvy.end());
        return nazvy;
    }

    std::vector<std::wstring> TextyOken() const {
        std::vector<std::wstring> texty;
        for (const auto& okno : hlaseni.okna) {
            texty.push_back(okno.text);
        }
        return texty;
    }

    static inline int pocitadlo = 0;
    std::wstring slozka;
    std::wstring cesta;
    ZaznamHlaseni hlaseni;
    SeznamZdroju seznam{NeocekavanaChybaIndexu};
    UlozisteZdroju uloziste{seznam};
    const std::vector<Zdroj> puvodni = {{L"Rádio 1", L"http://a/b?c=1&d=<2>", 40, true},
                                        {L" Pražská ", L"D:\\Hudba\\a.wma", -1, false}};
};

TEST_F(SouborZdrojuTest, SavedListReadsBackAndLeavesOnlyItsFile) {
    seznam.Nahradit(puvodni);
    uloziste.Ulozit(cesta);
    EXPECT_EQ(PrecistBajty(cesta), KodekZdroju::ZakodovatNaBajty(puvodni));

    SeznamZdroju jiny(NeocekavanaChybaIndexu);
    UlozisteZdroju jineUloziste(jiny);
    jiny.Pridat(L"zmizí", L"x", false);
    EXPECT_EQ(jineUloziste.Nacist(cesta), S_OK);
    EXPECT_EQ(jiny.Vse(), puvodni);

    // Saving again replaces the file as a whole.
    seznam.Odebrat(0);
    uloziste.Ulozit(cesta);
    EXPECT_EQ(PrecistBajty(cesta), KodekZdroju::ZakodovatNaBajty({&puvodni[1], 1}));
    EXPECT_EQ(SouboryVeSlozce(), std::vector<std::wstring>{L"Zvukolet.xml"});
    EXPECT_TRUE(hlaseni.okna.empty());
}

TEST_F(SouborZdrojuTest, EmptyListIsAnEmptyFileThatIsSafeToReplace) {
    uloziste.Ulozit(cesta);
    EXPECT_TRUE(PrecistBajty(cesta).empty());
    seznam.Pridat(L"a", L"b", true);
    EXPECT_EQ(uloziste.Nacist(cesta), S_OK);
    EXPECT_EQ(seznam.Pocet(), 0u);
    seznam.Pridat(L"a", L"b", true);
    uloziste.Ulozit(cesta);
    EXPECT_EQ(SouboryVeSlozce(), std::vector<std::wstring>{L"Zvukolet.xml"});
    EXPECT_TRUE(hlaseni.okna.empty());
}

TEST_F(SouborZdrojuTest, MissingFileLoadsEmptyAndIsCreatedWithoutBackup) {
    seznam.Pridat(L"a", L"b", true);
    EXPECT_EQ(uloziste.Nacist(cesta), HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(seznam.Pocet(), 0u);
    seznam.Pridat(L"a", L"b", true);
    uloziste.Ulozit(cesta);
    EXPECT_EQ(SouboryVeSlozce(), std::vector<std::wstring>{L"Zvukolet.xml"});
    EXPECT_TRUE(hlaseni.okna.empty());
}

TEST_F(SouborZdrojuTest, FileHeldOpenIsKeptBeforeItIsReplaced) {
    const Bajty stare = KodekZdroju::ZakodovatNaBajty(puvodni);
    ZapsatBajty(cesta, stare);
    UniqueHandle drzeny(::CreateFileW(cesta.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(drzeny);

    EXPECT_EQ(uloziste.Nacist(cesta), HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(seznam.Pocet(), 0u);
    EXPECT_TRUE(hlaseni.okna.empty());

    // While the other program still holds it, nothing can be copied, so nothing is written.
    seznam.Pridat(L"Nový", L"http://novy", true);
    uloziste.Ulozit(cesta);
    EXPECT_EQ(TextyOken(),
              std::vector<std::wstring>{PopisHResult(HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION))});
    drzeny.Reset();
    EXPECT_EQ(PrecistBajty(cesta), stare);
    EXPECT_EQ(SouboryVeSlozce(), std::vector<std::wstring>{L"Zvukolet.xml"});

    hlaseni.okna.clear();
    uloziste.Ulozit(cesta);
    const std::wstring plna = SouborZdroju::PlnaCesta(cesta);
    EXPECT_EQ(TextyOken(),
              std::vector<std::wstring>{ZalohaSeznamu::TextOZaloze(plna, plna + L".bak")});
    EXPECT_EQ(PrecistBajty(cesta + L".bak"), stare);
    EXPECT_EQ(PrecistBajty(cesta), KodekZdroju::ZakodovatNaBajty(seznam.Vse()));

    // Once kept, the list is the user's again: later saves just write it.
    hlaseni.okna.clear();
    uloziste.Ulozit(cesta);
    EXPECT_TRUE(hlaseni.okna.empty());
    EXPECT_EQ(SouboryVeSlozce(), (std::vector<std::wstring>{L"Zvukolet.xml", L"Zvukolet.xml.bak"}));
}

TEST_F(SouborZdrojuTest, FileInAnotherEncodingIsKeptUnderAFreeName) {
    const Bajty utf8 = Utf8("<zdroj>\r\n <nazev>Rádio</nazev>\r\n <url>u</url>\r\n"
                            " <hlasitost>-1</hlasitost>\r\n <menu>1</menu>\r\n</zdroj>\r\n");
    const Bajty starsiZaloha = Utf8("an earlier backup");
    ZapsatBajty(cesta, utf8);
    ZapsatBajty(cesta + L".bak", starsiZaloha);

    EXPECT_EQ(uloziste.Nacist(cesta), S_OK);
    EXPECT_EQ(seznam.Pocet(), 0u);
    EXPECT_TRUE(hlaseni.okna.empty());

    seznam.Pridat(L"a", L"b", false);
    uloziste.Ulozit(cesta);
    const std::wstring plna = SouborZdroju::PlnaCesta(cesta);
    EXPECT_EQ(TextyOken(),
              std::vector<std::wstring>{ZalohaSeznamu::TextOZaloze(plna, plna + L".bak2")});
    EXPECT_EQ(PrecistBajty(cesta + L".bak"), starsiZaloha);
    EXPECT_EQ(PrecistBajty(cesta + L".bak2"), utf8);
    EXPECT_EQ(PrecistBajty(cesta), KodekZdroju::ZakodovatNaBajty(seznam.Vse()));
}

TEST_F(SouborZdrojuTest, BackupIsRememberedPerFileAndWithoutRegardToCase) {
    ZapsatBajty(cesta, Utf8("not a list"));
    const std::wstring jinySoubor = slozka + L"jiny.xml";
    EXPECT_EQ(uloziste.Nacist(cesta), S_OK);

    seznam.Pridat(L"a", L"b", false);
    uloziste.Ulozit(jinySoubor);
    EXPECT_TRUE(hlaseni.okna.empty());

    std::wstring velkymi = cesta;
    velkymi.replace(velkymi.size() - 12, 12, L"ZVUKOLET.XML");
    uloziste.Ulozit(velkymi);
    ASSERT_EQ(hlaseni.okna.size(), 1u);
    EXPECT_EQ(PrecistBajty(cesta + L".bak"), Utf8("not a list"));

    // Loading the file again, now readable, forgets that it waited for a copy.
    ZapsatBajty(cesta, Utf8("still not a list"));
    EXPECT_EQ(uloziste.Nacist(cesta), S_OK);
    ZapsatBajty(cesta, KodekZdroju::ZakodovatNaBajty(puvodni));
    EXPECT_EQ(uloziste.Nacist(cesta), S_OK);
    EXPECT_EQ(seznam.Vse(), puvodni);
    uloziste.Ulozit(cesta);
    EXPECT_EQ(hlaseni.okna.size(), 1u);
}

TEST_F(SouborZdrojuTest, TooLargeFileIsNotReadButKept) {
    {
        UniqueHandle soubor(::CreateFileW(cesta.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(soubor);
        LARGE_INTEGER konec{};
        konec.QuadPart = static_cast<LONGLONG>(SouborZdroju::kNejvetsiVelikost) + 2;
        ASSERT_TRUE(::SetFilePointerEx(soubor.Get(), konec, nullptr, FILE_BEGIN));
        ASSERT_TRUE(::SetEndOfFile(soubor.Get()));
    }
    EXPECT_EQ(uloziste.Nacist(cesta), HRESULT_FROM_WIN32(ERROR_FILE_TOO_LARGE));
    EXPECT_EQ(seznam.Pocet(), 0u);

    seznam.Pridat(L"a", L"b", false);
    uloziste.Ulozit(cesta);
    EXPECT_EQ(hlaseni.okna.size(), 1u);
    WIN32_FILE_ATTRIBUTE_DATA zaloha{};
    ASSERT_TRUE(::GetFileAttributesExW((cesta + L".bak").c_str(), GetFileExInfoStandard, &zaloha));
    EXPECT_EQ(zaloha.nFileSizeLow, SouborZdroju::kNejvetsiVelikost + 2);
    EXPECT_EQ(zaloha.nFileSizeHigh, 0u);
    EXPECT_EQ(PrecistBajty(cesta), KodekZdroju::ZakodovatNaBajty(seznam.Vse()));
}

TEST_F(SouborZdrojuTest, ListAtTheSizeLimitIsRead) {
    // Padding outside the records is ignored, so a file of exactly the limit still loads.
    Bajty bajty = KodekZdroju::ZakodovatNaBajty(puvodni);
    bajty.resize(SouborZdroju::kNejvetsiVelikost, 0x20);
    ZapsatBajty(cesta, bajty);
    EXPECT_EQ(uloziste.Nacist(cesta), S_OK);
    EXPECT_EQ(seznam.Vse(), puvodni);
}

TEST_F(SouborZdrojuTest, ReadOnlyFileStaysAsItWasAndTheUserIsTold) {
    const Bajty stare = KodekZdroju::ZakodovatNaBajty(puvodni);
    ZapsatBajty(cesta, stare);
    ASSERT_TRUE(::SetFileAttributesW(cesta.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(uloziste.Nacist(cesta), S_OK);

    seznam.Pridat(L"a", L"b", false);
    uloziste.Ulozit(cesta);
    EXPECT_EQ(TextyOken(),
              std::vector<std::wstring>{PopisHResult(HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED))});
    EXPECT_EQ(hlaseni.okna[0].typ,
              static_cast<UINT>(MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND));
    EXPECT_EQ(PrecistBajty(cesta), stare);
    EXPECT_EQ(SouboryVeSlozce(), std::vector<std::wstring>{L"Zvukolet.xml"});
}

TEST_F(SouborZdrojuTest, FolderThatCannotTakeTheFileShowsTheError) {
    const std::wstring vChybejiciSlozce = slozka + L"chybi\\Zvukolet.xml";
    seznam.Pridat(L"a", L"b", false);
    uloziste.Ulozit(vChybejiciSlozce);
    // Windows names the missing folder by the temporary file it could not create there.
    ASSERT_EQ(hlaseni.okna.size(), 1u);
    const std::wstring& text = hlaseni.okna[0].text;
    EXPECT_TRUE(text == PopisHResult(HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND)) ||
                text == PopisHResult(HRESULT_FROM_WIN32(ERROR_DIRECTORY)));
    EXPECT_TRUE(SouboryVeSlozce().empty());
}

TEST_F(SouborZdrojuTest, ReadOnlyFolderStaysUntouchedWhenTheSystemEnforcesIt) {
    const Bajty stare = KodekZdroju::ZakodovatNaBajty(puvodni);
    ZapsatBajty(cesta, stare);
    ASSERT_TRUE(::SetFileAttributesW(slozka.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::wstring zkouska = slozka + L"zkouska";
    UniqueHandle probe(::CreateFileW(zkouska.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    const bool slozkaPrijmeSoubor = static_cast<bool>(probe);
    probe.Reset();

    seznam.Pridat(L"a", L"b", false);
    uloziste.Ulozit(cesta);
    ::SetFileAttributesW(slozka.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (slozkaPrijmeSoubor) {
        // A read-only folder on Windows still takes new files, and the system here lets
        // this user write anywhere: the save is then an ordinary one.
        EXPECT_TRUE(hlaseni.okna.empty());
        EXPECT_EQ(PrecistBajty(cesta), KodekZdroju::ZakodovatNaBajty(seznam.Vse()));
    } else {
        EXPECT_EQ(hlaseni.okna.size(), 1u);
        EXPECT_EQ(PrecistBajty(cesta), stare);
    }
    EXPECT_EQ(SouboryVeSlozce(), std::vector<std::wstring>{L"Zvukolet.xml"});
}

TEST(Zdroje, IndexOutsideTheProgramsListEndsTheProgram) {
    ZaznamHlaseni hlaseni;
    Zdroje().Vymazat();
    EXPECT_THROW(Zdroje().NastavitNazev(0, L"x"), Testy::UkonceniProcesu);
    ASSERT_EQ(hlaseni.okna.size(), 1u);
    EXPECT_NE(hlaseni.okna[0].text.find(PopisHResult(E_INVALIDARG)), std::wstring::npos);
    EXPECT_EQ(&UlozisteSeznamuZdroju(), &UlozisteSeznamuZdroju());
}

} // namespace
