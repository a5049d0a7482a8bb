// The program's resources as Windows loads them: string table, accelerators, version block,
// icon sizes and the manifest.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <vector>

#include "app/Diagnostika.h"
#include "app/VerzniInformace.h"
#include "res/resource.h"

namespace {

using Vrbatec::NacistHodnotuVerze;
using Vrbatec::NacistRetezec;

TEST(TabulkaRetezcu, EveryNumberedMessageAndHintIsThere) {
    const std::set<UINT> bezTextu{20002, 20003, 40008, ID_PANEL_OVLADANI, ID_ZDROJE_VYSILANI};
    for (UINT id = 20001; id <= 20028; ++id) {
        std::wstring text;
        EXPECT_EQ(NacistRetezec(id, text), bezTextu.count(id) == 0) << id;
    }
    for (UINT id = 40001; id <= 40032; ++id) {
        std::wstring text;
        EXPECT_EQ(NacistRetezec(id, text), bezTextu.count(id) == 0) << id;
        // A hint must fit the 80-character tooltip buffer.
        EXPECT_LT(text.size(), 80u) << id;
    }
}

TEST(TabulkaRetezcu, TextsWithFormatsAndQuotesComeThroughIntact) {
    std::wstring text;
    ASSERT_TRUE(NacistRetezec(IDS_PRIPRAVEN, text));
    EXPECT_EQ(text, L"%s - připraven");
    ASSERT_TRUE(NacistRetezec(IDS_CHYBA_SPUSTENI_ZAZNAMU, text));
    EXPECT_EQ(text, L"Došlo k chybě při pokusu o spuštění záznamu do souboru \"%s\"");
    ASSERT_TRUE(NacistRetezec(IDS_ZAZNAM_SPUSTEN, text));
    EXPECT_EQ(text, L"Byl spuštěn záznam zvuku do souboru\n%s");
    ASSERT_TRUE(NacistRetezec(IDS_URL_AKTUALIZACE, text));
    EXPECT_EQ(text.substr(0, 7), L"http://");
    EXPECT_EQ(text.substr(text.size() - 36), L"/software/zvukolet/posledniVerze.txt");
}

TEST(Akceleratory, TableHoldsExactlyTheProgramsKeys) {
    HACCEL tabulka = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(105));
    ASSERT_NE(tabulka, nullptr);
    const int pocet = CopyAcceleratorTableW(tabulka, nullptr, 0);
    std::vector<ACCEL> polozky(static_cast<size_t>(pocet));
    CopyAcceleratorTableW(tabulka, polozky.data(), pocet);

    struct Klavesa {
        BYTE priznaky;
        WORD klavesa;
        WORD prikaz;
    };
    const BYTE v = FVIRTKEY | FNOINVERT;
    const Klavesa ocekavane[] = {
        {v | FCONTROL | FALT, 'X', 40001},
        {v, VK_INSERT, 40010},
        {v, VK_DELETE, 40011},
        {v | FCONTROL, 'O', 40014},
        {v, VK_SUBTRACT, 40021},
        {v, VK_MEDIA_PLAY_PAUSE, 40006},
        {v, VK_F2, 40012},
        {v, VK_MEDIA_STOP, 40007},
        {v | FCONTROL, 'Z', 40013},
        {v, VK_ADD, 40020},
        {v, VK_F4, 40002},
    };
    ASSERT_EQ(polozky.size(), std::size(ocekavane));
    for (size_t i = 0; i < polozky.size(); ++i) {
        EXPECT_EQ(polozky[i].fVirt & ~0x80, ocekavane[i].priznaky) << i;
        EXPECT_EQ(polozky[i].key, ocekavane[i].klavesa) << i;
        EXPECT_EQ(polozky[i].cmd, ocekavane[i].prikaz) << i;
    }
    // The main keyboard's minus and plus are no accelerators.
    for (const ACCEL& a : polozky) {
        EXPECT_NE(a.key, VK_OEM_MINUS);
        EXPECT_NE(a.key, VK_OEM_PLUS);
    }
    DestroyAcceleratorTable(tabulka);
}

TEST(Verze, BlockCarriesTheProductIdentity) {
    std::wstring hodnota;
    ASSERT_TRUE(NacistHodnotuVerze(L"ProductName", hodnota));
    EXPECT_EQ(hodnota, L"Zvukolet");
    ASSERT_TRUE(NacistHodnotuVerze(L"InternalName", hodnota));
    EXPECT_EQ(hodnota, L"Zvukolet");
    ASSERT_TRUE(NacistHodnotuVerze(L"CompanyName", hodnota));
    EXPECT_EQ(hodnota, L"Vrbatec");
    ASSERT_TRUE(NacistHodnotuVerze(L"FileVersion", hodnota));
    EXPECT_EQ(hodnota, L"2.1.0.1");
    ASSERT_TRUE(NacistHodnotuVerze(L"ProductVersion", hodnota));
    EXPECT_EQ(hodnota, L"2.1.0.1");
    ASSERT_TRUE(NacistHodnotuVerze(L"LegalCopyright", hodnota));
    EXPECT_FALSE(hodnota.empty());
    hodnota = L"beze změny";
    EXPECT_FALSE(NacistHodnotuVerze(L"NeexistujiciHodnota", hodnota));
    EXPECT_EQ(hodnota, L"beze změny");
}

TEST(Verze, FixedPartIs2101) {
    wchar_t cesta[MAX_PATH];
    GetModuleFileNameW(nullptr, cesta, MAX_PATH);
    DWORD nic = 0;
    std::vector<BYTE> blok(GetFileVersionInfoSizeW(cesta, &nic));
    ASSERT_FALSE(blok.empty());
    ASSERT_TRUE(GetFileVersionInfoW(cesta, 0, static_cast<DWORD>(blok.size()), blok.data()));
    VS_FIXEDFILEINFO* pevna = nullptr;
    UINT delka = 0;
    ASSERT_TRUE(VerQueryValueW(blok.data(), L"\\", reinterpret_cast<void**>(&pevna), &delka));
    EXPECT_EQ(pevna->dwFileVersionMS, MAKELONG(1, 2));
    EXPECT_EQ(pevna->dwFileVersionLS, MAKELONG(1, 0));
    EXPECT_EQ(pevna->dwProductVersionMS, MAKELONG(1, 2));
    EXPECT_EQ(pevna->dwProductVersionLS, MAKELONG(1, 0));
}

TEST(Ikona, ApplicationIconComesIn16_32And48Pixels) {
    for (int velikost : {16, 32, 48}) {
        HICON ikona = static_cast<HICON>(LoadImageW(
            GetModuleHandleW(nullptr), MAKEINTRESOURCEW(101), IMAGE_ICON, velikost, velikost, 0));
        ASSERT_NE(ikona, nullptr) << velikost;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(ikona, &info));
        BITMAP bitmapa{};
        GetObjectW(info.hbmColor, sizeof(bitmapa), &bitmapa);
        EXPECT_EQ(bitmapa.bmWidth, velikost);
        EXPECT_EQ(bitmapa.bmHeight, velikost);
        EXPECT_EQ(bitmapa.bmBitsPixel, 32) << "the icon carries an alpha channel";
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(ikona);
    }
}

TEST(Manifest, AsksForCommonControls6AndPerMonitorDpi) {
    HRSRC zdroj = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(zdroj, nullptr);
    const char* text = static_cast<const char*>(LockResource(LoadResource(nullptr, zdroj)));
    const std::string manifest(text, SizeofResource(nullptr, zdroj));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
    EXPECT_NE(manifest.find("8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"), std::string::npos);
}

} // namespace

namespace {

// A menu written out as "text=id" items, "-" for separators and "[text: ...]" for submenus,
// so that a whole menu compares in one line.
std::wstring Rozepsat(HMENU menu) {
    std::wstring vysledek;
    const int pocet = GetMenuItemCount(menu);
    for (int i = 0; i < pocet; ++i) {
        if (!vysledek.empty()) {
            vysledek += L"|";
        }
        wchar_t text[128] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
        if (HMENU podmenu = GetSubMenu(menu, i)) {
            vysledek += L"[" + std::wstring(text) + L": " + Rozepsat(podmenu) + L"]";
        } else if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR) {
            vysledek += L"-";
        } else {
            vysledek += std::wstring(text) + L"=" + std::to_wstring(GetMenuItemID(menu, i));
        }
    }
    return vysledek;
}

std::wstring RozepsatZdroj(UINT id) {
    HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
    if (menu == nullptr) {
        return L"(missing)";
    }
    const std::wstring text = Rozepsat(menu);
    DestroyMenu(menu);
    return text;
}

TEST(Menu, MenuBarHoldsEveryCommandInItsPlace) {
    EXPECT_EQ(
        RozepsatZdroj(104),
        L"[&Program: Otevřít &URL\tCtrl+O=40014|-|&Nastavení\tF4=40002|-|&Konec=40001]|"
        L"[Pře&hrávání: &Spustit\tPlay=40006|&Zastavit\tStop=40007|-|"
        L"Zvýšit &hlasitost\t+=40020|S&nížit hlasitost\t-=40021|&Ztlumit zvuk\tCtrl+Z=40013|-|"
        L"&Vlastnosti zdroje=40009]|"
        L"[&Zdroj: &Přidat\tInsert=40010|&Odebrat\tDelete=40011|&Upravit\tF2=40012]|"
        L"[Záz&nam: &Spustit=40030|U&končit=40031|-|&Otevřít složku se záznamy=40032]|"
        L"[Zobr&azit: Seznam &zdrojů=40016|-|[&Panely nástrojů: Panel &tlačítek=40017|"
        L"&Ovládání=40018|Seznam &zdrojů=40019|-|Malé ikony=40028|Velké ikony=40029]]|"
        L"[Ná&pověda: &Webové stránky=40004|&Technická podpora=40005|"
        L"Vyhledat &aktualizace=40027|-|&O programu=40003]");
}

TEST(Menu, PopupMenusAreTheFirstSubmenuOfTheirResource) {
    EXPECT_EQ(RozepsatZdroj(115), L"[: &Webové stránky=40004|&Technická podpora=40005|"
                                  L"Vyhledat &aktualizace=40027|-|&O programu=40003]");
    EXPECT_EQ(RozepsatZdroj(116), L"[: Panel &tlačítek=40017|&Ovládání=40018|Seznam &zdrojů=40019|"
                                  L"-|Malé ikony=40028|Velké ikony=40029]");
    EXPECT_EQ(RozepsatZdroj(117), L"[: &Spustit=40006|&Zastavit=40007|-|&Přidat=40010|"
                                  L"&Odebrat=40011|&Upravit=40012|-|&Informace=40009|-|"
                                  L"&Ztlumit=40013]");
}

} // namespace
