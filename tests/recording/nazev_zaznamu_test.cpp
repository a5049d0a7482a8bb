// The path of a new recording: how it is built from the folder, the playing name and the time,
// what happens to names that a file name cannot hold, and how a taken path gets a number.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "recording/NazevZaznamu.h"

namespace nz = Vrbatec::NazevZaznamu;

namespace {

constexpr nz::Okamzik k5Prosince0907{.den = 5, .mesic = 12, .rok = 2026, .hodina = 9, .minuta = 7};

nz::JeObsazena Obsazene(std::set<std::wstring> cesty) {
    return [cesty = std::move(cesty)](const std::wstring& cesta) { return cesty.count(cesta) > 0; };
}

const nz::JeObsazena kNicNeniObsazeno = Obsazene({});

TEST(NazevZaznamu, PathIsFolderNameDateAndExtension) {
    struct Pripad {
        const wchar_t* slozka;
        const wchar_t* nazev;
        const wchar_t* pripona;
        const wchar_t* cekano;
    };
    const Pripad pripady[] = {
        {L"C:\\Záznamy", L"Rádio Jih", L".wma", L"C:\\Záznamy\\Rádio Jih 5.12.2026 09-07.wma"},
        {L"C:\\Záznamy", L"", L".wma", L"C:\\Záznamy\\Záznam 5.12.2026 09-07.wma"},
        // A drive's root as the folder: no doubled separator.
        {L"D:\\", L"Rádio Jih", L".wav", L"D:\\Rádio Jih 5.12.2026 09-07.wav"},
        // Dots of the name are not taken for the extension's.
        {L"C:\\Z", L"Radio 1.5", L".wma", L"C:\\Z\\Radio 1.5 5.12.2026 09-07.wma"},
    };
    for (const Pripad& p : pripady) {
        EXPECT_EQ(nz::CestaZaznamu(p.slozka, p.nazev, k5Prosince0907, p.pripona, kNicNeniObsazeno),
                  std::wstring(p.cekano));
    }
}

TEST(NazevZaznamu, OnlyCharactersAFileNameCannotHoldBecomeDashes) {
    struct Pripad {
        std::wstring nazev;
        std::wstring cekano;
    };
    const Pripad pripady[] = {
        {L"\\/:*?\"<>|", L"---------"},
        {std::wstring(L"a\tb\nc\x1f") + L'\0' + L"d", L"a-b-c--d"},
        // A name cannot lead the recording out of its folder.
        {L"..\\..\\Windows\\x", L"..-..-Windows-x"},
        // Everything a file name may hold stays, also what looks like a format.
        {L" Rádio 1. (FM) #2 & co's ~ 100% %s [ČRo] {x};=+, Ж 音楽 ",
         L" Rádio 1. (FM) #2 & co's ~ 100% %s [ČRo] {x};=+, Ж 音楽 "},
    };
    for (const Pripad& p : pripady) {
        EXPECT_EQ(nz::BezpecnyNazev(p.nazev), p.cekano);
    }
    EXPECT_EQ(nz::CestaZaznamu(L"C:\\Z", L"AC/DC: Live", k5Prosince0907, L".wma", kNicNeniObsazeno),
              L"C:\\Z\\AC-DC- Live 5.12.2026 09-07.wma");
}

TEST(NazevZaznamu, TakenPathGetsTheFirstFreeNumberBeforeTheExtension) {
    const std::wstring zaklad = L"C:\\Z\\R 5.12.2026 09-07";
    struct Pripad {
        std::set<std::wstring> obsazene;
        std::wstring cekano;
    };
    const Pripad pripady[] = {
        // Another extension does not take the name.
        {{zaklad + L".wav"}, zaklad + L".wma"},
        {{zaklad + L".wma"}, zaklad + L" (2).wma"},
        // A gap left by a deleted recording is used again.
        {{zaklad + L".wma", zaklad + L" (3).wma"}, zaklad + L" (2).wma"},
    };
    for (const Pripad& p : pripady) {
        EXPECT_EQ(nz::CestaZaznamu(L"C:\\Z", L"R", k5Prosince0907, L".wma", Obsazene(p.obsazene)),
                  p.cekano);
    }
}

TEST(NazevZaznamu, AFolderWithEveryNumberTakenGivesNoPathAndTheSearchEnds) {
    std::uint32_t dotazu = 0;
    std::wstring posledni;
    const auto vse = [&](const std::wstring& cesta) {
        ++dotazu;
        posledni = cesta;
        return true;
    };
    EXPECT_FALSE(nz::VolnaCesta(L"C:\\Z\\R", L".wma", vse).has_value());
    EXPECT_EQ(dotazu, nz::kNejvyssiPoradi);
    EXPECT_EQ(posledni, L"C:\\Z\\R (999).wma");

    const auto jenPrvni = [](const std::wstring& cesta) { return cesta != L"C:\\Z\\R (999).wma"; };
    EXPECT_EQ(nz::VolnaCesta(L"C:\\Z\\R", L".wma", jenPrvni), L"C:\\Z\\R (999).wma");
}

} // namespace
