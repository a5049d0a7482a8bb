// Where the program points the user: the maker's web site, the application's page, the
// support and contact addresses and the maker's other applications.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace Vrbatec::Odkazy {

inline constexpr std::wstring_view kWebFirmy = L"http://www.vrbatec.cz/";
inline constexpr std::wstring_view kAdresaPodpory = L"podpora@vrbatec.cz";
inline constexpr std::wstring_view kAdresaKontaktu = L"info@vrbatec.cz";

struct JinaAplikace {
    std::wstring_view nazev;
    std::wstring_view cesta; // on the maker's web site, from its root
};

inline constexpr std::array kJineAplikace{
    JinaAplikace{L"Vrbatec Budík", L"software/budik/"},
    JinaAplikace{L"Vrbatec Zápisník", L"software/zapisnik/"},
};

std::wstring WebAplikace();
std::wstring WebJineAplikace(const JinaAplikace& aplikace);
std::wstring TipJineAplikace(const JinaAplikace& aplikace);

// The support request of the Help menu, its subject naming the product.
std::wstring EmailPodpory(std::wstring_view nazevProduktu);
// The support request of the information panel, which goes to the contact address.
std::wstring EmailPodporyPanelu();
std::wstring EmailKontaktu();

} // namespace Vrbatec::Odkazy
