#include "winapi/VzorTextu.h"

namespace Vrbatec::VzorTextu {

std::wstring Dosadit(std::wstring_view vzor, std::initializer_list<std::wstring_view> hodnoty) {
    std::wstring vysledek;
    vysledek.reserve(vzor.size() + 64);
    auto dalsi = hodnoty.begin();
    for (std::size_t i = 0; i < vzor.size(); ++i) {
        const wchar_t znak = vzor[i];
        const wchar_t za = i + 1 < vzor.size() ? vzor[i + 1] : L'\0';
        if (znak != L'%' || (za != L's' && za != L'd' && za != L'%')) {
            vysledek += znak;
            continue;
        }
        ++i;
        if (za == L'%') {
            vysledek += L'%';
        } else if (dalsi != hodnoty.end()) {
            vysledek += *dalsi++;
        }
    }
    return vysledek;
}

} // namespace Vrbatec::VzorTextu
