#include "sources/InformaceZdroje.h"

#include <climits>
#include <cstdint>

#include "winapi/VzorTextu.h"

namespace Vrbatec {

namespace {

struct PolozkaInformaci {
    const wchar_t* atribut;
    const wchar_t* vzor;
    bool bitovyTok;
};

constexpr PolozkaInformaci kPolozky[] = {
    {L"Title", L"Název: %s", false},
    {L"Bitrate", L"Bitový tok: %d kb/s", true},
    {L"Author", L"Autor: %s", false},
    {L"Copyright", L"Copyright: %s", false},
};

bool JeMezera(wchar_t znak) {
    return znak == L' ' || (znak >= L'\t' && znak <= L'\r');
}

} // namespace

std::vector<std::wstring> RadkyInformaciZdroje(const DotazNaMedium& dotaz) {
    std::vector<std::wstring> radky;
    for (const PolozkaInformaci& polozka : kPolozky) {
        std::wstring hodnota;
        if (!dotaz(polozka.atribut, hodnota)) {
            continue;
        }
        if (polozka.bitovyTok) {
            hodnota = std::to_wstring(KilobityZTextu(hodnota));
        }
        radky.push_back(VzorTextu::Dosadit(polozka.vzor, {hodnota}));
    }
    return radky;
}

int KilobityZTextu(std::wstring_view text) {
    std::size_t i = 0;
    while (i < text.size() && JeMezera(text[i])) {
        ++i;
    }
    bool zaporne = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        zaporne = text[i] == L'-';
        ++i;
    }
    // Far more digits than any bit rate has saturate instead of wrapping.
    std::int64_t bity = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        bity = bity * 10 + (text[i] - L'0');
        if (bity > INT_MAX) {
            bity = static_cast<std::int64_t>(INT_MAX) + 1;
        }
    }
    if (zaporne) {
        bity = -bity;
    }
    if (bity > INT_MAX) {
        bity = INT_MAX;
    }
    return static_cast<int>(bity / 1000);
}

} // namespace Vrbatec
