#include "winapi/DiagnostikaText.h"

#include <cstdio>
#include <cwchar>

namespace Vrbatec::DiagnostikaText {

std::int32_t HResultZWin32(std::uint32_t kod) {
    const auto jakoHr = static_cast<std::int32_t>(kod);
    const std::int32_t hr =
        jakoHr <= 0 ? jakoHr : static_cast<std::int32_t>(0x80070000u | (kod & 0xFFFFu));
    return hr < 0 ? hr : kEFail;
}

std::wstring PopisBezSystemovehoTextu(std::int32_t hr) {
    const auto kod = static_cast<std::uint32_t>(hr);
    const std::uint32_t nizsi = kod & 0xFFFFu;
    wchar_t buffer[32];
    if (kod >= 0x80040200u && kod <= 0x8004FFFFu && nizsi != 0x0200u) {
        std::swprintf(buffer, 32, L"IDispatch error #%d", static_cast<int>(nizsi - 0x200u));
    } else {
        std::swprintf(buffer, 32, L"Unknown error 0x%0lX", static_cast<unsigned long>(kod));
    }
    return buffer;
}

std::wstring BezKonceRadku(std::wstring text) {
    if (text.size() > 1 && text.back() == L'\n') {
        text.pop_back();
        if (!text.empty() && text.back() == L'\r') {
            text.pop_back();
        }
    }
    return text;
}

std::wstring STeckouNaKonci(std::wstring text) {
    if (text.empty() || text.back() != L'.') {
        text.push_back(L'.');
    }
    return text;
}

std::wstring TextFatalniChyby(std::wstring_view popis, std::wstring_view nazevAplikace) {
    std::wstring text = L"Došlo k významné chybě!\n\n";
    text.append(popis);
    text.append(L"\n\nAplikace \"");
    text.append(nazevAplikace);
    text.append(L"\" bude ukončena.");
    return text;
}

std::wstring TextSPopisem(std::wstring_view text, std::wstring_view popis) {
    std::wstring vysledek(text);
    vysledek.append(L"\n\nSystémový popis chyby:\n");
    vysledek.append(popis);
    return vysledek;
}

} // namespace Vrbatec::DiagnostikaText
